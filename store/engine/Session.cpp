#include "store/engine/Session.h"

#include "base/EngineError.h"
#include "store/engine/SharedTable.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace store {
namespace {

Session* installedSession = nullptr;

} // namespace

Session::Session(QString configPath) : configPath_(std::move(configPath)), startDirectory_(QDir::currentPath())
{
    QFile file(configPath_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    QString section;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed().toUpper();
            aliases_[section];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section.isEmpty() || equals <= 0)
            continue;
        aliases_[section] << line.left(equals).trimmed().toUpper() + u'=' + line.mid(equals + 1).trimmed();
    }
}

Session::~Session() = default;

QString Session::defaultConfigPath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/tabulon/aliases.ini");
}

Session& Session::defaultSession()
{
    if (installedSession)
        return *installedSession;
    static Session own(defaultConfigPath());
    return own;
}

void Session::setDefaultSession(Session* session)
{
    installedSession = session;
}

void Session::AddPassword(const QString& password)
{
    passwords_ << password;
}

QStringList Session::GetAliasParams(const QString& alias) const
{
    const auto found = aliases_.find(alias.trimmed().toUpper());
    if (found == aliases_.end())
        throw base::EngineError(QStringLiteral("Unknown database alias: %1\n"
                                               "Define it in %2 as:\n[%1]\nPATH=<directory>")
                                    .arg(alias, configPath_));
    return found->second;
}

QString Session::aliasDirectory(const QString& alias) const
{
    QString directory;
    for (const QString& line : GetAliasParams(alias))
        if (line.contains(QStringLiteral("PATH=")))
            directory = line.mid(5);
    if (directory.isEmpty())
        return startDirectory_;
    if (QDir::isAbsolutePath(directory))
        return directory;
    return QDir::cleanPath(QDir(startDirectory_).absoluteFilePath(directory));
}

std::shared_ptr<SharedTable> Session::sharedTable(const QString& canonicalPath)
{
    std::shared_ptr<SharedTable>& table = tables_[canonicalPath];
    if (!table)
        table = std::make_shared<SharedTable>(canonicalPath);
    return table;
}

void Session::forgetTable(const QString& canonicalPath)
{
    tables_.erase(canonicalPath);
}

} // namespace store
