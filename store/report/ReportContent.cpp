#include "store/report/ReportContent.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"
#include "store/WorkingTable.h"
#include "store/engine/TableSchema.h"
#include "store/engine/ValueConversion.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportRecord.h"

#include <QSet>
#include <algorithm>
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

// One line of a record and the working-table column that loading stores it in,
// through the column's text conversion (Field::SetAsString).
struct RecordColumn {
    detail::Column column;
    RecordLineKind kind;
};

const std::vector<RecordColumn>& RecordColumns()
{
    static const std::vector<RecordColumn> columns = [] {
        std::vector<RecordColumn> list;
        for (const RecordLine& line : kRecordLines)
            list.push_back({ColumnNamed(line.column), line.kind});
        return list;
    }();
    return columns;
}

// A number line as the column's text conversion takes it: no value when empty,
// refused with the conversion's own message when it is not a whole number.
std::optional<int> NumberOf(const detail::Column& column, QByteArrayView line)
{
    if (line.isEmpty())
        return std::nullopt;
    if (const std::optional<int> number = base::ParseInteger(QLatin1StringView(line)))
        return number;
    return int(detail::valueFromText(column, DecodeCp1252(line)).integer);
}

std::optional<bool> FlagOf(const detail::Column& column, QByteArrayView line)
{
    if (line.isEmpty())
        return std::nullopt;
    // The words the writer writes are taken as they stand; any other spelling by the conversion.
    const std::string_view word(line.data(), std::size_t(line.size()));
    if (word == "FALSE")
        return false;
    if (word == "TRUE")
        return true;
    if (const std::optional<bool> flag = detail::logicalOf(QLatin1StringView(line)))
        return flag;
    return detail::valueFromText(column, DecodeCp1252(line)).boolean;
}

// A text line as the column's text conversion stores it: a line within an
// Alpha column's size is kept whole, so only a longer one needs the conversion.
void ReadText(const detail::Column& column, QByteArrayView line, QString& text)
{
    if (column.code == px::FieldCode::Alpha && line.size() <= column.size)
        DecodeCp1252(line, text);
    else
        text = detail::valueFromText(column, DecodeCp1252(line)).text;
}

// Every member of record is set.
void ReadRecord(ReportReader& reader, int order, ReportFieldRecord& record)
{
    record.order = order;
    std::optional<int>* numbers[] = {&record.dbType, &record.line, &record.lposition, &record.rposition};
    bool* dots[] = {&record.leaders, &record.trailers};
    QString* texts[] = {&record.header, &record.field};
    std::optional<bool>* flags[] = {&record.total, &record.count, &record.average, &record.minValue,
                                    &record.maxValue};
    int number = 0, dot = 0, text = 0, flag = 0;
    for (const RecordColumn& column : RecordColumns()) {
        const QByteArrayView line = reader.nextLineBytes();
        switch (column.kind) {
        case RecordLineKind::Number:
            *numbers[number++] = NumberOf(column.column, line);
            break;
        case RecordLineKind::Dots:
            *dots[dot++] = DotFlag(line);
            break;
        case RecordLineKind::Text:
            ReadText(column.column, line, *texts[text++]);
            break;
        case RecordLineKind::Flag:
            *flags[flag++] = FlagOf(column.column, line);
            break;
        }
    }
}

// Reads into report, reusing the room of its texts and records.
void ReadReport(ReportReader& reader, ReportContent& report)
{
    DecodeCp1252(reader.nextLineBytes(), report.description);
    DecodeCp1252(reader.nextLineBytes(), report.typeLine);
    DecodeCp1252(reader.nextLineBytes(), report.categoryLine);
    report.width = base::StrToIntOrZero(QLatin1StringView(reader.nextLineBytes()));
    const int count = base::StrToIntOrZero(QLatin1StringView(reader.nextLineBytes()));
    // Field is the working table's required key.
    QSet<QString> fields;
    const int expected = std::clamp(count, 0, 1024); // the count is the file's word, not a promise
    fields.reserve(expected);
    report.fields.reserve(std::size_t(expected));
    std::size_t kept = 0;
    for (int i = 1; i <= count; ++i) {
        try {
            if (kept == report.fields.size())
                report.fields.emplace_back();
            ReportFieldRecord& record = report.fields[kept];
            ReadRecord(reader, i, record);
            if (record.field.isEmpty())
                throw base::EngineError(QStringLiteral("Field 'Field' must have a value"));
            const qsizetype before = fields.size();
            fields.insert(record.field);
            if (fields.size() == before)
                throw base::EngineError(QStringLiteral("Key violation."));
            ++kept;
        } catch (const base::EngineError& e) {
            throw base::EngineError(FieldRecordFailure(e.text(), i, reader.absolutePath()));
        }
    }
    report.fields.resize(kept);
}

} // namespace

QString FieldRecordFailure(const QString& text, int record, const QString& path)
{
    return QStringLiteral("%1\n\nThis is in field record %2 of the report %3.").arg(text, QString::number(record), path);
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
