#pragma once

#include "store/report/ReportReader.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

// The first lines of the report at path as the listing reads them: by its name
// within its directory held open.
inline store::ReportHead ListedHead(const QString& path)
{
    const QFileInfo file(path);
    const int directory = ::open(QFile::encodeName(file.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QByteArray name = QFile::encodeName(file.fileName());
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{directory};
    return store::ReadReportHeadLines(store::DirectoryEntry{directory, name.constData(), file.absolutePath()});
}
