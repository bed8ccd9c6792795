#include "design/ReportDesign.h"

#include "base/EngineError.h"
#include "rules/ColumnCheck.h"
#include "rules/FieldLabels.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "store/report/ReportReader.h"

namespace design {

namespace {

using store::WorkingColumn;

store::Field Column(store::Table& table, WorkingColumn column)
{
    return table.FieldByName(store::ColumnText(column));
}

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

// The fourteen columns of the working table, found once: each reads and
// writes the row the cursor stands on.
struct Columns {
    explicit Columns(store::Table& table)
        : field(Column(table, WorkingColumn::Field)), order(Column(table, WorkingColumn::Order)),
          header(Column(table, WorkingColumn::Header)), leaders(Column(table, WorkingColumn::LDots)),
          trailers(Column(table, WorkingColumn::RDots)), total(Column(table, WorkingColumn::Total)),
          count(Column(table, WorkingColumn::Count)), average(Column(table, WorkingColumn::Average)),
          minValue(Column(table, WorkingColumn::Min)), maxValue(Column(table, WorkingColumn::Max)),
          dbType(Column(table, WorkingColumn::DbType)), line(Column(table, WorkingColumn::Line)),
          lposition(Column(table, WorkingColumn::LPosition)), rposition(Column(table, WorkingColumn::RPosition))
    {
    }

    // The row the cursor stands on, a pending edit as it stands.
    store::FieldRow row() const
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

    // Puts the table into insert state with row; the caller posts it.
    void insert(store::Table& table, const store::FieldRow& row)
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

    store::Field field, order, header, leaders, trailers, total, count, average, minValue, maxValue, dbType, line,
        lposition, rposition;
};

store::FieldRow RowAt(store::Table& table)
{
    return Columns(table).row();
}

store::FieldRow RowOf(const store::ReportFieldRecord& record)
{
    return store::FieldRow{record.field.text(), record.order,   record.header.text(), record.leaders,
                           record.trailers,     record.total,   record.count,         record.average,
                           record.minValue,     record.maxValue, record.dbType,       record.line,
                           record.lposition,    record.rposition};
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

QList<rules::ColumnRecord> ColumnRecords(const std::vector<store::FieldRow>& rows)
{
    QList<rules::ColumnRecord> records;
    records.reserve(qsizetype(rows.size()));
    for (const store::FieldRow& row : rows)
        records.append({row.line.value_or(0), row.order, row.lposition.value_or(0), row.rposition.value_or(0)});
    return records;
}

WorkingColumn ColumnOf(store::FieldFlag flag)
{
    using enum store::FieldFlag;
    switch (flag) {
    case Leaders: return WorkingColumn::LDots;
    case Trailers: return WorkingColumn::RDots;
    case Count: return WorkingColumn::Count;
    case Max: return WorkingColumn::Max;
    case Min: return WorkingColumn::Min;
    case Total: return WorkingColumn::Total;
    case Average: return WorkingColumn::Average;
    }
    return WorkingColumn::LDots;
}

const QString ReportOrder = QStringLiteral("iOrder");

} // namespace

ReportDesign::ReportDesign(store::Table& table, QObject* parent) : QObject(parent), table_(table)
{
    connect(&table_, &store::Table::changed, this, &ReportDesign::changed);
}

ReportDesign::ReportDesign(store::Session& session, const QString& alias, Hold hold, QObject* parent)
    : QObject(parent), own_(std::make_unique<store::Table>(session)), table_(*own_)
{
    table_.SetDatabaseName(alias);
    table_.SetTableName(store::WorkingTableName);
    table_.SetExclusive(hold == Hold::Exclusive);
    connect(&table_, &store::Table::changed, this, &ReportDesign::changed);
}

ReportDesign::~ReportDesign() = default;

void ReportDesign::setAlias(const QString& alias)
{
    table_.SetDatabaseName(alias);
}

void ReportDesign::openForColumnWidths(const QList<std::pair<store::WorkingColumn, QString>>& titles)
{
    using enum WorkingColumn;
    table_.SetIndexName(ReportOrder);
    for (const WorkingColumn column : {Field, Line, LPosition, RPosition})
        table_.SetRequired(store::ColumnText(column), true);
    table_.SetRange(store::ColumnText(Line), 1, 9);
    table_.SetRange(store::ColumnText(LPosition), 1, 300);
    table_.SetRange(store::ColumnText(RPosition), 1, 300);
    for (const auto& [column, title] : titles)
        table_.SetDisplayLabel(store::ColumnText(column), title);
    table_.Open();
    table_.FlushBuffers();
}

bool ReportDesign::isOpen() const
{
    return table_.Active();
}

void ReportDesign::open()
{
    table_.Open();
}

void ReportDesign::storeEdit()
{
    if (editing())
        table_.Post();
}

int ReportDesign::currentRow() const
{
    return table_.RecNo();
}

bool ReportDesign::inReportOrder() const
{
    return table_.IndexName() == ReportOrder;
}

bool ReportDesign::shared() const
{
    return !table_.Exclusive();
}

void ReportDesign::recreate(const QString& alias)
{
    store::RecreateWorkingTable(table_, alias);
}

void ReportDesign::clear()
{
    store::EmptyTable(table_);
}

void ReportDesign::flush()
{
    table_.FlushBuffers();
}

void ReportDesign::close()
{
    store::CloseWorkingTable(table_);
}

void ReportDesign::refresh()
{
    table_.Refresh();
}

int ReportDesign::rowCount() const
{
    return table_.RecordCount();
}

bool ReportDesign::editing() const
{
    return table_.State() == store::TableState::Edit || table_.State() == store::TableState::Insert;
}

void ReportDesign::requireOwn()
{
    store::RequireOwnWorkingTable(table_);
}

std::vector<store::FieldRow> ReportDesign::rowsInReportOrder()
{
    // Choosing the index posts a pending edit, so every row is read.
    table_.SetIndexName(ReportOrder);
    return Walk(table_);
}

std::vector<store::FieldRow> ReportDesign::rowsAsWalked()
{
    return Walk(table_);
}

void ReportDesign::recordDataSide(const QString& field, int side)
{
    const int count = table_.RecordCount();
    table_.SetIndexName(QString());
    if (table_.FindKey({field}))
        table_.Edit();
    else
        store::InsertFieldRow(table_, field, field, count + 1);
    Column(table_, WorkingColumn::DbType).SetAsInteger(side);
    table_.Post();
}

void ReportDesign::numberFields(const QStringList& keys)
{
    table_.SetIndexName(QString());
    for (int i = 0; i < keys.size(); ++i) {
        if (!table_.FindKey({keys[i]}))
            continue;
        table_.Edit();
        Column(table_, WorkingColumn::Order).SetAsInteger(i + 1);
        table_.Post();
    }
}

void ReportDesign::place(const Placement& placement)
{
    table_.SetIndexName(QString());
    try {
        if (table_.FindKey({placement.key}))
            table_.Edit();
        else
            store::InsertFieldRow(table_, placement.key, placement.header, placement.order);
        Column(table_, WorkingColumn::Line).SetAsString(placement.line);
        Column(table_, WorkingColumn::LPosition).SetAsString(placement.start);
        Column(table_, WorkingColumn::RPosition).SetAsString(placement.end);
        table_.Post();
    } catch (...) {
        // A refused cell leaves no row half-edited behind.
        if (table_.State() == store::TableState::Edit || table_.State() == store::TableState::Insert)
            table_.Cancel();
        throw;
    }
}

void ReportDesign::load(store::FieldRecords& records, const QString& path,
                        const std::function<void(const store::ReportFieldRecord&)>& seen)
{
    // The bound controls follow the table once, when the load is over.
    const store::ControlsDisabled quiet(table_);
    Columns columns(table_);
    for (store::ReportFieldRecord record; records.next(record);) {
        try {
            columns.insert(table_, RowOf(record));
            seen(record);
            table_.Post();
        } catch (const base::EngineError& e) {
            // The row being built is not stored; the ones before it stay.
            table_.Cancel();
            throw base::EngineError(store::FieldRecordFailure(e.text(), record.order, path));
        } catch (...) {
            table_.Cancel();
            throw;
        }
    }
    table_.FlushBuffers();
}

bool ReportDesign::goTo(const QString& field)
{
    table_.SetIndexName(QString());
    return table_.FindKey({field});
}

std::optional<store::FieldRow> ReportDesign::current() const
{
    const bool onRow =
        table_.Active() && (table_.RecordCount() > 0 || table_.State() == store::TableState::Insert);
    if (!onRow)
        return std::nullopt;
    return RowAt(table_);
}

void ReportDesign::setCurrentHeader(const QString& header)
{
    if (table_.Active() && table_.RecordCount() > 0)
        Column(table_, WorkingColumn::Header).SetAsString(header);
}

void ReportDesign::setCurrentFlag(store::FieldFlag flag, bool on)
{
    if (table_.Active() && table_.RecordCount() > 0)
        Column(table_, ColumnOf(flag)).SetAsBoolean(on);
}

QString ReportDesign::columnCheckFailure(int maximum)
{
    const store::ControlsDisabled quiet(table_);
    if (QString failure = rules::MarginFailure(maximum, ColumnRecords(Walk(table_))); !failure.isEmpty())
        return failure;
    return rules::OverlapFailure(ColumnRecords(rowsInReportOrder()));
}

QHash<QString, QString> ReportDesign::fieldLabels(const QString& eventCategory)
{
    if (!table_.Active())
        return {};
    if (table_.State() == store::TableState::Browse)
        return rules::FieldLabels(StoredRows(table_), eventCategory);
    // Moving the cursor would store the row being edited: the stored rows are
    // read through a cursor of their own, and the edited row as it stands.
    store::Table stored(table_.session());
    stored.SetDatabaseName(table_.DatabaseName());
    stored.SetTableName(table_.TableName());
    stored.Open();
    std::vector<store::FieldRow> rows = StoredRows(stored);
    rows.push_back(RowAt(table_));
    return rules::FieldLabels(rows, eventCategory);
}

} // namespace design
