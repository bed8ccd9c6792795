#include "store/engine/Session.h"

#include "base/EngineError.h"
#include "store/engine/SharedTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {
namespace {

Session* installedSession = nullptr;

// The alias file's text as it stands, or why it was not read: only a regular
// file is read (a pipe is opened without waiting on a writer and refused), and
// only its first MaxAliasFileBytes, up to the last line end within them. A
// missing file is no problem: it holds no aliases.
struct AliasFileText {
    QByteArray bytes;
    QString problem;
};

AliasFileText ReadAliasFile(const QString& path)
{
    AliasFileText text;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error != ENOENT)
            text.problem = QCoreApplication::translate("Engine", "The alias file %1 cannot be read: %2.")
                               .arg(path, QString::fromLocal8Bit(std::strerror(error)));
        return text;
    }
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        text.problem =
            QCoreApplication::translate("Engine", "The alias file %1 is not a regular file, so it was not read.")
                .arg(path);
    } else if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        text.bytes = file.read(Session::MaxAliasFileBytes + 1);
        if (text.bytes.size() > Session::MaxAliasFileBytes) {
            text.bytes.truncate(text.bytes.lastIndexOf('\n', Session::MaxAliasFileBytes - 1) + 1);
            text.problem = QCoreApplication::translate(
                               "Engine", "The alias file %1 is larger than %2 bytes; only its lines within "
                                         "them were read.")
                               .arg(path, QString::number(Session::MaxAliasFileBytes));
        }
        return text;
    }
    ::close(fd);
    return text;
}

} // namespace

Session::Session(QString configPath) : configPath_(std::move(configPath)), startDirectory_(QDir::currentPath())
{
    const AliasFileText text = ReadAliasFile(configPath_);
    configProblem_ = text.problem;
    QString section;
    for (const QString& untrimmed : QString::fromUtf8(text.bytes).split(u'\n')) {
        const QString line = untrimmed.trimmed();
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
    // TABREP_ALIASES names an alias file of its own (the demo's), so the rest of
    // the user's configuration stays in force.
    const QString own = qEnvironmentVariable("TABREP_ALIASES");
    if (!own.isEmpty())
        return QDir(QDir::currentPath()).absoluteFilePath(own);
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
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Unknown database alias: %1\n%3"
                                                  "Define it in %2 as:\n[%1]\nPATH=<directory>")
                .arg(alias, configPath_, configProblem_.isEmpty() ? QString() : configProblem_ + u'\n'));
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
