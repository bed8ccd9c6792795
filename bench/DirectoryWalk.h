#pragma once

#include "base/EngineError.h"

#include <QFile>
#include <QString>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bench {

// The floors' walk through a directory: each regular file whose name accept
// takes is opened relative to the directory and, when the file opened is still
// a regular one (as a safe reader asks of every file it opens), its descriptor
// handed to read. Returns how many files were opened.
template <class Accept, class Read>
int forEachRegularFile(const QString& directory, Accept accept, Read read)
{
    DIR* dir = ::opendir(QFile::encodeName(directory).constData());
    if (!dir)
        throw base::EngineError(QStringLiteral("Cannot list %1").arg(directory));
    int opened = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_type != DT_REG || !accept(entry->d_name))
            continue;
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            read(fd);
        ::close(fd);
        ++opened;
    }
    ::closedir(dir);
    return opened;
}

} // namespace bench
