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
    if (const std::optional<bool> flag = detail::logicalOf(QLatin1StringView(line)))
        return flag;
    return detail::valueFromText(column, DecodeCp1252(line)).boolean;
}

ReportFieldRecord ReadRecord(ReportReader& reader, int order)
{
    ReportFieldRecord record;
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
            *texts[text++] = detail::valueFromText(column.column, DecodeCp1252(line)).text;
            break;
        case RecordLineKind::Flag:
            *flags[flag++] = FlagOf(column.column, line);
            break;
        }
    }
    return record;
}

ReportContent ReadReport(ReportReader& reader)
{
    ReportContent report;
    report.description = reader.nextLine();
    report.typeLine = reader.nextLine();
    report.categoryLine = reader.nextLine();
    report.width = base::StrToIntOrZero(reader.nextLine());
    const int count = base::StrToIntOrZero(reader.nextLine());
    // Field is the working table's required key.
    QSet<QString> fields;
    const int expected = std::clamp(count, 0, 1024); // the count is the file's word, not a promise
    fields.reserve(expected);
    report.fields.reserve(std::size_t(expected));
    for (int i = 1; i <= count; ++i) {
        try {
            ReportFieldRecord record = ReadRecord(reader, i);
            if (record.field.isEmpty())
                throw base::EngineError(QStringLiteral("Field 'Field' must have a value"));
            if (fields.contains(record.field))
                throw base::EngineError(QStringLiteral("Key violation."));
            fields.insert(record.field);
            report.fields.push_back(std::move(record));
        } catch (const base::EngineError& e) {
            throw base::EngineError(FieldRecordFailure(e.text(), i, reader.absolutePath()));
        }
    }
    return report;
}

} // namespace

QString FieldRecordFailure(const QString& text, int record, const QString& path)
{
    return QStringLiteral("%1\n\nThis is in field record %2 of the report %3.").arg(text, QString::number(record), path);
}

ReportContent ReadReport(const QString& path)
{
    ReportReader reader(path);
    return ReadReport(reader);
}

ReportContent ReadReport(const DirectoryEntry& entry)
{
    ReportReader reader(entry, ReportReader::Loading);
    return ReadReport(reader);
}

} // namespace store
