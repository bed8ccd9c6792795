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
#include <exception>
#include <iterator>
#include <string>
#include <system_error>
#include <thread>
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

// A report's place in the listing's order: its sort key, which lies in an array shared by all so that
// sorting reads little memory, and its row, for equal keys.
struct Place {
    qsizetype keyStart;
    qsizetype keyLength;
    std::size_t row;
};

// Whether x comes before y in the listing; equal ones keep the directory's order, that of their rows.
bool Before(const std::vector<ReportEntry>& rows, const QByteArray& keys, const Place& x, const Place& y)
{
    const int common = std::memcmp(keys.constData() + x.keyStart, keys.constData() + y.keyStart,
                                   std::size_t(std::min(x.keyLength, y.keyLength)));
    if (common != 0)
        return common < 0;
    if (x.keyLength != y.keyLength)
        return x.keyLength < y.keyLength;
    // Names that differ only in their letters' case are told apart by their names on disk.
    const ReportEntry& a = rows[x.row];
    const ReportEntry& b = rows[y.row];
    if (a.name != b.name)
        return a.name < b.name;
    return a.fileName != b.fileName ? a.fileName < b.fileName : x.row < y.row;
}

// The names of the report files of directory, in the order the directory gives them, handed to use with
// the directory held open.
void WithReportNames(const QString& directory,
                     const std::function<void(int directoryFd, std::vector<std::string>& names)>& use)
{
    OpenDirectory dir(directory);
    std::vector<std::string> names;
    while (const dirent* entry = dir.nextReport())
        names.emplace_back(entry->d_name);
    use(dir.fd(), names);
}

// The reports of a part of the directory's names, read on a thread of their own: their rows, their places in
// the listing's order with the sort keys in an array of the part's own, and the files that could not be read,
// by name.
struct Part {
    std::vector<ReportEntry> rows;
    QByteArray keys;
    std::vector<Place> order;
    std::vector<std::pair<std::string, QString>> unreadable;
    std::exception_ptr failure; // what else a thread's reading threw
};

void ReadPart(const DirectoryEntry& directory, const std::string* first, const std::string* last, ListingLines lines,
              const ReportCheck& check, Part& part)
{
    try {
        for (const std::string* name = first; name != last; ++name) {
            const DirectoryEntry entry{directory.directoryFd, name->c_str(), directory.directory};
            try {
                // The stamp is the opened file's, which its reader asked for anyway: no second look by its name.
                struct stat opened {};
                ReportHead head = ReadReportHeadLines(entry, lines == ListingLines::WithFieldCount, &opened);
                const ReportStamp stamp = StampOf(opened);
                if (check)
                    check(head, entry);
                const QString fileName = FileName(entry.fileName);
                const qsizetype keyStart = part.keys.size();
                AppendSortKey(head.description, part.keys);
                part.order.push_back({keyStart, part.keys.size() - keyStart, part.rows.size()});
                part.rows.push_back({std::move(head.description), std::move(head.typeLine), LowerAZ(fileName),
                                     fileName, head.fieldCount, stamp});
            } catch (const base::Error& e) {
                part.unreadable.emplace_back(entry.fileName, e.text());
            }
        }
        std::sort(part.order.begin(), part.order.end(),
                  [&part](const Place& x, const Place& y) { return Before(part.rows, part.keys, x, y); });
    } catch (...) {
        part.failure = std::current_exception();
    }
}

// Below this many reports one thread reads them all: a second costs more to start than it saves.
constexpr std::size_t SharedReadingFrom = 256;

// The reports named in names, read and put in order on two threads (each half on one) where the machine has
// two cores, their parts joined in the names' order and their orders merged.
Part ReadReports(const DirectoryEntry& directory, const std::vector<std::string>& names, ListingLines lines,
                 const ReportCheck& check)
{
    const std::string* begin = names.data();
    const std::string* end = begin + names.size();
    const bool shared = names.size() >= SharedReadingFrom && std::thread::hardware_concurrency() >= 2;
    const std::string* half = shared ? begin + names.size() / 2 : end;
    Part first;
    Part second;
    {
        std::thread other;
        if (shared) {
            try {
                other = std::thread(ReadPart, std::cref(directory), half, end, lines, std::cref(check), std::ref(second));
            } catch (const std::system_error&) {
                half = end; // no second thread to be had: this one reads them all
            }
        }
        ReadPart(directory, begin, half, lines, check, first);
        if (other.joinable())
            other.join();
    }
    for (const Part* part : {&first, &second})
        if (part->failure)
            std::rethrow_exception(part->failure);
    const std::size_t firstRows = first.rows.size();
    const qsizetype firstKeys = first.keys.size();
    std::move(second.rows.begin(), second.rows.end(), std::back_inserter(first.rows));
    first.keys.append(second.keys);
    for (Place& place : second.order) {
        place.keyStart += firstKeys;
        place.row += firstRows;
    }
    std::vector<Place> order(first.rows.size());
    std::merge(first.order.begin(), first.order.end(), second.order.begin(), second.order.end(), order.begin(),
               [&first](const Place& x, const Place& y) { return Before(first.rows, first.keys, x, y); });
    first.order = std::move(order);
    std::move(second.unreadable.begin(), second.unreadable.end(), std::back_inserter(first.unreadable));
    return first;
}

} // namespace

ReportListing ListReports(const QString& directory, ListingLines lines, const ReportCheck& check)
{
    // The files are read in the directory's order: what is sorted is the rows.
    Part read;
    WithReportNames(directory, [&](int directoryFd, std::vector<std::string>& names) {
        read = ReadReports({directoryFd, nullptr, directory}, names, lines, check);
    });
    ReportListing listing;
    std::sort(read.unreadable.begin(), read.unreadable.end());
    for (const auto& [name, text] : read.unreadable)
        listing.unreadable << text;
    listing.reports.reserve(read.rows.size());
    for (const Place& place : read.order)
        listing.reports.push_back(std::move(read.rows[place.row]));
    return listing;
}

void ForEachReportFile(const QString& directory, const std::function<void(const DirectoryEntry&)>& visit)
{
    WithReportNames(directory, [&](int directoryFd, std::vector<std::string>& names) {
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            visit(DirectoryEntry{directoryFd, name.c_str(), directory});
    });
}

} // namespace store
