#include "store/engine/TableSchema.h"

#include "base/EngineError.h"

#include <QCoreApplication>
#include <QSet>

namespace store::detail {
namespace {

struct TypeRow {
    px::FieldCode code;
    FieldType type;
    int fixedSize; // bytes in the record; 0 when the definition gives the size
};

// A memo or blob column keeps a reference of 10 bytes in the record after the
// leading part of its value that the definition's size gives (1 to 240).
constexpr int kBlobReference = 10;
constexpr int kBcdDigits = 32;

const TypeRow kTypes[] = {
    {px::FieldCode::Alpha, FieldType::ftString, 0},
    {px::FieldCode::Date, FieldType::ftDate, 4},
    {px::FieldCode::Short, FieldType::ftSmallint, 2},
    {px::FieldCode::Long, FieldType::ftInteger, 4},
    {px::FieldCode::Currency, FieldType::ftCurrency, 8},
    {px::FieldCode::Number, FieldType::ftFloat, 8},
    {px::FieldCode::Logical, FieldType::ftBoolean, 1},
    {px::FieldCode::Memo, FieldType::ftMemo, 0},
    {px::FieldCode::Blob, FieldType::ftBlob, 0},
    {px::FieldCode::FmtMemo, FieldType::ftFmtMemo, 0},
    {px::FieldCode::Ole, FieldType::ftParadoxOle, 0},
    {px::FieldCode::Graphic, FieldType::ftGraphic, 0},
    {px::FieldCode::Time, FieldType::ftTime, 4},
    {px::FieldCode::Timestamp, FieldType::ftDateTime, 8},
    {px::FieldCode::AutoInc, FieldType::ftAutoInc, 4},
    {px::FieldCode::Bcd, FieldType::ftBCD, 0}, // the size is the number of decimals
    {px::FieldCode::Bytes, FieldType::ftBytes, 0},
};

const TypeRow* rowOf(FieldType type)
{
    for (const TypeRow& row : kTypes)
        if (row.type == type)
            return &row;
    return nullptr;
}

bool isBlobKind(px::FieldCode code)
{
    return code == px::FieldCode::Memo || code == px::FieldCode::Blob || code == px::FieldCode::FmtMemo
        || code == px::FieldCode::Ole || code == px::FieldCode::Graphic;
}

} // namespace

FieldType fieldTypeOf(px::FieldCode code)
{
    for (const TypeRow& row : kTypes)
        if (row.code == code)
            return row.type;
    return FieldType::ftUnknown;
}

std::vector<FieldDef> fieldDefsOf(const px::Header& header)
{
    std::vector<FieldDef> defs;
    for (const px::FieldDesc& f : header.fields) {
        FieldDef def;
        def.name = f.name;
        def.type = fieldTypeOf(f.code);
        const TypeRow* row = rowOf(def.type);
        def.size = row && row->fixedSize == 0 ? f.size - (isBlobKind(f.code) ? kBlobReference : 0) : 0;
        defs.push_back(def);
    }
    return defs;
}

IndexDef primaryIndexOf(const px::Header& header)
{
    IndexDef index;
    QStringList names;
    for (int i = 0; i < header.keyFieldCount && i < int(header.fields.size()); ++i)
        names << header.fields[i].name;
    index.fields = names.join(u';');
    index.primary = true;
    index.unique = true;
    return index;
}

int columnOf(const std::vector<px::FieldDesc>& fields, const QString& name)
{
    for (int i = 0; i < int(fields.size()); ++i)
        if (fields[i].name.size() == name.size() && fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::vector<int> indexColumns(const std::vector<px::FieldDesc>& fields, const IndexDef& index)
{
    std::vector<int> columns;
    for (const QString& part : index.fields.split(u';')) {
        const QString name = part.trimmed();
        const int column = columnOf(fields, name);
        if (column < 0)
            throw base::EngineError(
                QCoreApplication::translate("Engine", "Index field '%1' not found. Index: %2").arg(name, index.name));
        columns.push_back(column);
    }
    return columns;
}

px::TableDefinition definitionOf(const std::vector<FieldDef>& fields, const std::vector<IndexDef>& indexes)
{
    if (fields.empty() || fields.size() > 255)
        throw base::EngineError(QCoreApplication::translate("Engine", "A table needs 1 to 255 fields."));
    px::TableDefinition definition;
    // The tables a session creates are its working tables, made anew at every start:
    // replaced whole, so a reader never sees half a table, but not waited for on disk.
    definition.durable = false;
    QSet<QString> seen;
    for (const FieldDef& def : fields) {
        const QString name = def.name.trimmed();
        if (name.isEmpty() || name.size() > 25)
            throw base::EngineError(QCoreApplication::translate("Engine", "Invalid field name: '%1'").arg(def.name));
        if (seen.contains(name.toUpper()))
            throw base::EngineError(QCoreApplication::translate("Engine", "Duplicate field name: '%1'").arg(name));
        seen.insert(name.toUpper());
        const TypeRow* row = rowOf(def.type);
        if (!row)
            throw base::EngineError(
                QCoreApplication::translate("Engine", "Field '%1' has a type that a Paradox table cannot hold.")
                    .arg(name));
        int size = row->fixedSize;
        if (size == 0) {
            const bool blob = isBlobKind(row->code);
            const int low = row->code == px::FieldCode::Bcd ? 0 : 1;
            const int high = row->code == px::FieldCode::Bcd ? kBcdDigits : (blob ? 240 : 255);
            if (def.size < low || def.size > high)
                throw base::EngineError(
                    QCoreApplication::translate("Engine", "Invalid size %1 for field '%2' (%3 to %4).")
                        .arg(QString::number(def.size), name, QString::number(low), QString::number(high)));
            size = def.size + (blob ? kBlobReference : 0);
        }
        definition.fields.push_back(px::FieldDesc{name, row->code, size});
    }

    const IndexDef* primary = nullptr;
    QSet<QString> indexNames;
    for (const IndexDef& index : indexes) {
        std::vector<int> columns = indexColumns(definition.fields, index);
        if (!index.name.isEmpty()) {
            if (indexNames.contains(index.name.toUpper()))
                throw base::EngineError(
                    QCoreApplication::translate("Engine", "Duplicate index name: '%1'").arg(index.name));
            indexNames.insert(index.name.toUpper());
        }
        if (!index.primary) {
            if (index.name.isEmpty())
                throw base::EngineError(QCoreApplication::translate("Engine", "A secondary index needs a name."));
            continue;
        }
        if (primary)
            throw base::EngineError(QCoreApplication::translate("Engine", "A table can have only one primary index."));
        primary = &index;
        for (int i = 0; i < int(columns.size()); ++i)
            if (columns[i] != i)
                throw base::EngineError(QCoreApplication::translate(
                                            "Engine",
                                            "The fields of the primary index must be the first fields of the table, "
                                            "in order. Index: %1")
                                            .arg(index.name));
        definition.keyFieldCount = int(columns.size());
    }
    for (const IndexDef& index : indexes)
        if (!index.primary && !primary)
            throw base::EngineError(
                QCoreApplication::translate("Engine", "A secondary index needs a primary index. Index: %1")
                    .arg(index.name));
    return definition;
}

} // namespace store::detail
