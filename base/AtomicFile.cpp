#include "base/AtomicFile.h"

#include "base/Error.h"
#include "base/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {

ReplaceHook& InstalledHook()
{
    static ReplaceHook hook;
    return hook;
}

SyncCall& InstalledSync()
{
    static SyncCall call;
    return call;
}

int Fsync(int fd)
{
    const SyncCall& call = InstalledSync();
    return call ? call(fd) : ::fsync(fd);
}

// Runs a step unless the installed hook fails it; -1 with errno set on failure.
template <typename Action>
int Step(ReplaceStep step, const QString& target, Action action)
{
    if (const ReplaceHook& hook = InstalledHook())
        if (const int error = hook(step, target)) {
            errno = error;
            return -1;
        }
    return action();
}

// Makes the rename itself durable. The new file is in place already, so a
// failure here is no reason to report the write as failed.
void SyncDirectory(const QString& target)
{
    Step(ReplaceStep::SyncDirectory, target, [&] {
        const QByteArray directory = base::FileNameBytes(QFileInfo(target).absolutePath());
        const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            Fsync(fd);
            ::close(fd);
        }
        return 0;
    });
}

// Puts from at to only where nothing is: a rename that does not replace; where
// the file system cannot do that, a hard link and the removal of from; where it
// has no hard links either, a last look and a rename. -1 with errno set
// (EEXIST: the name is taken).
int PlaceNew(const char* from, const char* to, const QString& target)
{
    if (Step(ReplaceStep::Rename, target, [&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); })
        == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    if (Step(ReplaceStep::Link, target, [&] { return ::link(from, to); }) == 0) {
        ::unlink(from); // the file has its name; the temporary one goes
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return -1;
    struct stat info {};
    if (::lstat(to, &info) == 0)
        errno = EEXIST;
    if (errno != ENOENT)
        return -1;
    return Step(ReplaceStep::Rename, target, [&] { return ::rename(from, to); });
}

bool LockForWriting(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

constexpr qsizetype kTemporaryDigits = 16;

// What follows the digits: the extension, when it is one to three letters or digits, and ".tmp".
QByteArray TemporaryTail(const QString& suffix)
{
    const bool plain = !suffix.isEmpty() && suffix.size() <= 3
                       && std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
                              return c.unicode() < 0x80 && c.isLetterOrNumber();
                          });
    return plain ? '.' + suffix.toLower().toLatin1() + ".tmp" : QByteArray(".tmp");
}

} // namespace

void SetReplaceHook(ReplaceHook hook)
{
    InstalledHook() = std::move(hook);
}

void SetSyncCall(SyncCall call)
{
    InstalledSync() = std::move(call);
}

QByteArray TemporaryName(const QString& suffix, quint64 number)
{
    return TemporaryPrefix + QByteArray::number(number, 16).rightJustified(kTemporaryDigits, '0')
           + TemporaryTail(suffix);
}

bool IsTemporaryName(QByteArrayView name, const QString& suffix)
{
    if (!MayBeTemporaryName(name))
        return false;
    const QByteArray tail = TemporaryTail(suffix);
    const qsizetype prefix = qsizetype(sizeof TemporaryPrefix) - 1;
    if (name.size() != prefix + kTemporaryDigits + tail.size() || !name.endsWith(tail))
        return false;
    const QByteArrayView digits = name.sliced(prefix, kTemporaryDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

ReplacementFile::ReplacementFile(const QString& target)
    : target_(target), targetBytes_(base::FileNameBytes(target))
{
    setFileName(target_);
}

ReplacementFile::~ReplacementFile()
{
    close();
    if (!committed_ && !temporaryBytes_.isEmpty())
        ::unlink(temporaryBytes_.constData());
}

bool ReplacementFile::failed(int error)
{
    error_ = error;
    setErrorString(QString::fromLocal8Bit(std::strerror(error)));
    return false;
}

qint64 ReplacementFile::writeData(const char* data, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t written = ::write(handle(), data + done, size_t(length - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            failed(errno);
            return done > 0 ? done : -1;
        }
        done += written;
    }
    return done;
}

bool ReplacementFile::create()
{
    const QFileInfo info(target_);
    const QByteArray directory = base::FileNameBytes(info.path()) + '/';
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const QByteArray candidate = directory + TemporaryName(info.suffix(), QRandomGenerator::global()->generate64());
        fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            temporaryBytes_ = candidate;
        else if (errno != EEXIST)
            return failed(errno);
    }
    if (fd < 0)
        return failed(EEXIST);
    // The lock tells a later clean-up that the file's writer is still at work.
    struct stat old {};
    int error = 0;
    if (!LockForWriting(fd))
        error = errno;
    else if (::lstat(targetBytes_.constData(), &old) != 0)
        error = errno == ENOENT ? 0 : errno;
    else if (S_ISDIR(old.st_mode))
        error = EISDIR;
    else if (S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        return failed(error);
    }
    if (!open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool ReplacementFile::commit(bool durable)
{
    return (!durable || sync()) && place(true, durable);
}

bool ReplacementFile::sync()
{
    if (!isOpen())
        return failed(EBADF);
    if (Step(ReplaceStep::SyncFile, target_, [this] { return Fsync(handle()); }) != 0)
        return failed(errno);
    return true;
}

bool ReplacementFile::place(bool replace, bool durable)
{
    if (!isOpen())
        return failed(EBADF);
    // Renamed while still open, so the lock is held until the file has its name.
    const char* from = temporaryBytes_.constData();
    const char* to = targetBytes_.constData();
    const int done = replace ? Step(ReplaceStep::Rename, target_, [&] { return ::rename(from, to); })
                             : PlaceNew(from, to, target_);
    if (done != 0)
        return failed(errno);
    committed_ = true;
    close();
    if (durable)
        SyncDirectory(target_);
    return true;
}

bool ReplacementFile::exchange()
{
    if (!isOpen())
        return failed(EBADF);
    const char* from = temporaryBytes_.constData();
    const char* to = targetBytes_.constData();
    if (Step(ReplaceStep::Exchange, target_,
             [&] { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE); }) != 0)
        return failed(errno);
    return true;
}

QString ReplacementFile::displaced() const
{
    return QFile::decodeName(temporaryBytes_);
}

void ReplacementFile::keepPlaced(bool durable)
{
    ::unlink(temporaryBytes_.constData()); // the displaced file
    committed_ = true;
    close();
    if (durable)
        SyncDirectory(target_);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind, const LastLook& lastLook,
                         const DisplacedCheck& displacedCheck)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const auto fail = [&](const QString& why) {
        //: %1: the kind of file, such as "report"; %2: its path; %3: the reason
        throw base::FileError(QCoreApplication::translate("Files", "Cannot write %1 %2: %3").arg(kind, target, why));
    };
    struct stat info {};
    if (::lstat(base::FileNameBytes(target).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        fail(QCoreApplication::translate(
                 "Files", "it is a symbolic link, and the file it points to is left untouched. Nothing was "
                          "written. To change it here, replace the link by a copy of %1.")
                 .arg(QFileInfo(target).symLinkTarget()));
    ReplacementFile file(target);
    if (!file.create() || file.write(bytes) != bytes.size() || !file.sync())
        fail(file.errorString());
    // A name taken again and again (a file system that says so and shows nothing) ends at last.
    for (int looks = 0; looks < 100; ++looks) {
        const Placing placing = lastLook ? lastLook() : Placing::Replace;
        if (placing == Placing::Abandon)
            return false;
        if (placing == Placing::Replace && displacedCheck) {
            if (file.exchange()) {
                if (displacedCheck(file.displaced())) {
                    file.keepPlaced();
                    return true;
                }
                if (!file.exchange()) // theirs back at its name, and looked at again
                    break;
                continue;
            }
            if (file.error() == ENOENT) // gone since the look: looked at again
                continue;
            if (file.error() != EINVAL && file.error() != ENOSYS)
                break;
        }
        if (file.place(placing == Placing::Replace))
            return true;
        if (placing == Placing::Replace || file.error() != EEXIST)
            break;
    }
    fail(file.errorString());
    return false;
}

} // namespace base
