#include "store/report/RecordRow.h"

#include "store/engine/Table.h"

namespace store {

namespace {

template <typename Value>
void SetOrClear(Field field, const std::optional<Value>& value)
{
    if (!value)
        field.Clear();
    else if constexpr (std::is_same_v<Value, bool>)
        field.SetAsBoolean(*value);
    else
        field.SetAsInteger(*value);
}

} // namespace

void InsertRecordRow(Table& table, const ReportFieldRecord& record)
{
    const auto column = [&table](const char* name) { return table.FieldByName(QString::fromLatin1(name)); };
    table.Insert();
    column("Order").SetAsInteger(record.order);
    SetOrClear(column("DbType"), record.dbType);
    column("LDots").SetAsBoolean(record.leaders);
    column("RDots").SetAsBoolean(record.trailers);
    column("Header").SetAsString(record.header.text());
    column("Field").SetAsString(record.field.text());
    SetOrClear(column("Line"), record.line);
    SetOrClear(column("LPosition"), record.lposition);
    SetOrClear(column("RPosition"), record.rposition);
    SetOrClear(column("Total"), record.total);
    SetOrClear(column("Count"), record.count);
    SetOrClear(column("Average"), record.average);
    SetOrClear(column("Min"), record.minValue);
    SetOrClear(column("Max"), record.maxValue);
}

} // namespace store
