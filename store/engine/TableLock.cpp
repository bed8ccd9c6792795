#include "store/engine/TableLock.h"

#include "base/EngineError.h"
#include "store/report/StaleTemporaries.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::detail {
namespace {

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

QString busyHeading(const QString& tablePath)
{
    return QCoreApplication::translate("Engine", "Table is busy: %1\nAnother program or session has it open.")
        .arg(tablePath);
}

// lockHolder: the write lock in the way, when one was found.
[[noreturn]] void busy(const QString& tablePath, const QString& lockPath, const LockRecord& holder,
                       const WriteLockHolder& lockHolder = {})
{
    QString text = busyHeading(tablePath);
    if (holder.holderMayBeAlive() && lockHolder.pid <= 0) {
        text += QStringLiteral("\n\n") + holder.busyText();
    } else if (lockHolder.found) {
        // This program only ever takes a description's lock, and leaves its record.
        const QString name = ProcessName(lockHolder.pid);
        text += QStringLiteral("\n\n") +
                (lockHolder.pid > 0
                     //: %1: the lock file; %2: a process number; %3: the program's name
                     ? QCoreApplication::translate("Engine", "The lock file %1 is locked by another program, not "
                                                             "by this one: process %2 (%3) on this computer.")
                           .arg(lockPath, QString::number(lockHolder.pid), name)
                     : QCoreApplication::translate("Engine", "The lock file %1 is locked by another program, or by "
                                                             "a copy of this one that left no record of its "
                                                             "holder in it.")
                           .arg(lockPath));
    }
    throw base::EngineError(text);
}

// The holder is gone and this account can neither write its lock file nor put a new one in its place.
[[noreturn]] void leftBehind(const QString& tablePath, const QString& lockPath, const LockRecord& holder, int error)
{
    const QString who =
        holder.valid()
            //: %1: a person's name, login, computer and process; %2: a date and time
            ? QCoreApplication::translate("Engine", "the copy of the program of %1, begun here on %2,")
                  .arg(holder.holderText(),
                       QLocale().toString(QDateTime::fromSecsSinceEpoch(holder.since), QLocale::ShortFormat))
            : QCoreApplication::translate("Engine", "a copy of the program");
    //: %1: the table; %2: who held it; %3: the lock file; %4: the system's reason
    throw base::EngineError(
        QCoreApplication::translate(
            "Engine", "Cannot take the table %1: %2 ended without closing, and this account can neither use nor "
                      "replace the lock file it left (%4). The folder's owner can remove %3; then start again.")
            .arg(tablePath, who, lockPath, QString::fromLocal8Bit(std::strerror(error))));
}

// what: marked for translation, so that error is read before anything else runs.
[[noreturn]] void failed(const char* what, const QString& path, int error)
{
    throw base::EngineError(
        QStringLiteral("%1: %2\n%3")
            .arg(QCoreApplication::translate("Engine", what), path, QString::fromLocal8Bit(std::strerror(error))));
}

// The name still leads to the regular file open at fd.
bool sameFile(int fd, const QByteArray& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && ::lstat(path.constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Someone else's recent record in the lock file open as fd: on a mount whose
// locks stay on one machine, that holder is still at work. Its age is told by
// the file server's clock, not by the time the record gives.
bool heldElsewhere(const LockRecord& record, int fd, const QByteArray& path)
{
    return record.valid() && !record.thisProcess() && record.holderMayBeAlive() &&
           record.recent(ServerAgeOf(fd, path));
}

// Opens the lock file without following a link and without waiting on a pipe;
// anything but a regular file there is refused, naming it. -1 with errno set when
// there is nothing to open or it may not be opened so.
int openLockFile(const QString& lockPath, const QByteArray& path, int flags)
{
    // Everyone the umask lets in may use it: in a shared folder, the group's members.
    const int fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
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
    SimulateLocksStayingOnOneMachine(simulated);
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
    // Removed only while no holder of this program locks it (a reader's lock does not count), so that nobody
    // holds the removed file.
    const LockResult locked = TrySetLock(fd, F_WRLCK, WholeFile);
    const bool free = locked == LockResult::Granted || (locked == LockResult::Refused && !WriteLockIn(fd, WholeFile).found);
    if (free && sameFile(fd, path) && !heldElsewhere(readRecord(fd), fd, path))
        ::unlink(path.constData());
    ::close(fd);
}

// Tries again while the name leads to another file than the one locked (its
// holder removed it meanwhile), and after putting a new lock file in place of
// one that only readers lock or this account cannot write while nobody holds it.
void TableLock::lockFile(Level level)
{
    const bool exclusive = level == Level::Exclusive;
    const QByteArray path = QFile::encodeName(lockPath_);
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        bool writable = true;
        int fd = openLockFile(lockPath_, path, exclusive ? O_RDWR | O_CREAT : O_RDWR);
        if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            const int refusal = errno;
            fd = openLockFile(lockPath_, path, O_RDONLY);
            if (fd < 0 && errno == ENOENT)
                errno = refusal; // no lock file, and none may be made here
            writable = false;
        }
        if (fd < 0) {
            if (!exclusive && errno == ENOENT)
                return; // nobody can hold a table exclusively without the lock file
            failed(exclusive ? QT_TRANSLATE_NOOP("Engine", "Cannot create the lock file")
                             : QT_TRANSLATE_NOOP("Engine", "Cannot open the lock file"),
                   lockPath_, errno);
        }
        if (const std::function<void()> step = betweenOpenAndLock) // a copy: the step may replace itself
            step();
        const LockResult locked = writable ? TrySetLock(fd, F_WRLCK, exclusive ? WholeFile : slot_)
                                           : LockResult::Refused;
        const int lockError = errno;
        const LockRecord holder = readRecord(fd);
        const WriteLockHolder inTheWay =
            locked == LockResult::Refused ? WriteLockIn(fd, exclusive ? WholeFile : HoldByte) : WriteLockHolder{};
        const bool held = inTheWay.found || heldElsewhere(holder, fd, path);
        const bool renamed = !sameFile(fd, path);
        if (locked == LockResult::Granted && !held && !renamed) {
            fd_ = fd;
            writable_ = true;
            return;
        }
        ::close(fd);
        if (locked == LockResult::Failed)
            failed(QT_TRANSLATE_NOOP("Engine", "Cannot lock"), lockPath_, lockError);
        if (renamed)
            continue;
        if (held)
            busy(tablePath_, lockPath_, holder, inTheWay);
        // Nobody holds the table: a reader's lock or this account's rights on the file are all that is in the way.
        if (!writable && !exclusive)
            return; // a reader needs no hold, and takes none
        if (!ReplaceLockFile(path))
            leftBehind(tablePath_, lockPath_, holder, errno);
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

void TableLock::refresh()
{
    if (!stillOurs()) {
        if (refresh_) // taken over while this copy slept: another's record is left as it is
            refresh_->stop();
        return;
    }
    record_.seen = LockClockNow();
    writeRecord();
}

bool TableLock::stillOurs() const
{
    return level_ == Level::Exclusive && sameFile(fd_, QFile::encodeName(lockPath_)) &&
           readRecord(fd_).token == record_.token;
}

void TableLock::hold(Level level, Sweep sweep)
{
    if (level == level_)
        return;
    if (level == Level::None) {
        release();
        return;
    }
    if (level == Level::Exclusive) {
        // A shared hold on this file moves up in place; otherwise (no hold, or none taken) the file is locked anew.
        const LockResult moved = fd_ >= 0 && writable_ ? TrySetLock(fd_, F_WRLCK, WholeFile) : LockResult::Failed;
        if (moved == LockResult::Refused)
            if (const WriteLockHolder inTheWay = WriteLockIn(fd_, WholeFile); inTheWay.found)
                busy(tablePath_, lockPath_, readRecord(fd_), inTheWay); // the shared hold stays
        if (moved != LockResult::Granted) {
            release();
            lockFile(Level::Exclusive);
        }
        level_ = Level::Exclusive;
        record_ = LockRecord::ofThisProcess();
        writeRecord();
        if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread()) {
            refresh_ = std::make_unique<QTimer>();
            QObject::connect(refresh_.get(), &QTimer::timeout, [this] { refresh(); });
            refresh_->start(LockRefreshSeconds * 1000);
        }
        // Nobody else writes the table now: what a killed writer left can go.
        if (sweep == Sweep::Now)
            RemoveStaleTableTemporaries(tablePath_);
        return;
    }
    // Shared: from an exclusive hold the lock shrinks in place to the slot; otherwise only an existing lock file
    // is locked.
    refresh_.reset();
    if (fd_ >= 0) {
        TrySetLock(fd_, F_WRLCK, slot_); // within the whole file's lock: granted
        TrySetLock(fd_, F_UNLCK, {0, slot_.start});
        TrySetLock(fd_, F_UNLCK, {slot_.start + 1, 0});
        level_ = Level::Shared;
        return;
    }
    lockFile(Level::Shared);
    writable_ = fd_ >= 0;
    level_ = Level::Shared;
}

} // namespace store::detail
