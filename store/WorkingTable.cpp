#include "store/WorkingTable.h"

#include "base/EngineError.h"
#include "store/engine/Session.h"
#include "store/engine/SharedTable.h"
#include "store/engine/TableFiles.h"

namespace store {

std::vector<FieldDef> WorkingTableFields()
{
    struct Column {
        const char* name;
        FieldType type;
        int size;
        bool required;
    };
    static const Column kColumns[] = {
        {"Field", FieldType::ftString, 50, true},
        {"Order", FieldType::ftInteger, 0, true},
        {"Header", FieldType::ftString, 50, false},
        {"LDots", FieldType::ftBoolean, 0, false},
        {"RDots", FieldType::ftBoolean, 0, false},
        {"Total", FieldType::ftBoolean, 0, false},
        {"Count", FieldType::ftBoolean, 0, false},
        {"Average", FieldType::ftBoolean, 0, false},
        {"Min", FieldType::ftBoolean, 0, false},
        {"Max", FieldType::ftBoolean, 0, false},
        {"DbType", FieldType::ftInteger, 0, false},
        {"Line", FieldType::ftInteger, 0, false},
        {"LPosition", FieldType::ftInteger, 0, false},
        {"RPosition", FieldType::ftInteger, 0, false},
    };
    std::vector<FieldDef> fields;
    for (const Column& column : kColumns)
        fields.push_back(FieldDef{QString::fromLatin1(column.name), column.type, column.size, column.required});
    return fields;
}

std::vector<IndexDef> WorkingTableIndexes()
{
    return {IndexDef{QStringLiteral("PrimaryField"), QStringLiteral("Field"), true, true, false},
            IndexDef{QStringLiteral("iOrder"), QStringLiteral("Line;Order"), false, false, true}};
}

void DefineWorkingTable(Table& table, const QString& alias)
{
    table.Close();
    table.SetDatabaseName(alias);
    table.SetTableName(WorkingTableName);
    table.FieldDefs() = WorkingTableFields();
    table.IndexDefs() = WorkingTableIndexes();
}

void RecreateWorkingTable(Table& table, const QString& alias)
{
    try {
        table.Close();
        table.SetDatabaseName(alias);
        table.SetTableName(WorkingTableName);
        table.DeleteTable();
    } catch (const base::EngineError&) {
        // No old table, or one that cannot go: creating replaces it or says why not.
    }
    DefineWorkingTable(table, alias);
    table.CreateTable();
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
    table.Insert();
    table.FieldByName(QStringLiteral("Field")).SetAsString(field);
    table.FieldByName(QStringLiteral("Header")).SetAsString(header);
    table.FieldByName(QStringLiteral("Order")).SetAsInteger(order);
    for (const char* flag : {"LDots", "RDots", "Total", "Count", "Average", "Min", "Max"})
        table.FieldByName(QString::fromLatin1(flag)).SetAsBoolean(false);
}

} // namespace store
