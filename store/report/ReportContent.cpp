#include "store/report/ReportContent.h"

#include "base/EngineError.h"
#include "base/TextNumbers.h"
#include "store/WorkingTable.h"
#include "store/engine/TableSchema.h"
#include "store/engine/ValueConversion.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportRecord.h"

#include <QSet>

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

// One line of a record through its column's text conversion, as the loader's
// Field::SetAsString stores it.
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

std::optional<int> NumberOf(const px::Value& value)
{
    return value.isNull() ? std::nullopt : std::optional<int>(int(value.integer));
}

std::optional<bool> FlagOf(const px::Value& value)
{
    return value.isNull() ? std::nullopt : std::optional<bool>(value.boolean);
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
        const QString line = reader.nextLine();
        if (column.kind == RecordLineKind::Dots) {
            *dots[dot++] = DotFlag(line);
            continue;
        }
        const px::Value value = detail::valueFromText(column.column, line);
        switch (column.kind) {
        case RecordLineKind::Number:
            *numbers[number++] = NumberOf(value);
            break;
        case RecordLineKind::Text:
            *texts[text++] = value.text;
            break;
        case RecordLineKind::Flag:
            *flags[flag++] = FlagOf(value);
            break;
        case RecordLineKind::Dots:
            break;
        }
    }
    return record;
}

} // namespace

QString FieldRecordFailure(const QString& text, int record, const QString& path)
{
    return QStringLiteral("%1\n\nThis is in field record %2 of the report %3.").arg(text, QString::number(record), path);
}

ReportContent ReadReport(const QString& path)
{
    ReportReader reader(path);
    ReportContent report;
    report.description = reader.nextLine();
    report.typeLine = reader.nextLine();
    report.categoryLine = reader.nextLine();
    report.width = base::StrToIntOrZero(reader.nextLine());
    const int count = base::StrToIntOrZero(reader.nextLine());
    // Field is the working table's required key.
    QSet<QString> fields;
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
            throw base::EngineError(FieldRecordFailure(e.text(), i, path));
        }
    }
    return report;
}

} // namespace store
