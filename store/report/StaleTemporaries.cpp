#include "store/report/StaleTemporaries.h"

#include "base/Paths.h"
#include "store/paradox/PxBlobFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

constexpr std::time_t kReportTemporaryAge = 60 * 60;

// Removes the entry name of the directory open as dirFd when it is a stale temporary file.
void RemoveIfStale(int dirFd, const char* name, std::time_t minimumAge)
{
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    struct stat named {};
    struct flock lock {};
    lock.l_type = F_RDLCK; // refused while the writer holds its write lock
    lock.l_whence = SEEK_SET;
    const bool stale = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)
                       && std::time(nullptr) - opened.st_mtime >= minimumAge && ::fcntl(fd, F_OFD_SETLK, &lock) == 0
                       && ::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0
                       && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev;
    if (stale)
        ::unlinkat(dirFd, name, 0);
    ::close(fd);
}

// Every name that names matches starts with one of prefixes, which a directory of
// thousands of reports rules out cheaply.
void RemoveStale(const QString& directory, const QList<QByteArray>& prefixes, const QRegularExpression& names,
                 std::time_t minimumAge)
{
    DIR* dir = ::opendir(base::FileNameBytes(directory.isEmpty() ? QStringLiteral(".") : directory).constData());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        const bool candidate = std::any_of(prefixes.begin(), prefixes.end(),
                                           [&](const QByteArray& prefix) { return name.startsWith(prefix); });
        if (candidate && names.match(base::FileNameText(entry->d_name)).hasMatch())
            RemoveIfStale(::dirfd(dir), entry->d_name, minimumAge);
    }
    ::closedir(dir);
}

} // namespace

void RemoveStaleTableTemporaries(const QString& tablePath)
{
    const QFileInfo table(tablePath);
    const QString memo = QFileInfo(px::mb::memoPathFor(tablePath)).fileName();
    const QString files = QStringLiteral("(?:%1|%2)").arg(QRegularExpression::escape(table.fileName()),
                                                          QRegularExpression::escape(memo));
    // Earlier versions added six random letters; a word a person might add
    // ("backup", "BACKUP", "Backup") is left alone.
    const QString earlier = QStringLiteral("(?![a-z]+$|[A-Z]+$|[A-Z][a-z]+$)[A-Za-z]{6}");
    const QRegularExpression names(
        QStringLiteral("^(?:\\.%1\\.[0-9a-f]{8}\\.tmp|%1\\.%2)$").arg(files, earlier));
    RemoveStale(table.path(), {QByteArrayLiteral("."), base::FileNameBytes(table.fileName()), base::FileNameBytes(memo)},
                names, 0);
}

void RemoveStaleReportTemporaries(const QString& directory)
{
    static const QRegularExpression names(QStringLiteral("^\\..+\\.rpt\\.[0-9a-f]{8}\\.tmp$"),
                                          QRegularExpression::CaseInsensitiveOption);
    RemoveStale(directory, {QByteArrayLiteral(".")}, names, kReportTemporaryAge);
}

} // namespace store
