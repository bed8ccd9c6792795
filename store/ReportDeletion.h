#pragma once

#include <sys/stat.h>

#include <QString>
#include <QDateTime>
#include <functional>
#include <optional>

namespace store {

// A report file as the listing saw it, told by its file's identity and times
// alone (the listing reads only its first lines): another file put in its
// place, or a write to it, changes the stamp.
struct ReportStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const ReportStamp&) const = default;

    QDateTime modified() const { return QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000); }
};

// The stamp of a file of that status.
ReportStamp StampOf(const struct stat& info);

// The stamp of the file named fileName in the directory open as directoryFd
// (a link followed, as reading it follows it); none when nothing is there.
std::optional<ReportStamp> StampAt(int directoryFd, const char* fileName);

// Asked when the report to delete is no longer the version listed: true to
// delete what is there now.
using DeleteQuestion = std::function<bool(const ReportStamp& now)>;

enum class Deletion { Deleted, Kept, Failed };

// Deletes the report file at path when it is the version listed, asking
// before a changed one is deleted (a change made while the question is open is
// asked about again). Failed (errno set) when it cannot be deleted or is gone.
// What is left between the last look and the removal is the one system call.
Deletion DeleteReport(const QString& path, ReportStamp listed, const DeleteQuestion& ask);

} // namespace store
