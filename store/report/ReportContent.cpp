#include "store/report/ReportContent.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"
#include "store/WorkingTable.h"
#include "store/engine/TableSchema.h"
#include "store/engine/ValueConversion.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportRecord.h"

#include <QHashFunctions>
#include <algorithm>
#include <bit>
#include <iterator>
#include <string_view>

namespace store {

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
            list.push_back(ColumnNamed(line.column));
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

// A text line as the column's text conversion stores it: Header and Field are
// Alpha columns of FieldText's size, which keep a text's first characters up to
// their size, and a character is a byte.
void ReadText(const detail::Column& column, QByteArrayView line, FieldText& text)
{
    Q_ASSERT(column.code == px::FieldCode::Alpha && std::size_t(column.size) == FieldText::Capacity);
    text.assign(std::string_view(line.data(), std::size_t(std::min(line.size(), qsizetype(column.size)))));
}

// The lines of a record as ReadRecord reads them, one statement a line.
constexpr bool ReadInFileOrder()
{
    constexpr std::string_view read[] = {"DbType", "LDots",   "RDots", "Header", "Field", "Line", "LPosition",
                                         "RPosition", "Total", "Count", "Average", "Min",  "Max"};
    static_assert(std::size(read) == kRecordLines.size());
    for (std::size_t i = 0; i < kRecordLines.size(); ++i)
        if (read[i] != kRecordLines[i].column)
            return false;
    return true;
}
static_assert(ReadInFileOrder(), "ReadRecord reads the lines of a record in the file's order");

// Every member of record is set.
void ReadRecord(ReportReader& reader, int order, ReportFieldRecord& record)
{
    const std::vector<detail::Column>& columns = RecordColumns();
    const auto column = [&columns](std::size_t line) -> const detail::Column& { return columns[line]; };
    record.order = order;
    ReadNumber(column(0), reader.nextLineBytes(), record.dbType);
    record.leaders = DotFlag(reader.nextLineBytes());
    record.trailers = DotFlag(reader.nextLineBytes());
    ReadText(column(3), reader.nextLineBytes(), record.header);
    ReadText(column(4), reader.nextLineBytes(), record.field);
    ReadNumber(column(5), reader.nextLineBytes(), record.line);
    ReadNumber(column(6), reader.nextLineBytes(), record.lposition);
    ReadNumber(column(7), reader.nextLineBytes(), record.rposition);
    ReadFlag(column(8), reader.nextLineBytes(), record.total);
    ReadFlag(column(9), reader.nextLineBytes(), record.count);
    ReadFlag(column(10), reader.nextLineBytes(), record.average);
    ReadFlag(column(11), reader.nextLineBytes(), record.minValue);
    ReadFlag(column(12), reader.nextLineBytes(), record.maxValue);
}

// The Field texts of the records read so far, found by a hash of open addressing
// (one allocation a report): Field is the working table's required key.
class FieldKeys {
public:
    FieldKeys(const std::vector<ReportFieldRecord>& records, std::size_t expected)
        : records_(records), slots_(std::bit_ceil(std::max<std::size_t>(16, expected * 2)), 0)
    {
    }

    // Takes the Field of records[index], the next record; false when an earlier one holds the same.
    bool insert(std::size_t index)
    {
        if ((index + 1) * 2 > slots_.size())
            grow();
        return place(index);
    }

private:
    bool place(std::size_t index)
    {
        const FieldText& field = records_[index].field;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = qHash(QByteArrayView(field.bytes()), seed_) & mask;; slot = (slot + 1) & mask) {
            if (slots_[slot] == 0) {
                slots_[slot] = index + 1;
                return true;
            }
            if (records_[slots_[slot] - 1].field == field)
                return false;
        }
    }

    void grow()
    {
        std::vector<std::size_t> taken(slots_.size() * 2, 0);
        taken.swap(slots_);
        for (const std::size_t entry : taken)
            if (entry != 0)
                place(entry - 1);
    }

    const std::vector<ReportFieldRecord>& records_;
    std::vector<std::size_t> slots_; // index + 1 of a record, or 0
    const std::size_t seed_ = QHashSeed::globalSeed();
};

// Reads into report, reusing the room of its texts and records.
void ReadReport(ReportReader& reader, ReportContent& report)
{
    const auto keep = [&reader](std::string& text) {
        const QByteArrayView line = reader.nextLineBytes();
        text.assign(line.data(), std::size_t(line.size()));
    };
    keep(report.description);
    keep(report.typeLine);
    keep(report.categoryLine);
    report.width = base::StrToIntOrZero(QLatin1StringView(reader.nextLineBytes()));
    const int count = ReadFieldCount(reader);
    const auto expected = std::size_t(std::max(count, 0));
    FieldKeys fields(report.fields, expected);
    report.fields.reserve(expected);
    std::size_t kept = 0;
    for (int i = 1; i <= count; ++i) {
        try {
            if (kept == report.fields.size())
                report.fields.emplace_back();
            ReportFieldRecord& record = report.fields[kept];
            ReadRecord(reader, i, record);
            if (record.field.empty())
                throw base::EngineError(QStringLiteral("Field 'Field' must have a value"));
            if (!fields.insert(kept))
                throw base::EngineError(QStringLiteral("Key violation."));
            ++kept;
        } catch (const base::EngineError& e) {
            throw base::EngineError(FieldRecordFailure(e.text(), i, reader.absolutePath()));
        }
    }
    report.fields.resize(kept);
}

} // namespace

QString FieldText::text() const
{
    return DecodeCp1252(QByteArrayView(bytes()));
}

QString FieldRecordFailure(const QString& text, int record, const QString& path)
{
    return QStringLiteral("%1\n\nThis is in field record %2 of the report %3.")
        .arg(text, QString::number(record), path);
}

ReportContent ReadReport(const QString& path)
{
    ReportContent report;
    ReadReport(path, report);
    return report;
}

ReportContent ReadReport(const DirectoryEntry& entry)
{
    ReportContent report;
    ReadReport(entry, report);
    return report;
}

void ReadReport(const QString& path, ReportContent& report)
{
    ReportReader reader(path);
    ReadReport(reader, report);
}

void ReadReport(const DirectoryEntry& entry, ReportContent& report)
{
    ReportReader reader(entry, ReportReader::Loading);
    ReadReport(reader, report);
}

} // namespace store
