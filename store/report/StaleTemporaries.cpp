#include "store/report/StaleTemporaries.h"

#include "base/AtomicFile.h"
#include "base/DirectoryNames.h"
#include "base/Paths.h"
#include "store/paradox/PxBlobFile.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

constexpr std::time_t kLeftoverAge = 60 * 60;

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

// The temporaries in directory of files with any of the extensions suffixes.
void RemoveStale(const QString& directory, const QStringList& suffixes, std::time_t minimumAge)
{
    const std::shared_ptr<const base::DirectoryNames> names = base::ReadDirectory(directory);
    for (qsizetype i = 0; i < names->size(); ++i) {
        const QByteArrayView name = names->name(i);
        if (base::MayBeTemporaryName(name) && std::any_of(suffixes.begin(), suffixes.end(),
                        [&](const QString& suffix) { return base::IsTemporaryName(name, suffix); }))
            RemoveIfStale(names->fd(), name.data(), minimumAge);
    }
}

} // namespace

void RemoveStaleTableTemporaries(const QString& tablePath)
{
    const QFileInfo table(tablePath);
    RemoveStale(table.path(), {table.suffix(), QFileInfo(px::mb::memoPathFor(tablePath)).suffix()}, 0);
}

void RemoveStaleReportTemporaries(const QString& directory)
{
    RemoveStale(directory, {QStringLiteral("rpt")}, kLeftoverAge);
}

void RemoveStaleLockProbes(const QString& directory)
{
    RemoveStale(directory, {QStringLiteral("lck")}, kLeftoverAge);
}

} // namespace store
