#include "store/report/ReportVersion.h"

#include "base/Paths.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

QDateTime ModifiedOf(const struct stat& info)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000);
}

// The hash of the first count bytes of the file open as fd; empty when fewer can be read.
QByteArray HashOfStart(int fd, qint64 count)
{
    QCryptographicHash hash(ReportHashAlgorithm);
    std::array<char, 16384> chunk;
    while (count > 0) {
        const ssize_t got = ::read(fd, chunk.data(), size_t(std::min<qint64>(count, qint64(chunk.size()))));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {};
        hash.addData(QByteArrayView(chunk.data(), got));
        count -= got;
    }
    return hash.result();
}

} // namespace

ReportVersion VersionOfBytes(const QByteArray& bytes)
{
    return {bytes.size(), bytes.size(), QCryptographicHash::hash(bytes, ReportHashAlgorithm)};
}

ReportChange ChangeSince(const QString& path, const ReportVersion& version)
{
    const QByteArray name = base::FileNameBytes(path);
    struct stat info {};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const bool gone = errno == ENOENT || ::lstat(name.constData(), &info) != 0;
        return gone ? ReportChange{ReportChange::Kind::Deleted, {}}
                    : ReportChange{ReportChange::Kind::Changed, ModifiedOf(info)};
    }
    ReportChange change{ReportChange::Kind::Changed, {}};
    if (::fstat(fd, &info) == 0) {
        change.modified = ModifiedOf(info);
        if (S_ISREG(info.st_mode) && info.st_size == version.size
            && HashOfStart(fd, version.hashedBytes) == version.hash)
            change.kind = ReportChange::Kind::None;
    }
    ::close(fd);
    return change;
}

} // namespace store
