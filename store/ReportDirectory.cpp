#include "store/ReportDirectory.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "store/ReportNames.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"

#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
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
            throw base::EngineError(
                QStringLiteral("Cannot list the report files in %1: the directory cannot be read.").arg(path));
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

} // namespace

ReportListing ListReports(const QString& directory, ListingLines lines)
{
    OpenDirectory dir(directory);
    std::vector<Row> rows;
    QByteArray keys;
    ReportListing listing;
    while (const dirent* entry = dir.nextReport()) {
        const QString name = FileName(entry->d_name);
        try {
            ReportHeadLines head = ReadReportHeadLines(DirectoryEntry{dir.fd(), entry->d_name, directory},
                                                       lines == ListingLines::WithFieldCount);
            const qsizetype keyStart = keys.size();
            AppendSortKey(head.description, keys);
            rows.push_back({keyStart, keys.size() - keyStart,
                            {std::move(head.description), std::move(head.typeWord), LowerAZ(name),
                             head.fieldCount}});
        } catch (const base::EngineError& e) {
            listing.unreadable << e.text();
        }
    }
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&rows, &keys](std::size_t a, std::size_t b) {
        const Row& x = rows[a];
        const Row& y = rows[b];
        const int common = std::memcmp(keys.constData() + x.keyStart, keys.constData() + y.keyStart,
                                       std::size_t(std::min(x.keyLength, y.keyLength)));
        if (common != 0)
            return common < 0;
        return x.keyLength != y.keyLength ? x.keyLength < y.keyLength : x.entry.name < y.entry.name;
    });
    listing.reports.reserve(rows.size());
    for (std::size_t row : order)
        listing.reports.push_back(std::move(rows[row].entry));
    return listing;
}

void ForEachReportFile(const QString& directory, const std::function<void(const DirectoryEntry&)>& visit)
{
    OpenDirectory dir(directory);
    // The names one after another, each ending in a zero byte. They are sorted by
    // their first eight bytes as a number, and by the rest only when those are
    // equal: names in a directory differ, so both are then longer.
    struct Name {
        quint64 head;
        std::size_t start;
    };
    std::string names;
    std::vector<Name> order;
    while (const dirent* entry = dir.nextReport()) {
        const std::string_view name(entry->d_name);
        std::array<unsigned char, 8> head{};
        std::copy_n(name.data(), std::min(head.size(), name.size()), head.begin());
        order.push_back({qFromBigEndian<quint64>(head.data()), names.size()});
        names.append(name).push_back('\0');
    }
    const char* const first = names.data();
    std::sort(order.begin(), order.end(), [first](const Name& a, const Name& b) {
        return a.head != b.head ? a.head < b.head : std::strcmp(first + a.start + 8, first + b.start + 8) < 0;
    });
    for (const Name& name : order)
        visit(DirectoryEntry{dir.fd(), first + name.start, directory});
}

} // namespace store
