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

const ReportVersion Unreadable{-1, {}};

ReportChange::Kind KindOf(const std::optional<ReportVersion>& known, const std::optional<ReportVersion>& now)
{
    if (known == now)
        return ReportChange::Kind::None;
    if (!now)
        return ReportChange::Kind::Deleted;
    return known ? ReportChange::Kind::Changed : ReportChange::Kind::Appeared;
}

} // namespace

ReportVersion VersionOfBytes(const QByteArray& bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, ReportHashAlgorithm)};
}

ReportVersion VersionOfRest(int fd, qint64 size, QCryptographicHash& hash, qint64 hashed)
{
    std::array<char, 16384> chunk;
    while (hashed < size) {
        const ssize_t got = ::read(fd, chunk.data(), size_t(std::min<qint64>(size - hashed, qint64(chunk.size()))));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {size, {}};
        hash.addData(QByteArrayView(chunk.data(), got));
        hashed += got;
    }
    return {size, hashed == size ? hash.result() : QByteArray()};
}

ReportChange ChangeSince(const QString& path, const std::optional<ReportVersion>& known)
{
    const QByteArray name = base::FileNameBytes(path);
    struct stat info {};
    ReportChange change;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (::lstat(name.constData(), &info) == 0) { // a dangling link takes the name too
            change.now = Unreadable;
            change.modified = ModifiedOf(info);
        }
    } else {
        change.now = Unreadable;
        if (::fstat(fd, &info) == 0) {
            change.modified = ModifiedOf(info);
            if (S_ISREG(info.st_mode)) {
                QCryptographicHash hash(ReportHashAlgorithm);
                change.now = VersionOfRest(fd, info.st_size, hash, 0);
            }
        }
        ::close(fd);
    }
    change.kind = KindOf(known, change.now);
    return change;
}

} // namespace store
