#include "store/engine/TableLock.h"

#include "base/EngineError.h"
#include "store/report/StaleTemporaries.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::detail {
namespace {

bool locksStayOnOneMachine = false;
std::function<void()> betweenOpenAndLock;

// Attempts to lock a lock file that others keep removing before giving up.
constexpr int LockAttempts = 20;

// The record in the lock file, read through the locked description.
LockRecord readRecord(int fd)
{
    QByteArray bytes(4096, '\0');
    const ssize_t got = ::pread(fd, bytes.data(), std::size_t(bytes.size()), 0);
    bytes.resize(got > 0 ? got : 0);
    return LockRecord::parse(bytes);
}

[[noreturn]] void busy(const QString& tablePath, const LockRecord& holder)
{
    QString text = QCoreApplication::translate("Engine", "Table is busy: %1\nAnother program or session has it open.")
                       .arg(tablePath);
    if (holder.holderMayBeAlive())
        text += QStringLiteral("\n\n") + holder.busyText();
    throw base::EngineError(text);
}

// what: marked for translation, so that error is read before anything else runs.
[[noreturn]] void failed(const char* what, const QString& path, int error)
{
    throw base::EngineError(
        QStringLiteral("%1: %2\n%3")
            .arg(QCoreApplication::translate("Engine", what), path, QString::fromLocal8Bit(std::strerror(error))));
}

// Sets (or with F_UNLCK clears) the lock over the whole file; false when another
// holder conflicts, -1 with errno for other failures.
int trySetLock(int fd, short type)
{
    if (locksStayOnOneMachine)
        return 1;
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return 1;
    return errno == EAGAIN || errno == EACCES ? 0 : -1;
}

bool setLock(int fd, short type, const QString& lockPath)
{
    const int result = trySetLock(fd, type);
    if (result < 0)
        failed(QT_TRANSLATE_NOOP("Engine", "Cannot lock"), lockPath, errno);
    return result == 1;
}

// The name still leads to the regular file open at fd.
bool sameFile(int fd, const QByteArray& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Someone else's recent record in a file whose lock we were granted: on a mount
// whose locks stay on one machine, that holder is still at work.
bool heldElsewhere(const LockRecord& record)
{
    return record.valid() && !record.thisProcess() && record.recent(QDateTime::currentSecsSinceEpoch()) &&
           record.holderMayBeAlive();
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
    throw base::EngineError(QCoreApplication::translate("Engine",
                                                        "Cannot use the lock file %1: it is a symbolic link or "
                                                        "not a regular file, which this program never makes. "
                                                        "Remove it and start again.")
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

void TableLock::setLocksStayOnOneMachine(bool simulated)
{
    locksStayOnOneMachine = simulated;
}

void TableLock::release()
{
    refresh_.reset();
    if (fd_ >= 0)
        ::close(fd_); // closing the description drops its lock
    fd_ = -1;
    writable_ = false;
    level_ = Level::None;
}

void TableLock::setBetweenOpenAndLock(std::function<void()> step)
{
    betweenOpenAndLock = std::move(step);
}

void TableLock::removeLockFileIfFree(const QString& tablePath)
{
    const QString lockPath = lockPathOf(tablePath);
    const QByteArray path = QFile::encodeName(lockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    // Removed only while locked here, so that nobody holds the removed file.
    if (trySetLock(fd, F_WRLCK) == 1 && sameFile(fd, path) && !heldElsewhere(readRecord(fd)))
        ::unlink(path.constData());
    ::close(fd);
}

// Opens and locks the lock file, trying again while the name leads to another
// file than the one locked (its holder removed it meanwhile). -1 with errno set
// when there is nothing to open; throws when another holder is in the way.
int TableLock::lockFile(const QByteArray& path, int flags, short type)
{
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        const int fd = openLockFile(lockPath_, path, flags);
        if (fd < 0)
            return -1;
        if (const std::function<void()> step = betweenOpenAndLock) // a copy: the step may replace itself
            step();
        bool locked = false;
        try {
            locked = setLock(fd, type, lockPath_);
        } catch (...) {
            ::close(fd);
            throw;
        }
        const LockRecord holder = readRecord(fd);
        if (locked && sameFile(fd, path)) {
            if (!heldElsewhere(holder))
                return fd;
            locked = false;
        }
        ::close(fd);
        if (!locked)
            busy(tablePath_, holder);
    }
    failed(QT_TRANSLATE_NOOP("Engine", "Cannot lock"), lockPath_, EAGAIN);
}

void TableLock::writeRecord()
{
    const QByteArray bytes = record_.serialize();
    // Written over the old record, then cut to length, so that a reader never meets an empty file. The record
    // only informs and guards: the lock holds without it, so a failure to write it is let be.
    if (::pwrite(fd_, bytes.constData(), std::size_t(bytes.size()), 0) == bytes.size())
        [[maybe_unused]] const int cut = ::ftruncate(fd_, bytes.size());
}

bool TableLock::stillOurs() const
{
    return level_ == Level::Exclusive && sameFile(fd_, QFile::encodeName(lockPath_)) &&
           readRecord(fd_).token == record_.token;
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
            const int fd = lockFile(path, O_RDWR | O_CREAT, F_WRLCK);
            if (fd < 0)
                failed(QT_TRANSLATE_NOOP("Engine", "Cannot create the lock file"), lockPath_, errno);
            fd_ = fd;
            writable_ = true;
        } else if (!setLock(fd_, F_WRLCK, lockPath_)) {
            busy(tablePath_, readRecord(fd_));
        }
        level_ = Level::Exclusive;
        record_ = LockRecord::ofThisProcess();
        writeRecord();
        if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
            refresh_ = std::make_unique<QTimer>();
            QObject::connect(refresh_.get(), &QTimer::timeout, [this] {
                record_.seen = QDateTime::currentSecsSinceEpoch();
                writeRecord();
            });
            refresh_->start(LockRefreshSeconds * 1000);
        }
        // Nobody else writes the table now: what a killed writer left can go.
        RemoveStaleTableTemporaries(tablePath_);
        return;
    }
    // Shared: from an exclusive hold the lock is converted in place; otherwise only
    // an existing lock file is locked.
    refresh_.reset();
    if (fd_ >= 0) {
        if (!setLock(fd_, F_RDLCK, lockPath_))
            busy(tablePath_, readRecord(fd_));
        level_ = Level::Shared;
        return;
    }
    int fd = lockFile(path, O_RDWR, F_RDLCK);
    bool writable = fd >= 0;
    if (fd < 0 && errno != ENOENT)
        fd = lockFile(path, O_RDONLY, F_RDLCK);
    if (fd < 0) {
        if (errno != ENOENT)
            failed(QT_TRANSLATE_NOOP("Engine", "Cannot open the lock file"), lockPath_, errno);
        level_ = Level::Shared; // nobody can hold a table exclusively without the lock file
        return;
    }
    fd_ = fd;
    writable_ = writable;
    level_ = Level::Shared;
}

} // namespace store::detail
