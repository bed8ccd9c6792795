#include "design/detail/WorkingRows.h"

namespace design::detail {

using store::WorkingColumn;

store::Field Column(store::Table& table, WorkingColumn column)
{
    return table.FieldByName(store::ColumnText(column));
}

namespace {

std::optional<int> NumberOf(const store::Field& field)
{
    return field.IsNull() ? std::nullopt : std::optional<int>(field.AsInteger());
}

std::optional<bool> FlagOf(const store::Field& field)
{
    return field.IsNull() ? std::nullopt : std::optional<bool>(field.AsBoolean());
}

template <typename Value>
void SetOrClear(store::Field field, const std::optional<Value>& value)
{
    if (!value)
        field.Clear();
    else if constexpr (std::is_same_v<Value, bool>)
        field.SetAsBoolean(*value);
    else
        field.SetAsInteger(*value);
}

} // namespace

Columns::Columns(store::Table& table)
    : field(Column(table, WorkingColumn::Field)), order(Column(table, WorkingColumn::Order)),
      header(Column(table, WorkingColumn::Header)), leaders(Column(table, WorkingColumn::LDots)),
      trailers(Column(table, WorkingColumn::RDots)), total(Column(table, WorkingColumn::Total)),
      count(Column(table, WorkingColumn::Count)), average(Column(table, WorkingColumn::Average)),
      minValue(Column(table, WorkingColumn::Min)), maxValue(Column(table, WorkingColumn::Max)),
      dbType(Column(table, WorkingColumn::DbType)), line(Column(table, WorkingColumn::Line)),
      lposition(Column(table, WorkingColumn::LPosition)), rposition(Column(table, WorkingColumn::RPosition))
{
}

store::FieldRow Columns::row() const
{
    store::FieldRow row;
    row.field = field.AsString();
    row.order = order.AsInteger();
    row.header = header.AsString();
    row.leaders = leaders.AsBoolean();
    row.trailers = trailers.AsBoolean();
    row.total = FlagOf(total);
    row.count = FlagOf(count);
    row.average = FlagOf(average);
    row.minValue = FlagOf(minValue);
    row.maxValue = FlagOf(maxValue);
    row.dbType = NumberOf(dbType);
    row.line = NumberOf(line);
    row.lposition = NumberOf(lposition);
    row.rposition = NumberOf(rposition);
    return row;
}

void Columns::insert(store::Table& table, const store::FieldRow& row)
{
    table.Insert();
    order.SetAsInteger(row.order);
    SetOrClear(dbType, row.dbType);
    leaders.SetAsBoolean(row.leaders);
    trailers.SetAsBoolean(row.trailers);
    header.SetAsString(row.header);
    field.SetAsString(row.field);
    SetOrClear(line, row.line);
    SetOrClear(lposition, row.lposition);
    SetOrClear(rposition, row.rposition);
    SetOrClear(total, row.total);
    SetOrClear(count, row.count);
    SetOrClear(average, row.average);
    SetOrClear(minValue, row.minValue);
    SetOrClear(maxValue, row.maxValue);
}

store::FieldRow RowAt(store::Table& table)
{
    return Columns(table).row();
}

// The rows as the cursor walks them; bound controls hear of the walk once, at its end.
std::vector<store::FieldRow> Walk(store::Table& table)
{
    const store::ControlsDisabled quiet(table);
    std::vector<store::FieldRow> rows;
    rows.reserve(std::size_t(std::max(table.RecordCount(), 0)));
    const Columns columns(table);
    for (table.First(); !table.Eof(); table.Next())
        rows.push_back(columns.row());
    return rows;
}

// Every stored row, walked with the cursor's bound controls quiet, the cursor
// put back on its row.
std::vector<store::FieldRow> StoredRows(store::Table& table)
{
    const store::ControlsDisabled quiet(table);
    const bool atEnd = table.Eof();
    const int recNo = table.RecNo();
    std::vector<store::FieldRow> rows = Walk(table);
    if (!atEnd && recNo > 0)
        table.SetRecNo(recNo);
    return rows;
}

} // namespace design::detail
