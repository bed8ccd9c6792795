#include "base/AtomicFile.h"

#include "base/EngineError.h"
#include "base/Paths.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {

namespace {

// Makes the rename itself durable. The new file is in place already, so a
// failure here is no reason to report the write as failed.
void SyncDirectory(const QString& target)
{
    const QByteArray directory = base::FileNameBytes(QFileInfo(target).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool LockForWriting(int fd)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

} // namespace

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
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const QString name = QStringLiteral(".%1.%2.tmp")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const QByteArray candidate = base::FileNameBytes(base::JoinPath(info.path(), name));
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
    if (!isOpen())
        return failed(EBADF);
    // Renamed while still open, so the lock is held until the file has its name.
    if ((durable && ::fsync(handle()) != 0) || ::rename(temporaryBytes_.constData(), targetBytes_.constData()) != 0)
        return failed(errno);
    committed_ = true;
    close();
    if (durable)
        SyncDirectory(target_);
    return true;
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const auto fail = [&](const QString& why) {
        throw base::EngineError(QStringLiteral("Cannot write %1 %2: %3").arg(kind, target, why));
    };
    struct stat info {};
    if (::lstat(base::FileNameBytes(target).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        fail(QStringLiteral("it is a symbolic link, and the file it points to is left untouched."));
    ReplacementFile file(target);
    if (!file.create() || file.write(bytes) != bytes.size() || !file.commit())
        fail(file.errorString());
}

} // namespace base
