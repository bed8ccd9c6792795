#include "store/ReportDeletion.h"

#include "base/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

std::optional<ReportStamp> StampAt(int directoryFd, const char* fileName)
{
    struct stat info {};
    if (::fstatat(directoryFd, fileName, &info, 0) != 0)
        return std::nullopt;
    return StampOf(info);
}

ReportStamp StampOf(const struct stat& info)
{
    return ReportStamp{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                       qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                       qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

Deletion DeleteReport(const QString& path, ReportStamp listed, const DeleteQuestion& ask)
{
    const QByteArray name = base::FileNameBytes(path);
    for (;;) {
        const std::optional<ReportStamp> now = StampAt(AT_FDCWD, name.constData());
        if (!now) {
            errno = ENOENT;
            return Deletion::Failed;
        }
        if (*now == listed)
            return ::unlink(name.constData()) == 0 ? Deletion::Deleted : Deletion::Failed;
        if (!ask(*now))
            return Deletion::Kept;
        listed = *now;
    }
}

} // namespace store
