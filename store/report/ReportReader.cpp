#include "store/report/ReportReader.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "base/TextNumbers.h"
#include "store/WorkingTable.h"
#include "store/engine/TableSchema.h"
#include "store/engine/ValueConversion.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <utility>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store {

namespace {

QString ReasonText(int error)
{
    if (error == ENOENT)
        return QCoreApplication::translate("ReportFile", "File not found");
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

ReportReader::ReportReader(const QString& path, LineBound bound)
    : path_(path), bound_(bound), hash_(std::in_place, ReportHashAlgorithm)
{
    setPiece(0);
    open(AT_FDCWD, base::FileNameBytes(path_).constData());
}

ReportReader::ReportReader(const DirectoryEntry& entry, LineBound bound)
    : directory_(entry.directory), entryName_(entry.fileName), bound_(bound)
{
    setPiece(0);
    open(entry.directoryFd, entry.fileName);
}

// A report may be a link to a file; a pipe or a device in its place (swapped in
// after the listing) is refused: opening does not wait for a writer, the kind
// is asked of the file opened, not of its name, and nothing is read from it.
void ReportReader::open(int directoryFd, const char* fileName)
{
    fd_ = ::openat(directoryFd, fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        throw base::FileError(QCoreApplication::translate("ReportFile", "Cannot open report %1: %2")
                                  .arg(absolutePath(), ReasonText(error)));
    }
    if (::fstat(fd_, &opened_) != 0 || !S_ISREG(opened_.st_mode)) {
        ::close(fd_); // the constructor throws: no destructor closes it
        fd_ = -1;
        throw base::FileError(
            QCoreApplication::translate("ReportFile", "Cannot open report %1: it is not a regular file.")
                .arg(absolutePath()));
    }
    size_ = opened_.st_size;
}

ReportVersion ReportReader::version()
{
    if (!hash_)
        return {};
    return VersionOfRest(fd_, size_, *hash_, read_);
}

ReportReader::~ReportReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

// The messages name the file by its whole path, worked out only when one is needed:
// a listing opens thousands of reports.
QString ReportReader::absolutePath() const
{
    if (entryName_)
        return PathOf(DirectoryEntry{-1, entryName_, directory_});
    return directory_.isEmpty() ? QFileInfo(path_).absoluteFilePath()
                                : QFileInfo(QDir(directory_), path_).absoluteFilePath();
}

namespace {

// The first byte from begin on below 27, as every byte that ends a line or the
// input is; at the latest the byte 26 among the stop bytes after the bytes read.
// Eight bytes at a time: a byte below 27 sets the top bit of its byte in below.
// The subtraction's borrow may set it in the bytes after a marked one, never
// before it, so the first marked byte in the file's order is the one sought;
// the word is read so that the file's first byte is its lowest on any machine.
Q_ALWAYS_INLINE const char* ControlStop(const char* begin)
{
    using Word = quint64;
    constexpr Word ones = 0x0101010101010101ULL;
    for (;; begin += sizeof(Word)) {
        const Word word = qFromLittleEndian<Word>(begin);
        if (const Word below = (word - ones * (ReportReader::EndOfInput + 1)) & ~word & (ones * 0x80))
            return begin + std::countr_zero(below) / 8;
    }
}

// The first byte from begin on that ends a line or the input; at the latest the
// byte 26 after the bytes read.
Q_ALWAYS_INLINE const char* LineStop(const char* begin)
{
    for (;; ++begin) {
        begin = ControlStop(begin);
        if (*begin == '\r' || *begin == '\n' || *begin == ReportReader::EndOfInput)
            return begin;
    }
}

} // namespace

// The usual line ends in a line feed or a carriage return and line feed within
// the piece read, and holds no other control character: it is seen where it
// was read, and any other line is read by lineAcrossPieces from its start. The
// byte after the piece is no line feed, so a line feed seen after a carriage
// return is the file's. Always inlined where this file reads a record (13 lines
// each): the report check reads over two million lines.
Q_ALWAYS_INLINE QByteArrayView ReportReader::nextLineBytes()
{
    const char* begin = chunk_.data() + begin_;
    const char* stop = ControlStop(begin);
    // The two bytes compared as one word: the byte after the piece is there to read.
    const int ending = std::memcmp(stop, "\r\n", 2) == 0 ? 2 : *stop == '\n' ? 1 : 0;
    if (ending == 0 || stop - begin > bound_.bytes)
        return lineAcrossPieces();
    begin_ = stop + ending - chunk_.data();
    return QByteArrayView(begin, stop - begin);
}

void ReportReader::setPiece(qsizetype bytes)
{
    begin_ = 0;
    end_ = bytes;
    std::fill_n(chunk_.data() + bytes, StopBytes, EndOfInput);
}

// Reads the next piece of the file into chunk_; false when nothing more comes.
bool ReportReader::readMore()
{
    setPiece(0);
    if (ended_)
        return false;
    ssize_t got;
    do
        got = ::read(fd_, chunk_.data(), PieceBytes);
    while (got < 0 && errno == EINTR);
    if (got < 0) {
        const int error = errno;
        ended_ = true;
        throw base::FileError(QCoreApplication::translate("ReportFile", "Cannot read report %1: %2")
                                  .arg(absolutePath(), ReasonText(error)));
    }
    setPiece(got);
    read_ += got;
    if (hash_)
        hash_->addData(QByteArrayView(chunk_.data(), got));
    if (got == 0)
        ended_ = true;
    return got > 0;
}

// Adds a piece of the current line to partial_, up to the bound; the rest is dropped.
void ReportReader::keep(const char* begin, qsizetype length)
{
    const qsizetype room = bound_.bytes - partial_.size();
    partial_.append(begin, std::min(length, room));
}

QString ReportReader::nextLine()
{
    return DecodeCp1252(nextLineBytes());
}

QByteArrayView ReportReader::lineAcrossPieces()
{
    if (!partial_.isEmpty())
        partial_.truncate(0); // keeps its room for the next long line
    for (;;) {
        const char* begin = chunk_.data() + begin_;
        const char* end = chunk_.data() + end_;
        const char* stop = LineStop(begin);
        if (stop == end) {
            keep(begin, end - begin);
            if (readMore())
                continue;
            return partial_;
        }
        // A short line within one piece, the usual case, is seen where it was read.
        QByteArrayView line;
        if (partial_.isEmpty() && stop - begin <= bound_.bytes) {
            line = QByteArrayView(begin, stop - begin);
        } else {
            keep(begin, stop - begin);
            line = partial_;
        }
        if (*stop == EndOfInput) {
            // The byte 26 stays where it is and ends every later search there.
            ended_ = true;
            begin_ = end_ = stop - chunk_.data();
            return line;
        }
        begin_ = stop + 1 - chunk_.data();
        if (*stop == '\r') {
            if (begin_ == end_) {
                // The next piece takes the place of this one: the line is kept apart first.
                if (line.data() != partial_.constData())
                    partial_ = line.toByteArray();
                line = partial_;
                readMore();
            }
            if (begin_ < end_ && chunk_[std::size_t(begin_)] == '\n')
                ++begin_;
        }
        return line;
    }
}

namespace {

// The working table's columns as its text conversion sees them.
const std::vector<px::FieldDesc>& WorkingColumns()
{
    static const std::vector<px::FieldDesc> columns =
        detail::definitionOf(WorkingTableFields(), WorkingTableIndexes()).fields;
    return columns;
}

detail::Column ColumnNamed(const char* name)
{
    const std::vector<px::FieldDesc>& columns = WorkingColumns();
    const px::FieldDesc& field = columns[std::size_t(detail::columnOf(columns, QString::fromLatin1(name)))];
    return detail::Column{field.code, field.size, field.name, std::nullopt};
}

// The working-table column that loading stores each line of a record in,
// through the column's text conversion (Field::SetAsString), in file order.
const std::vector<detail::Column>& RecordColumns()
{
    static const std::vector<detail::Column> columns = [] {
        std::vector<detail::Column> list;
        for (const RecordLine& line : kRecordLines)
            list.push_back(ColumnNamed(ColumnName(line.column)));
        return list;
    }();
    return columns;
}

// The unusual spellings, through the column's text conversion: apart, so that
// the usual lines cost no room for its texts.
Q_NEVER_INLINE px::Value Converted(const detail::Column& column, QByteArrayView line)
{
    return detail::valueFromText(column, DecodeCp1252(line));
}

Q_NEVER_INLINE int ConvertedNumber(const detail::Column& column, QByteArrayView line)
{
    if (const std::optional<int> number = base::ParseInteger(QLatin1StringView(line)))
        return *number;
    return int(Converted(column, line).integer);
}

Q_NEVER_INLINE bool ConvertedFlag(const detail::Column& column, QByteArrayView line)
{
    if (const std::optional<bool> flag = detail::logicalOf(QLatin1StringView(line)))
        return *flag;
    return Converted(column, line).boolean;
}

// A number line as the column's text conversion takes it: no value when empty,
// refused with the conversion's own message when it is not a whole number.
// The value is set in place, as are those below; the usual line costs no call.
Q_ALWAYS_INLINE void ReadNumber(const detail::Column& column, QByteArrayView line, std::optional<int>& number)
{
    if (line.isEmpty())
        number.reset();
    else if (const int value = base::detail::ShortDecimal(QLatin1StringView(line)); value >= 0)
        number = value;
    else
        number = ConvertedNumber(column, line);
}

Q_ALWAYS_INLINE void ReadFlag(const detail::Column& column, QByteArrayView line, std::optional<bool>& flag)
{
    // The words the writer writes are taken as they stand; any other spelling by the conversion.
    const std::string_view word(line.data(), std::size_t(line.size()));
    if (word.empty())
        flag.reset();
    else if (word == "FALSE")
        flag = false;
    else if (word == "TRUE")
        flag = true;
    else
        flag = ConvertedFlag(column, line);
}

// Header and Field are Alpha columns of 50 characters, which keep a text's
// first characters up to their size, and a character is a byte.
constexpr qsizetype TextBytes = 50;

// A Header or Field line's bytes as its column keeps them, held by the reader
// until the record is read.
struct TextKey {
    // The 8 after the text are zero, for word(); the rest is never read but
    // copied, which unsigned bytes allow while they hold no value.
    std::array<unsigned char, TextBytes + 8> bytes;
    qsizetype size = 0;

    void assign(QByteArrayView line)
    {
        size = std::min(line.size(), TextBytes);
        if (size > 0) // an empty line may have no bytes at all to copy from
            std::memcpy(bytes.data(), line.data(), std::size_t(size));
        std::memset(bytes.data() + size, 0, 8);
    }
    std::string_view view() const { return {reinterpret_cast<const char*>(bytes.data()), std::size_t(size)}; }
    // Eight bytes from at, in the machine's order.
    std::uint64_t word(qsizetype at) const
    {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        return word;
    }
    // Mixes the first and the last eight bytes and the size: cheap, and
    // enough to tell apart the names of a report.
    std::uint64_t hash() const
    {
        const std::uint64_t last = word(std::max<qsizetype>(size - 8, 0));
        std::uint64_t hash = word(0) ^ std::rotl(last, 29) ^ std::uint64_t(size);
        hash ^= hash >> 33; // the finish of MurmurHash3: every bit of the hash from every bit of the bytes
        hash *= 0xFF51AFD7ED558CCDull;
        return hash ^ (hash >> 33);
    }
    friend bool operator==(const TextKey& a, const TextKey& b)
    {
        return a.size == b.size && a.word(0) == b.word(0)
               && (a.size <= 8 || std::memcmp(a.bytes.data() + 8, b.bytes.data() + 8, std::size_t(a.size - 8)) == 0);
    }
};

// The texts of Header and Field lines decoded lately, by their bytes: reports
// name the same fields again and again, so a text is mostly shared with one
// decoded before rather than made anew (the report check reads 10,000 reports,
// and making two texts a record cost it a quarter more instructions). A slot holds the
// last text whose bytes hash to it, so the memory is bounded whatever is read.
class RecentTexts {
public:
    const QString& text(const TextKey& key, std::uint64_t hash)
    {
        Slot& slot = slots_[hash & (SlotCount - 1)];
        if (!(slot.key == key)) {
            slot.key = key;
            slot.text = DecodeCp1252(QByteArrayView(key.bytes.data(), key.size));
        }
        return slot.text;
    }

private:
    static constexpr std::size_t SlotCount = 1024;
    struct Slot {
        TextKey key{{}, -1}; // no text yet
        QString text;
    };
    std::array<Slot, SlotCount> slots_;
};

RecentTexts& Recent()
{
    thread_local RecentTexts recent;
    return recent;
}

// The lines of a record as ReadRecord reads them, one statement a line.
constexpr bool ReadInFileOrder()
{
    constexpr std::string_view read[] = {"DbType", "LDots",   "RDots", "Header", "Field", "Line", "LPosition",
                                         "RPosition", "Total", "Count", "Average", "Min",  "Max"};
    static_assert(std::size(read) == kRecordLines.size());
    for (std::size_t i = 0; i < kRecordLines.size(); ++i)
        if (read[i] != std::string_view(ColumnName(kRecordLines[i].column)))
            return false;
    return true;
}
static_assert(ReadInFileOrder(), "ReadRecord reads the lines of a record in the file's order");

// Every member of record is set, key to its Field and hash to the key's hash.
// A header that is the field's name, as a new row's is, shares its text.
void ReadRecord(ReportReader& reader, int order, FieldRow& record, TextKey& key, std::uint64_t& hash)
{
    const std::vector<detail::Column>& columns = RecordColumns();
    const auto column = [&columns](std::size_t line) -> const detail::Column& { return columns[line]; };
    Q_ASSERT(column(3).code == px::FieldCode::Alpha && column(3).size == TextBytes);
    Q_ASSERT(column(4).code == px::FieldCode::Alpha && column(4).size == TextBytes);
    record.order = order;
    ReadNumber(column(0), reader.nextLineBytes(), record.dbType);
    record.leaders = !reader.nextLineBytes().isEmpty(); // a dot line is set whenever it holds anything
    record.trailers = !reader.nextLineBytes().isEmpty();
    TextKey header;
    header.assign(reader.nextLineBytes());
    key.assign(reader.nextLineBytes());
    RecentTexts& recent = Recent();
    hash = key.hash();
    // A copy moved in: Qt's copy and move are inline, its copy assignment a call.
    record.field = QString(recent.text(key, hash));
    record.header = QString(header == key ? record.field : recent.text(header, header.hash()));
    ReadNumber(column(5), reader.nextLineBytes(), record.line);
    ReadNumber(column(6), reader.nextLineBytes(), record.lposition);
    ReadNumber(column(7), reader.nextLineBytes(), record.rposition);
    ReadFlag(column(8), reader.nextLineBytes(), record.total);
    ReadFlag(column(9), reader.nextLineBytes(), record.count);
    ReadFlag(column(10), reader.nextLineBytes(), record.average);
    ReadFlag(column(11), reader.nextLineBytes(), record.minValue);
    ReadFlag(column(12), reader.nextLineBytes(), record.maxValue);
}

// The number line 5 gives, as loading takes it.
std::optional<int> FieldCountLine(QByteArrayView line)
{
    return base::ParseInteger(QLatin1StringView(line));
}

ReportHead HeadLinesOf(ReportReader& reader, bool withFieldCount)
{
    ReportHead lines;
    lines.description = reader.nextLine();
    lines.typeLine = reader.nextLine();
    if (withFieldCount) {
        reader.nextLineBytes(); // the category
        reader.nextLineBytes(); // the printable width
        lines.fieldCount = FieldCountLine(reader.nextLineBytes());
    }
    return lines;
}

ReportContent ReadReport(ReportReader& reader, const HeadCheck& check)
{
    ReportContent report;
    static_cast<ReportHead&>(report) = ReadReportHead(reader);
    if (check)
        check(report, reader);
    const int count = FieldCountOf(report, reader);
    report.fields.resize(std::size_t(std::max(count, 0)));
    FieldRecords records(reader, count);
    for (FieldRow& row : report.fields)
        records.next(row);
    return report;
}

} // namespace

ReportHead ReadReportHead(ReportReader& reader)
{
    ReportHead head;
    head.description = reader.nextLine();
    head.typeLine = reader.nextLine();
    head.categoryLine = reader.nextLine();
    head.width = base::StrToIntOrZero(QLatin1StringView(reader.nextLineBytes()));
    head.fieldCount = FieldCountLine(reader.nextLineBytes());
    return head;
}

int FieldCountOf(const ReportHead& head, const ReportReader& reader)
{
    const int count = head.fieldCount.value_or(0);
    if (count > MaxFieldRecords)
        throw base::FileError(
            QCoreApplication::translate("ReportFile", "Line 5 of report %1 gives %2 field records, more than the %3 "
                                                      "that any report can hold; the file cannot be loaded.")
                .arg(reader.absolutePath(), QString::number(count), QString::number(MaxFieldRecords)));
    return count;
}

namespace {

// The fewest slots, a power of two, that hold count records at most half full.
std::size_t SlotsFor(int count)
{
    return std::bit_ceil(std::size_t(std::max(count, 1)) * 2);
}

} // namespace

FieldRecords::FieldRecords(ReportReader& reader, int count)
    : reader_(reader), count_(std::min(count, MaxFieldRecords)), slots_(SlotsFor(count_), 0)
{
    names_ = std::make_unique_for_overwrite<char[]>(std::size_t(std::max(count_, 0)) * FieldBytes);
    sizes_.reserve(std::size_t(std::max(count_, 0)));
}

// Repeated Fields are found by a table of open addressing rather than a sorted
// list: the report check reads 10,000 reports, and the list's comparisons and
// insertions cost it about 60 million of its 875 million instructions.
bool FieldRecords::repeated(std::string_view field, std::uint64_t hash)
{
    static_assert(MaxFieldRecords < 0xFFFF, "a slot holds a record's place plus 1");
    Q_ASSERT(field.size() <= FieldBytes && sizes_.size() < std::size_t(count_));
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot] == 0) {
            std::copy(field.begin(), field.end(), names_.get() + sizes_.size() * FieldBytes);
            sizes_.push_back(std::uint8_t(field.size()));
            slots_[slot] = std::uint16_t(sizes_.size());
            return false;
        }
        const std::size_t place = slots_[slot] - 1u;
        if (std::string_view(names_.get() + place * FieldBytes, sizes_[place]) == field)
            return true;
    }
}

bool FieldRecords::next(FieldRow& record)
{
    if (read_ >= count_)
        return false;
    ++read_;
    try {
        TextKey key;
        std::uint64_t hash = 0;
        ReadRecord(reader_, read_, record, key, hash);
        if (key.size == 0)
            throw base::EngineError(
                QCoreApplication::translate("Engine", "Field '%1' must have a value").arg(QLatin1String("Field")));
        if (repeated(key.view(), hash))
            throw base::EngineError(QCoreApplication::translate("Engine", "Key violation."));
    } catch (const base::EngineError& e) {
        const int failed = std::exchange(read_, count_); // nothing more is read
        throw FieldRecordError(e.text(), failed, reader_.absolutePath());
    }
    return true;
}

namespace
{

QString FieldRecordPlace(int record, const QString& path)
{
    //: %1: the number of the field record in the file; %2: the report file's path
    return QCoreApplication::translate("ReportFile", "This is in field record %1 of the report %2.")
        .arg(QString::number(record), path);
}

} // namespace

// The blank line parts the two in every language.
QString FieldRecordFailure(const QString& text, int record, const QString& path)
{
    return text + QLatin1String("\n\n") + FieldRecordPlace(record, path);
}

FieldRecordError::FieldRecordError(const QString& text, int record, const QString& path)
    : base::EngineError(FieldRecordFailure(text, record, path)), sentence_(text), place_(FieldRecordPlace(record, path))
{
}

ReportContent ReadReport(const QString& path, const HeadCheck& check)
{
    ReportReader reader(path);
    return ReadReport(reader, check);
}

ReportContent ReadReport(const DirectoryEntry& entry, const HeadCheck& check)
{
    ReportReader reader(entry, ReportReader::Loading);
    return ReadReport(reader, check);
}

QString PathOf(const DirectoryEntry& entry)
{
    return QFileInfo(QDir(entry.directory), base::FileNameText(entry.fileName)).absoluteFilePath();
}

ReportHead ReadReportHeadLines(const DirectoryEntry& entry, bool withFieldCount, struct stat* opened)
{
    ReportReader reader(entry);
    if (opened)
        *opened = reader.opened();
    return HeadLinesOf(reader, withFieldCount);
}

} // namespace store
