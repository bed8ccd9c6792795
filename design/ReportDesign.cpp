#include "design/ReportDesign.h"

#include "design/detail/WorkingRows.h"
#include "base/EngineError.h"
#include "rules/ColumnCheck.h"
#include "rules/EventFieldMap.h"
#include "rules/FieldLabels.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "store/report/ReportReader.h"

#include <QSet>

namespace design {

namespace {

using store::WorkingColumn;
using namespace detail;

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

FieldGridModel* ReportDesign::gridModel(QList<GridColumn> columns, QObject* parent)
{
    return new FieldGridModel(table_, std::move(columns), parent);
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

void ReportDesign::recreate(const QString& alias, store::Leftovers leftovers)
{
    store::RecreateWorkingTable(table_, alias, leftovers);
}

void ReportDesign::removeLeftovers()
{
    table_.RemoveLeftovers();
}

void ReportDesign::clear()
{
    store::EmptyTable(table_);
}

void ReportDesign::flush()
{
    store::RequireOwnWorkingTable(table_);
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

bool ReportDesign::lost()
{
    try {
        store::RequireOwnWorkingTable(table_);
        return false;
    } catch (const base::EngineError&) {
        return true;
    }
}

std::vector<store::FieldRow> ReportDesign::rowsInReportOrder()
{
    // Choosing the index posts a pending edit, so every row is read.
    table_.SetIndexName(ReportOrder);
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

void ReportDesign::numberFields(const QStringList& entries, const QString& eventCategory)
{
    table_.SetIndexName(QString());
    QSet<QString> numbered;
    const auto numberRow = [&](const QString& key, int place) {
        if (numbered.contains(key) || !table_.FindKey({key}))
            return false;
        table_.Edit();
        Column(table_, WorkingColumn::Order).SetAsInteger(place);
        table_.Post();
        numbered.insert(key);
        return true;
    };
    for (int i = 0; i < entries.size(); ++i) {
        const QString& entry = entries[i];
        if (!numberRow(entry, i + 1))
            numberRow(rules::GetEventFieldName(eventCategory, entry), i + 1);
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

std::vector<store::FieldRow> ReportDesign::load(store::FieldRecords& records, const QString& path,
                                                const std::function<void(const store::FieldRow&)>& seen)
{
    // The bound controls follow the table once, when the load is over.
    const store::ControlsDisabled quiet(table_);
    Columns columns(table_);
    std::vector<store::FieldRow> rows;
    for (store::FieldRow row; records.next(row);) {
        try {
            columns.insert(table_, row);
            seen(row);
            table_.Post();
            rows.push_back(std::move(row));
        } catch (const base::EngineError& e) {
            // The row being built is not stored; the ones before it stay.
            table_.Cancel();
            throw base::EngineError(store::FieldRecordFailure(e.text(), row.order, path));
        } catch (...) {
            table_.Cancel();
            throw;
        }
    }
    return rows;
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
