#include "tests/store/engine/EngineFixture.h"

#include "store/paradox/PxTable.h"

#include <QFile>

using store::FieldDef;
using store::FieldType;
using store::IndexDef;
using store::Table;

namespace {

class SchemaTest : public EngineTest {
protected:
    Table& tableNamed(const char* name)
    {
        table_ = std::make_unique<Table>(session());
        table_->SetDatabaseName(QStringLiteral("OMNIV"));
        table_->SetTableName(QString::fromLatin1(name));
        return *table_;
    }

private:
    std::unique_ptr<Table> table_;
};

TEST_F(SchemaTest, HostColumnTypesMapToTheEngineTypes)
{
    const struct {
        px::FieldCode code;
        int size;
        FieldType type;
        int defSize;
    } columns[] = {
        {px::FieldCode::Alpha, 30, FieldType::ftString, 30},      {px::FieldCode::Short, 2, FieldType::ftSmallint, 0},
        {px::FieldCode::Long, 4, FieldType::ftInteger, 0},        {px::FieldCode::Number, 8, FieldType::ftFloat, 0},
        {px::FieldCode::Currency, 8, FieldType::ftCurrency, 0},   {px::FieldCode::Logical, 1, FieldType::ftBoolean, 0},
        {px::FieldCode::Date, 4, FieldType::ftDate, 0},           {px::FieldCode::Time, 4, FieldType::ftTime, 0},
        {px::FieldCode::Timestamp, 8, FieldType::ftDateTime, 0},  {px::FieldCode::Memo, 20, FieldType::ftMemo, 10},
        {px::FieldCode::FmtMemo, 11, FieldType::ftFmtMemo, 1},    {px::FieldCode::Blob, 10, FieldType::ftBlob, 0},
        {px::FieldCode::Graphic, 10, FieldType::ftGraphic, 0},    {px::FieldCode::Ole, 10, FieldType::ftParadoxOle, 0},
        {px::FieldCode::Bytes, 16, FieldType::ftBytes, 16},       {px::FieldCode::AutoInc, 4, FieldType::ftAutoInc, 0},
        {px::FieldCode::Bcd, 2, FieldType::ftBCD, 2},
    };
    px::TableDefinition definition;
    for (const auto& c : columns)
        definition.fields.push_back({QStringLiteral("C%1").arg(int(c.code)), c.code, c.size});
    px::writeTable(path(QStringLiteral("HOST.DB")), definition, {});

    Table& table = tableNamed("HOST"); // the extension is added
    table.Open();
    ASSERT_EQ(table.FieldCount(), int(std::size(columns)));
    for (std::size_t i = 0; i < std::size(columns); ++i) {
        const QString name = QStringLiteral("c%1").arg(int(columns[i].code));
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(table.FieldTypeOf(name), columns[i].type);
        EXPECT_EQ(table.FieldDefs()[i].type, columns[i].type);
        EXPECT_EQ(table.FieldDefs()[i].size, columns[i].defSize);
    }
    EXPECT_FALSE(table.FieldTypeOf(QStringLiteral("Nope")).has_value());
    EXPECT_TRUE(table.IndexDefs().empty()) << "a table without a key has no primary index";
}

TEST_F(SchemaTest, OpeningReadsTheHeaderOnlyAndRowsWhenFirstNeeded)
{
    px::TableDefinition definition;
    definition.fields = {{QStringLiteral("Id"), px::FieldCode::Long, 4}, {QStringLiteral("Name"), px::FieldCode::Alpha, 200}};
    definition.keyFieldCount = 1;
    std::vector<std::vector<px::Value>> records;
    for (int i = 0; i < 100; ++i)
        records.push_back({px::Value::ofInteger(i), px::Value::ofText(QStringLiteral("n%1").arg(i))});
    const QString file = path(QStringLiteral("CONTACT.DB"));
    px::writeTable(file, definition, records);

    // Break the chain after the first data block: only reading the rows can notice.
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    QByteArray bytes = damaged.readAll();
    const int headerSize = quint8(bytes[2]) | (quint8(bytes[3]) << 8);
    bytes[headerSize] = char(0xE7);
    bytes[headerSize + 1] = char(0x03);
    damaged.seek(0);
    damaged.write(bytes);
    damaged.close();

    Table& table = tableNamed("CONTACT.DB");
    table.Open();
    EXPECT_EQ(table.FieldCount(), 2);
    EXPECT_EQ(table.FieldTypeOf(QStringLiteral("NAME")), FieldType::ftString);
    ASSERT_EQ(table.IndexDefs().size(), 1u);
    EXPECT_EQ(table.IndexDefs()[0].fields, QStringLiteral("Id"));
    EXPECT_TRUE(errorOf([&] { table.RecordCount(); }).contains(tablePath(QStringLiteral("CONTACT.DB"))));
}

TEST_F(SchemaTest, CreateTableRefusesDefinitionsItCannotKeep)
{
    const FieldDef id{QStringLiteral("Id"), FieldType::ftInteger, 0, true};
    const FieldDef name{QStringLiteral("Name"), FieldType::ftString, 20, false};
    const struct {
        const char* what;
        std::vector<FieldDef> fields;
        std::vector<IndexDef> indexes;
        const char* error;
    } cases[] = {
        {"no fields", {}, {}, "A table needs 1 to 255 fields."},
        {"text without size", {id, {QStringLiteral("Name"), FieldType::ftString, 0, false}}, {},
         "Invalid size 0 for field 'Name' (1 to 255)."},
        {"same name twice", {id, {QStringLiteral("ID"), FieldType::ftString, 5, false}}, {},
         "Duplicate field name: 'ID'"},
        {"type Paradox lacks", {{QStringLiteral("W"), FieldType::ftWord, 0, false}}, {},
         "Field 'W' has a type that a Paradox table cannot hold."},
        {"key not first", {id, name}, {{QStringLiteral("P"), QStringLiteral("Name"), true, true, false}},
         "The fields of the primary index must be the first fields of the table, in order. Index: P"},
        {"unknown index field", {id, name}, {{QStringLiteral("P"), QStringLiteral("Id;City"), true, true, false}},
         "Index field 'City' not found. Index: P"},
        {"secondary without primary", {id, name}, {{QStringLiteral("iName"), QStringLiteral("Name"), false, false, true}},
         "A secondary index needs a primary index. Index: iName"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Table& table = tableNamed("NEW.DB");
        table.FieldDefs() = c.fields;
        table.IndexDefs() = c.indexes;
        EXPECT_EQ(errorOf([&] { table.CreateTable(); }), QString::fromLatin1(c.error));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("NEW.DB"))));
    }
}

} // namespace
