#include "store/engine/TableLock.h"

#include "base/EngineError.h"
#include "store/report/StaleTemporaries.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::detail {
namespace {

[[noreturn]] void busy(const QString& tablePath)
{
    throw base::EngineError(
        QStringLiteral("Table is busy: %1\nAnother program or session has it open.").arg(tablePath));
}

[[noreturn]] void failed(const QString& what, const QString& path, int error)
{
    throw base::EngineError(
        QStringLiteral("%1: %2\n%3").arg(what, path, QString::fromLocal8Bit(std::strerror(error))));
}

// Sets (or with F_UNLCK clears) the lock over the whole file; false when another holder conflicts.
bool setLock(int fd, short type, const QString& lockPath)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return true;
    if (errno == EAGAIN || errno == EACCES)
        return false;
    failed(QStringLiteral("Cannot lock"), lockPath, errno);
}

// Opens the lock file without following a link and without waiting on a pipe;
// anything but a regular file there is refused, naming it. -1 with errno set when
// there is nothing to open.
int openLockFile(const QString& lockPath, const QByteArray& path, int flags)
{
    const int fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info {};
    if (fd < 0 && errno != ELOOP)
        return -1;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        return fd;
    if (fd >= 0)
        ::close(fd);
    throw base::EngineError(QStringLiteral("Cannot use the lock file %1: it is a symbolic link or not a regular "
                                           "file, which this program never makes. Remove it and start again.")
                                .arg(lockPath));
}

} // namespace

TableLock::TableLock(QString tablePath)
    : tablePath_(std::move(tablePath)), lockPath_(lockPathOf(tablePath_))
{
}

TableLock::~TableLock()
{
    release();
}

QString TableLock::lockPathOf(const QString& tablePath)
{
    return tablePath + QStringLiteral(".lock");
}

void TableLock::release()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the description drops its lock
    fd_ = -1;
    writable_ = false;
    level_ = Level::None;
}

void TableLock::hold(Level level)
{
    if (level == level_)
        return;
    if (level == Level::None) {
        release();
        return;
    }
    const QByteArray path = QFile::encodeName(lockPath_);
    if (level == Level::Exclusive) {
        if (fd_ >= 0 && !writable_) {
            // A write lock needs a description open for writing: give up the read-only one first.
            release();
        }
        if (fd_ < 0) {
            const int fd = openLockFile(lockPath_, path, O_RDWR | O_CREAT);
            if (fd < 0)
                failed(QStringLiteral("Cannot create the lock file"), lockPath_, errno);
            if (!setLock(fd, F_WRLCK, lockPath_)) {
                ::close(fd);
                busy(tablePath_);
            }
            fd_ = fd;
            writable_ = true;
        } else if (!setLock(fd_, F_WRLCK, lockPath_)) {
            busy(tablePath_);
        }
        level_ = Level::Exclusive;
        // Nobody else writes the table now: what a killed writer left can go.
        RemoveStaleTableTemporaries(tablePath_);
        return;
    }
    // Shared: from an exclusive hold the lock is converted in place; otherwise only
    // an existing lock file is locked.
    if (fd_ >= 0) {
        if (!setLock(fd_, F_RDLCK, lockPath_))
            busy(tablePath_);
        level_ = Level::Shared;
        return;
    }
    int fd = openLockFile(lockPath_, path, O_RDWR);
    bool writable = fd >= 0;
    if (fd < 0 && errno != ENOENT)
        fd = openLockFile(lockPath_, path, O_RDONLY);
    if (fd < 0) {
        if (errno != ENOENT)
            failed(QStringLiteral("Cannot open the lock file"), lockPath_, errno);
        level_ = Level::Shared; // nobody can hold a table exclusively without the lock file
        return;
    }
    if (!setLock(fd, F_RDLCK, lockPath_)) {
        ::close(fd);
        busy(tablePath_);
    }
    fd_ = fd;
    writable_ = writable;
    level_ = Level::Shared;
}

} // namespace store::detail

