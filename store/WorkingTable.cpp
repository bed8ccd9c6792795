#include "store/WorkingTable.h"

#include "base/EngineError.h"
#include "store/engine/Session.h"
#include "store/engine/SharedTable.h"
#include "store/engine/TableFiles.h"

namespace store {

QString ColumnText(WorkingColumn column)
{
    return QString::fromLatin1(ColumnName(column));
}

std::vector<FieldDef> WorkingTableFields()
{
    using enum WorkingColumn;
    std::vector<FieldDef> fields;
    for (const WorkingColumn column : {Field, Order, Header, LDots, RDots, Total, Count, Average, Min, Max, DbType,
                                       Line, LPosition, RPosition}) {
        const bool text = column == Field || column == Header;
        const bool number = column == Order || column >= DbType;
        const FieldType type = text ? FieldType::ftString : number ? FieldType::ftInteger : FieldType::ftBoolean;
        fields.push_back(FieldDef{ColumnText(column), type, text ? 50 : 0, column == Field || column == Order});
    }
    return fields;
}

std::vector<IndexDef> WorkingTableIndexes()
{
    return {IndexDef{QStringLiteral("PrimaryField"), ColumnText(WorkingColumn::Field), true, true, false},
            IndexDef{QStringLiteral("iOrder"), ColumnText(WorkingColumn::Line) + u';' + ColumnText(WorkingColumn::Order),
                     false, false, true}};
}

void DefineWorkingTable(Table& table, const QString& alias)
{
    table.Close();
    table.SetDatabaseName(alias);
    table.SetTableName(WorkingTableName);
    table.FieldDefs() = WorkingTableFields();
    table.IndexDefs() = WorkingTableIndexes();
}

void RecreateWorkingTable(Table& table, const QString& alias, Leftovers leftovers)
{
    // Deleting the old table removes its companions, which reads the directory; creating replaces the table anyway.
    if (leftovers == Leftovers::Remove) {
        try {
            table.Close();
            table.SetDatabaseName(alias);
            table.SetTableName(WorkingTableName);
            table.DeleteTable();
        } catch (const base::EngineError&) {
            // No old table, or one that cannot go: creating replaces it or says why not.
        }
    }
    DefineWorkingTable(table, alias);
    table.CreateTable(leftovers);
}

void RequireOwnWorkingTable(Table& table)
{
    if (table.Active())
        table.session().sharedTable(detail::canonicalTablePath(table.filePath()))->requireUnreplaced();
}

void CloseWorkingTable(Table& table)
{
    QString path;
    try {
        path = detail::canonicalTablePath(table.filePath());
        table.Close();
    } catch (const base::EngineError&) {
        // No table to close, or one that could not be written: the end of the program goes on.
    }
    if (!path.isEmpty())
        detail::TableLock::removeLockFileIfFree(path);
}

void EmptyTable(Table& table)
{
    table.Open();
    table.EmptyTable();
}

void InsertFieldRow(Table& table, const QString& field, const QString& header, int order)
{
    using enum WorkingColumn;
    table.Insert();
    table.FieldByName(ColumnText(Field)).SetAsString(field);
    table.FieldByName(ColumnText(Header)).SetAsString(header);
    table.FieldByName(ColumnText(Order)).SetAsInteger(order);
    for (const WorkingColumn flag : {LDots, RDots, Total, Count, Average, Min, Max})
        table.FieldByName(ColumnText(flag)).SetAsBoolean(false);
}

} // namespace store
