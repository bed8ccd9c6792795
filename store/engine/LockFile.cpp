#include "store/engine/LockFile.h"

#include "base/AtomicFile.h"
#include "store/engine/TableLockRecord.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::detail {
namespace {

bool locksStayOnOneMachine = false;

struct flock RangeLock(short type, LockRange range)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = range.start;
    lock.l_len = range.length;
    return lock;
}

// A new file beside path, named as no one else's file is; its descriptor, or -1 with errno set.
int MakeFileBeside(const QByteArray& path, QByteArray& made)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray directory = slash < 0 ? QByteArray() : path.left(slash + 1);
    for (int attempt = 0; attempt < 10; ++attempt) {
        made = directory + base::TemporaryName(QStringLiteral("lck"), QRandomGenerator::system()->generate64());
        const int fd = ::open(made.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

LockRange SharedSlot()
{
    // Far past any record, and one of 2^40 bytes: two shared holds meet on one byte next to never.
    return {off_t(1) << 32 | off_t(QRandomGenerator::system()->generate64() & ((quint64(1) << 40) - 1)), 1};
}

LockResult TrySetLock(int fd, short type, LockRange range)
{
    if (locksStayOnOneMachine)
        return LockResult::Granted;
    struct flock lock = RangeLock(type, range);
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return LockResult::Granted;
    return errno == EAGAIN || errno == EACCES ? LockResult::Refused : LockResult::Failed;
}

WriteLockHolder WriteLockIn(int fd, LockRange range)
{
    // Asking whether a read lock could be set finds only the write locks in its way.
    struct flock lock = RangeLock(F_RDLCK, range);
    if (locksStayOnOneMachine || ::fcntl(fd, F_OFD_GETLK, &lock) != 0 || lock.l_type == F_UNLCK)
        return {};
    return {true, lock.l_pid > 0 ? lock.l_pid : -1};
}

QString ProcessName(pid_t pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return PrintableLockText(comm.read(64));
}

bool ReplaceLockFile(const QByteArray& path)
{
    QByteArray made;
    const int fd = MakeFileBeside(path, made);
    if (fd < 0)
        return false;
    ::close(fd);
    if (::rename(made.constData(), path.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(made.constData());
    errno = error;
    return false;
}

qint64 ServerAgeOf(int fd, const QByteArray& path)
{
    struct stat lock {};
    if (::fstat(fd, &lock) != 0)
        return std::numeric_limits<qint64>::max();
    QByteArray made;
    const int probe = MakeFileBeside(path, made);
    struct stat now {};
    if (probe >= 0) {
        const bool known = ::fstat(probe, &now) == 0;
        ::unlink(made.constData());
        ::close(probe);
        if (known)
            return qint64(now.st_mtim.tv_sec) - qint64(lock.st_mtim.tv_sec);
    }
    return LockClockNow() - qint64(lock.st_mtim.tv_sec);
}

void SimulateLocksStayingOnOneMachine(bool simulated)
{
    locksStayOnOneMachine = simulated;
}

} // namespace store::detail
