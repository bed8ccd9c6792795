#include "store/ReportDirectory.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "store/ReportNames.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

namespace store {

namespace {

// Appends the sort key of description to keys: the text in the host's character
// codes with a to z folded into capitals, so plain byte order is the listing's
// order. The text was decoded from Windows-1252, so it always encodes.
void AppendSortKey(const QString& description, QByteArray& keys)
{
    const qsizetype start = keys.size();
    keys.resize(start + description.size()); // one byte a character
    char* out = keys.data() + start;
    for (const QChar c : description) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            *out++ = char(u - (u'a' - u'A'));
        else if (u < 0x80)
            *out++ = char(u);
        else
            *out++ = EncodeCp1252(QString(c)).value().front();
    }
}

bool HasReportExtension(const char* name)
{
    const std::size_t length = std::strlen(name);
    return length >= 4 && ::strcasecmp(name + length - 4, ".rpt") == 0;
}

// A name read from the directory; plain ASCII, as report names are, needs no converter.
QString FileName(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (std::all_of(name, name + length, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(name, qsizetype(length));
    return base::FileNameText(name);
}

// The directory being listed, held open while its reports are read.
class OpenDirectory {
public:
    explicit OpenDirectory(const QString& path)
    {
        if (QFileInfo(path).isReadable())
            dir_ = ::opendir(base::FileNameBytes(path).constData());
        if (!dir_)
            throw base::FileError(QCoreApplication::translate(
                                      "ReportFile", "Cannot list the report files in %1: the directory cannot be read.")
                                      .arg(path));
    }
    ~OpenDirectory() { ::closedir(dir_); }
    OpenDirectory(const OpenDirectory&) = delete;
    OpenDirectory& operator=(const OpenDirectory&) = delete;

    int fd() const { return ::dirfd(dir_); }

    // The next entry named "*.rpt" in any letter case, hidden ones included,
    // that is a file or a link to one; null at the end. Only links and entries
    // of unknown kind cost a look at the file.
    const dirent* nextReport()
    {
        while (const dirent* entry = ::readdir(dir_)) {
            if (!HasReportExtension(entry->d_name))
                continue;
            bool isFile = entry->d_type == DT_REG;
            if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                struct stat info {};
                isFile = ::fstatat(fd(), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
            }
            if (isFile)
                return entry;
        }
        return nullptr;
    }

private:
    DIR* dir_ = nullptr;
};

// A report of the listing before sorting; its sort key lies in an array shared
// by all, so that sorting reads little memory.
struct Row {
    qsizetype keyStart;
    qsizetype keyLength;
    ReportEntry entry;
};

// The report files of directory, in the order the directory gives them (sorted: by their names' bytes).
enum class WalkOrder { AsRead, ByName };
void WalkReports(const QString& directory, WalkOrder order, const std::function<void(const DirectoryEntry&)>& visit)
{
    OpenDirectory dir(directory);
    std::vector<std::string> names;
    while (const dirent* entry = dir.nextReport())
        names.emplace_back(entry->d_name);
    if (order == WalkOrder::ByName)
        std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        visit(DirectoryEntry{dir.fd(), name.c_str(), directory});
}

} // namespace

ReportListing ListReports(const QString& directory, ListingLines lines, const ReportCheck& check)
{
    std::vector<Row> rows;
    QByteArray keys;
    ReportListing listing;
    // The files are read in the directory's order: the one sort is of the rows.
    std::vector<std::pair<std::string, QString>> unreadable;
    WalkReports(directory, WalkOrder::AsRead, [&](const DirectoryEntry& entry) {
        try {
            // The stamp is the opened file's, which its reader asked for anyway: no second look by its name.
            struct stat opened {};
            ReportHead head = ReadReportHeadLines(entry, lines == ListingLines::WithFieldCount, &opened);
            const ReportStamp stamp = StampOf(opened);
            if (check)
                check(head, entry);
            const QString fileName = FileName(entry.fileName);
            const qsizetype keyStart = keys.size();
            AppendSortKey(head.description, keys);
            rows.push_back({keyStart, keys.size() - keyStart,
                            {std::move(head.description), std::move(head.typeLine), LowerAZ(fileName), fileName,
                             head.fieldCount, stamp}});
        } catch (const base::Error& e) {
            unreadable.emplace_back(entry.fileName, e.text());
        }
    });
    std::sort(unreadable.begin(), unreadable.end());
    for (const auto& [name, text] : unreadable)
        listing.unreadable << text;
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&rows, &keys](std::size_t a, std::size_t b) {
        const Row& x = rows[a];
        const Row& y = rows[b];
        const int common = std::memcmp(keys.constData() + x.keyStart, keys.constData() + y.keyStart,
                                       std::size_t(std::min(x.keyLength, y.keyLength)));
        if (common != 0)
            return common < 0;
        if (x.keyLength != y.keyLength)
            return x.keyLength < y.keyLength;
        // Names that differ only in their letters' case are told apart by their names on disk.
        if (x.entry.name != y.entry.name)
            return x.entry.name < y.entry.name;
        return x.entry.fileName != y.entry.fileName ? x.entry.fileName < y.entry.fileName : a < b;
    });
    listing.reports.reserve(rows.size());
    for (std::size_t row : order)
        listing.reports.push_back(std::move(rows[row].entry));
    return listing;
}

void ForEachReportFile(const QString& directory, const std::function<void(const DirectoryEntry&)>& visit)
{
    WalkReports(directory, WalkOrder::ByName, visit);
}

} // namespace store
