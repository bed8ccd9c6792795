#include "rules/FieldLabels.h"

#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"

namespace rules {

namespace {

constexpr int EventField = 1;

// The current row of the table as it stands, pending changes included: its
// header, or the name the field lists show while the header is empty or still
// the stored name a new row starts with.
void AddRow(store::Table& table, const QString& eventCategory, QHash<QString, QString>& labels)
{
    const QString field = table.FieldByName(QStringLiteral("Field")).AsString();
    const bool event = table.FieldByName(QStringLiteral("DbType")).AsInteger() == EventField;
    const QString shown = event ? GetEventDisplayName(eventCategory, field) : field;
    const QString header = table.FieldByName(QStringLiteral("Header")).AsString();
    const QString label = header.isEmpty() || header == field ? shown : header;
    labels.insert(field, label);
    labels.insert(shown, label);
}

// Every stored row, walked with the cursor's bound controls quiet, the cursor
// put back on its row.
void AddStoredRows(store::Table& table, const QString& eventCategory, QHash<QString, QString>& labels)
{
    const store::ControlsDisabled quiet(table);
    const bool atEnd = table.Eof();
    const int recNo = table.RecNo();
    for (table.First(); !table.Eof(); table.Next())
        AddRow(table, eventCategory, labels);
    if (!atEnd && recNo > 0)
        table.SetRecNo(recNo);
}

} // namespace

QHash<QString, QString> FieldLabels(store::Table& table, const QString& eventCategory)
{
    QHash<QString, QString> labels;
    if (!table.Active())
        return labels;
    if (table.State() == store::TableState::Browse) {
        AddStoredRows(table, eventCategory, labels);
        return labels;
    }
    // Moving the cursor would store the row being edited: the stored rows are
    // read through a cursor of their own, and the edited row as it stands.
    store::Table stored(table.session());
    stored.SetDatabaseName(table.DatabaseName());
    stored.SetTableName(table.TableName());
    stored.Open();
    AddStoredRows(stored, eventCategory, labels);
    AddRow(table, eventCategory, labels);
    return labels;
}

} // namespace rules
