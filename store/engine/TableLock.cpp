#include "TableLock.h"

#include "EngineError.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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
            const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
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
    int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    bool writable = fd >= 0;
    if (fd < 0 && errno != ENOENT)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
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

