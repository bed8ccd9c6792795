#include "AtomicFile.h"

#include "EngineError.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

// The failing step's errno, carried to the one place that words the message.
struct SystemFailure {
    int error;
};

[[noreturn]] void Fail()
{
    throw SystemFailure{errno};
}

QString ResolvedTarget(const QString& path)
{
    const QFileInfo info(QDir::current(), path);
    // Replace what a symbolic link points at, not the link itself.
    if (info.isSymLink() && info.exists())
        return info.canonicalFilePath();
    return info.absoluteFilePath();
}

// Creates a new file beside target with a name no report listing matches;
// tempPath is set only when the file was made.
int CreateTemporary(const QString& target, QByteArray& tempPath)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QStringLiteral(".%1.%2.tmp")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const QByteArray candidate = QFile::encodeName(info.dir().filePath(name));
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            tempPath = candidate;
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail();
        }
        data += written;
        left -= written;
    }
}

void KeepPermissions(int fd, const QByteArray& target)
{
    struct stat old {};
    if (::stat(target.constData(), &old) != 0) {
        if (errno == ENOENT)
            return;
        Fail();
    }
    if (S_ISDIR(old.st_mode)) {
        errno = EISDIR;
        Fail();
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        Fail();
}

// Makes the rename itself durable. The new file is in place already, so a
// failure here is no reason to report the write as failed.
void SyncDirectory(const QByteArray& target)
{
    const QByteArray directory = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind)
{
    const QString target = ResolvedTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    QByteArray tempPath;
    int fd = -1;
    try {
        fd = CreateTemporary(target, tempPath);
        if (fd < 0)
            Fail();
        KeepPermissions(fd, targetName);
        WriteAll(fd, bytes);
        if (::fsync(fd) != 0)
            Fail();
        const int closing = fd;
        fd = -1;
        if (::close(closing) != 0)
            Fail();
        if (::rename(tempPath.constData(), targetName.constData()) != 0)
            Fail();
    } catch (const SystemFailure& failure) {
        if (fd >= 0)
            ::close(fd);
        if (!tempPath.isEmpty())
            ::unlink(tempPath.constData());
        throw base::EngineError(QStringLiteral("Cannot write %1 %2: %3")
                                    .arg(kind, target, QString::fromLocal8Bit(std::strerror(failure.error))));
    }
    SyncDirectory(targetName);
}

} // namespace store
