#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

namespace store {

class SharedTable;

// The database session: the registered table passwords, the alias definitions
// and the tables that its cursors have open (cursors on one table share its rows).
class Session {
public:
    // Reads alias definitions from configPath (INI form: "[ALIAS]" then "PATH=..."
    // and other NAME=VALUE lines; blank lines and lines starting with ";" or "#" are
    // skipped). A missing file means no aliases. Only a regular file is read,
    // opened without waiting on a pipe, and of it only the lines within its first
    // MaxAliasFileBytes; what kept it from being read is told with an unknown alias.
    explicit Session(QString configPath);
    static constexpr qint64 MaxAliasFileBytes = 1024 * 1024;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // $XDG_CONFIG_HOME/tabulon/aliases.ini, or ~/.config/tabulon/aliases.ini.
    static QString defaultConfigPath();
    // The program's session over defaultConfigPath(), made on first use.
    static Session& defaultSession();
    // Replaces what defaultSession() returns (tests); nullptr restores the program's own.
    static void setDefaultSession(Session* session);

    const QString& configPath() const { return configPath_; }

    // Protected tables are read without a password (the key is in the header);
    // the registered passwords are kept as the host registers them, and nothing checks them.
    void AddPassword(const QString& password);
    const QStringList& passwords() const { return passwords_; }

    // The alias's parameters as NAME=VALUE lines in file order (alias names in any
    // letter case; parameter names in capitals, blanks around name and value dropped). Throws
    // base::EngineError naming the alias and the configuration file when unknown.
    QStringList GetAliasParams(const QString& alias) const;
    // The PATH= directory of the alias (the last line containing "PATH=" wins); a
    // relative one is taken against the directory the session was made in (the
    // program's start directory), whatever the current directory is now, and so
    // is a missing or empty one: it names the start directory itself.
    QString aliasDirectory(const QString& alias) const;

    // Used by Table: the shared state of the table file at path, loaded or made on
    // first use and kept for the session's life.
    std::shared_ptr<SharedTable> sharedTable(const QString& canonicalPath);
    void forgetTable(const QString& canonicalPath);

private:
    QString configPath_;
    QString startDirectory_;
    QString configProblem_; // why the alias file was not read whole; empty when it was
    QStringList passwords_;
    std::map<QString, QStringList> aliases_; // upper-case alias name -> lines
    std::map<QString, std::shared_ptr<SharedTable>> tables_;
};

} // namespace store
