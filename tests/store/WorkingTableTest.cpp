#include "tests/store/engine/EngineFixture.h"

#include "store/paradox/PxTable.h"

#include <QFile>

using store::FieldType;
using store::Session;
using store::Table;
using store::TableState;

namespace {

class WorkingTableTest : public EngineTest {};

TEST_F(WorkingTableTest, RecreatingOverAnOldTableLeavesItEmptyWithTheFourteenColumns)
{
    {
        auto old = openWorkingTable(true);
        addRow(*old, QStringLiteral("Name"), 1, 1);
        addRow(*old, QStringLiteral("City"), 2, 1);
    }
    QFile stale(path(QStringLiteral("TRDATA.PX")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    Table table(session());
    store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
    EXPECT_FALSE(table.Active());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("TRDATA.PX"))));

    table.Open();
    EXPECT_EQ(table.RecordCount(), 0);
    const std::pair<const char*, FieldType> columns[] = {
        {"Field", FieldType::ftString},    {"Order", FieldType::ftInteger},  {"Header", FieldType::ftString},
        {"LDots", FieldType::ftBoolean},   {"RDots", FieldType::ftBoolean},  {"Total", FieldType::ftBoolean},
        {"Count", FieldType::ftBoolean},   {"Average", FieldType::ftBoolean}, {"Min", FieldType::ftBoolean},
        {"Max", FieldType::ftBoolean},     {"DbType", FieldType::ftInteger}, {"Line", FieldType::ftInteger},
        {"LPosition", FieldType::ftInteger}, {"RPosition", FieldType::ftInteger},
    };
    ASSERT_EQ(table.FieldCount(), 14);
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(columns[i].first);
        EXPECT_EQ(table.Fields(i).FieldName(), QString::fromLatin1(columns[i].first));
        EXPECT_EQ(table.Fields(i).DataType(), columns[i].second);
        EXPECT_EQ(table.FieldTypeOf(QString::fromLatin1(columns[i].first).toLower()), columns[i].second);
    }
    EXPECT_EQ(table.FieldByName(QStringLiteral("field")).Size(), 50);
    EXPECT_EQ(table.FieldByName(QStringLiteral("Header")).Size(), 50);
    ASSERT_EQ(table.IndexDefs().size(), 2u);
    EXPECT_EQ(table.IndexDefs()[0].name, QStringLiteral("PrimaryField"));
    EXPECT_EQ(table.IndexDefs()[1].fields, QStringLiteral("Line;Order"));
    table.SetIndexName(QStringLiteral("iOrder"));
}

TEST_F(WorkingTableTest, RecreatingWithNoOldTableCreatesIt)
{
    QFile::remove(path(store::WorkingTableName));
    Table table(session());
    store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
    EXPECT_TRUE(QFile::exists(path(store::WorkingTableName)));
}

TEST_F(WorkingTableTest, UnknownAliasStopsTheCreation)
{
    Table table(session());
    EXPECT_TRUE(errorOf([&] { store::RecreateWorkingTable(table, QStringLiteral("NOPE")); })
                    .startsWith(QStringLiteral("Unknown database alias: NOPE")));
}

TEST_F(WorkingTableTest, EmptyingOpensTheTableAndRemovesEveryRow)
{
    Table table(session());
    table.SetDatabaseName(QStringLiteral("OMNIV"));
    table.SetTableName(store::WorkingTableName);
    store::EmptyTable(table); // closed and empty: opened, nothing to remove
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.RecordCount(), 0);

    for (int i = 1; i <= 5; ++i)
        addRow(table, QStringLiteral("f%1").arg(i), i, 6 - i);
    table.SetIndexName(QStringLiteral("iOrder"));
    ASSERT_TRUE(table.FindKey({QStringLiteral("f3")}));
    table.FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("being edited"));
    ASSERT_EQ(table.State(), TableState::Edit);

    store::EmptyTable(table);
    EXPECT_EQ(table.State(), TableState::Browse);
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_TRUE(table.Eof());
}

TEST_F(WorkingTableTest, RowsReadBackFromDiskInAFreshSession)
{
    {
        auto table = openWorkingTable(true);
        addRow(*table, QStringLiteral("Name"), 2, 1);
        table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("Full name"));
        table->FieldByName(QStringLiteral("LDots")).SetAsBoolean(true);
        table->FieldByName(QStringLiteral("RDots")).SetAsBoolean(false);
        table->FieldByName(QStringLiteral("LPosition")).SetAsInteger(1);
        table->FieldByName(QStringLiteral("RPosition")).SetAsInteger(300);
        table->Post();
        addRow(*table, QStringLiteral("City"), 1);
    }
    Session fresh(configPath());
    auto table = openWorkingTable(false, &fresh);
    ASSERT_EQ(table->RecordCount(), 2);
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"City", "Name"}));
    ASSERT_TRUE(table->FindKey({QStringLiteral("Name")}));
    const auto text = [&](const char* column) { return table->FieldByName(QString::fromLatin1(column)).AsString(); };
    EXPECT_EQ(text("Order"), QStringLiteral("2"));
    EXPECT_EQ(text("Header"), QStringLiteral("Full name"));
    EXPECT_EQ(text("LDots"), QStringLiteral("True"));
    EXPECT_EQ(text("RDots"), QStringLiteral("False"));
    EXPECT_EQ(text("Total"), QString()) << "never written: no value";
    EXPECT_EQ(text("Line"), QStringLiteral("1"));
    EXPECT_EQ(text("LPosition"), QStringLiteral("1"));
    EXPECT_EQ(text("RPosition"), QStringLiteral("300"));
    EXPECT_EQ(text("DbType"), QString());
    ASSERT_TRUE(table->FindKey({QStringLiteral("City")}));
    EXPECT_TRUE(table->FieldByName(QStringLiteral("Line")).IsNull());

    // Only the session that created the table knows its secondary index.
    EXPECT_EQ(errorOf([&] { table->SetIndexName(QStringLiteral("iOrder")); }),
              QStringLiteral("Index does not exist. Index: iOrder"));
}

TEST_F(WorkingTableTest, ChangesReachTheDiskWhenFlushedOrClosed)
{
    const auto onDisk = [&] {
        Session other(configPath()); // reads the file, as another program would
        auto table = openWorkingTable(false, &other);
        return fieldsInOrder(*table);
    };
    auto table = openWorkingTable();
    addRow(*table, QStringLiteral("Name"), 1);
    addRow(*table, QStringLiteral("City"), 2);
    EXPECT_EQ(onDisk(), QStringList()) << "a post stays in memory";
    table->FlushBuffers();
    EXPECT_EQ(onDisk(), QStringList({"City", "Name"}));

    ASSERT_TRUE(table->FindKey({QStringLiteral("City")}));
    table->Delete();
    addRow(*table, QStringLiteral("Zip"), 3);
    table->FlushBuffers();
    EXPECT_EQ(onDisk(), QStringList({"Name", "Zip"}));
    table->EmptyTable();
    table->Close();
    EXPECT_EQ(onDisk(), QStringList());
}

} // namespace

// A report is written from the working table only while it is still the one this
// copy holds: not after an older program rewrote it, nor after another copy on a
// mount whose locks stay on one machine took it over.
TEST_F(WorkingTableTest, AReportIsNotWrittenFromATableAnotherCopyReplacedOrTookOver)
{
    enum class Other { Nothing, RewritesTheFile, TakesTheLock, StartsUp };
    const struct {
        const char* name;
        Other other;
    } cases[] = {{"untouched", Other::Nothing},
                 {"rewritten", Other::RewritesTheFile},
                 {"lock taken over", Other::TakesTheLock},
                 {"another start-up", Other::StartsUp}};
    const LocksStayOnOneMachine simulated;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session other(configPath());
        Table fresh(session());
        store::RecreateWorkingTable(fresh, QStringLiteral("OMNIV"));
        auto holder = openWorkingTable(true);
        addRow(*holder, QStringLiteral("Company"), 1);
        holder->FlushBuffers();
        std::unique_ptr<Table> otherView;
        Table maker(other);
        switch (c.other) {
        case Other::Nothing:
            break;
        case Other::RewritesTheFile:
            px::writeTable(path(store::WorkingTableName), {{{QStringLiteral("Field"), px::FieldCode::Alpha, 50}}}, {});
            break;
        case Other::TakesTheLock:
            otherView = openWorkingTable(true, &other);
            break;
        case Other::StartsUp:
            store::RecreateWorkingTable(maker, QStringLiteral("OMNIV"));
            break;
        }
        const QString error = errorOf([&] { store::RequireOwnWorkingTable(*holder); });
        if (c.other == Other::Nothing)
            EXPECT_EQ(error, QStringLiteral("(no error)"));
        else
            EXPECT_TRUE(error.startsWith(QStringLiteral("Table was replaced by another copy of the program: ") +
                                         tablePath(store::WorkingTableName)))
                << error.toStdString();
    }
}
