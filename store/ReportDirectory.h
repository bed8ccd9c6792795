#pragma once

#include "store/ReportDeletion.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace store {

struct DirectoryEntry;
struct ReportHead;

// One report of the listing: its first two lines and its name in small letters.
struct ReportEntry {
    QString description;
    QString typeWord;
    QString name;
    QString fileName; // as the directory holds it
    std::optional<int> fieldCount; // line 5, read only when the listing is asked for it
    ReportStamp stamp;             // the file as listed, taken before its lines were read
};

// What a listing reads of each report: its first two lines, or its first five
// for the number of its field records too.
enum class ListingLines { Heads, WithFieldCount };

struct ReportListing {
    std::vector<ReportEntry> reports;  // in the order of the listing
    QStringList unreadable;            // one message per report file that could not be read
};

// Looks at the lines a listing read of a report; throws base::Error to
// leave it out, named in unreadable by the text thrown. The listing reads on
// two threads at once, and calls it from both.
using ReportCheck = std::function<void(const ReportHead& head, const DirectoryEntry& entry)>;

// Lists the report files of directory: entries named "*.rpt" in any letter
// case, hidden ones included, directories and special files (pipes, devices)
// left out. Reads only the first two lines of each file (a large directory's
// halves on two threads where there are two cores). Sorted by description,
// the small letters a to z counting as capitals, character by character by
// their codes in the host's character set (Windows-1252), so an empty
// description comes first; equal descriptions by name. A file that cannot be
// read, or that check refuses, is named in unreadable (in the order of the
// names) and left out of reports. Throws base::FileError when the directory
// itself cannot be read.
ReportListing ListReports(const QString& directory, ListingLines lines = ListingLines::Heads,
                          const ReportCheck& check = {});

// Visits the report files that ListReports lists, in the order of their names
// on disk (by their bytes), each as an entry of the directory held open, so
// that it is opened by its name within it. Throws base::FileError when the
// directory cannot be read; what visit throws ends the walk.
void ForEachReportFile(const QString& directory, const std::function<void(const DirectoryEntry&)>& visit);

} // namespace store
