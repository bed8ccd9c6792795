#include "tests/store/engine/EngineFixture.h"

#include <QSignalSpy>

using store::Table;
using store::TableState;

namespace {

class CursorTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        table = openWorkingTable(true);
    }

    QString current() { return table->FieldByName(QStringLiteral("field")).AsString(); }
    QString header() { return table->FieldByName(QStringLiteral("Header")).AsString(); }

    std::unique_ptr<Table> table;
};

TEST_F(CursorTest, OrderIndexWalksLineThenOrderWithNoLineFirst)
{
    addRow(*table, QStringLiteral("c"), 3, 2);
    addRow(*table, QStringLiteral("a"), 5, 1);
    addRow(*table, QStringLiteral("b"), 9);
    addRow(*table, QStringLiteral("d"), 1, 1);
    addRow(*table, QStringLiteral("y"), 2, 1);
    addRow(*table, QStringLiteral("x"), 2, 1); // same line and order as y: key order decides
    addRow(*table, QStringLiteral("e"), 1, 2);

    table->SetIndexName(QStringLiteral("iOrder"));
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"b", "d", "x", "y", "a", "e", "c"}));
    table->SetIndexName(QString());
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"a", "b", "c", "d", "e", "x", "y"}));
}

TEST_F(CursorTest, PrimaryKeyOrdersAndFindsByExactCase)
{
    for (const char* name : {"memo", "B", "a", "A", "b"})
        addRow(*table, QString::fromLatin1(name), 1);
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"A", "B", "a", "b", "memo"}));

    table->First();
    table->Next();
    ASSERT_EQ(current(), QStringLiteral("B"));
    EXPECT_FALSE(table->FindKey({QStringLiteral("Memo")}));
    EXPECT_EQ(current(), QStringLiteral("B")) << "a failed lookup keeps the position";
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_TRUE(table->FindKey({QStringLiteral("memo")}));
    EXPECT_EQ(current(), QStringLiteral("memo"));
    EXPECT_FALSE(table->Eof());

    // Under another index the row is found where that index puts it.
    table->SetIndexName(QStringLiteral("iOrder"));
    EXPECT_TRUE(table->FindKey({QStringLiteral("a")}));
    EXPECT_EQ(current(), QStringLiteral("a"));
}

TEST_F(CursorTest, SecondRowWithTheSameKeyIsAKeyViolation)
{
    addRow(*table, QStringLiteral("Name"), 1);
    addRow(*table, QStringLiteral("City"), 2);
    EXPECT_EQ(errorOf([&] { addRow(*table, QStringLiteral("Name"), 3); }), QStringLiteral("Key violation."));
    EXPECT_EQ(table->State(), TableState::Insert) << "the refused row stays pending";
    table->Cancel();
    EXPECT_EQ(table->RecordCount(), 2);

    ASSERT_TRUE(table->FindKey({QStringLiteral("City")}));
    table->FieldByName(QStringLiteral("Field")).SetAsString(QStringLiteral("Name"));
    EXPECT_EQ(errorOf([&] { table->Post(); }), QStringLiteral("Key violation."));
    table->FieldByName(QStringLiteral("Field")).SetAsString(QStringLiteral("name"));
    table->Post();
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"Name", "name"}));
}

TEST_F(CursorTest, PostRequiresTheRequiredColumns)
{
    struct Case {
        const char* field;
        std::optional<int> order;
        const char* error;
    } cases[] = {
        {"", std::nullopt, "Field 'Field' must have a value"},
        {"Name", std::nullopt, "Field 'Order' must have a value"},
        {"", 1, "Field 'Field' must have a value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        table->Insert();
        table->FieldByName(QStringLiteral("Field")).SetAsString(QString::fromLatin1(c.field));
        if (c.order)
            table->FieldByName(QStringLiteral("Order")).SetAsInteger(*c.order);
        EXPECT_EQ(errorOf([&] { table->Post(); }), QString::fromLatin1(c.error));
        table->Cancel();
    }

    // A cursor may require more, and names the column by its label.
    table->SetRequired(QStringLiteral("RPosition"), true);
    table->SetDisplayLabel(QStringLiteral("RPosition"), QStringLiteral("Right Margin"));
    EXPECT_EQ(errorOf([&] { addRow(*table, QStringLiteral("Name"), 1); }),
              QStringLiteral("Field 'Right Margin' must have a value"));
    table->FieldByName(QStringLiteral("RPosition")).SetAsInteger(20);
    table->Post();
    EXPECT_EQ(table->RecordCount(), 1);
}

TEST_F(CursorTest, MovingOrChangingTheIndexPostsAPendingEdit)
{
    addRow(*table, QStringLiteral("a"), 1, 1);
    addRow(*table, QStringLiteral("b"), 2, 1);
    const std::vector<std::pair<const char*, std::function<void()>>> moves = {
        {"FindKey", [&] { table->FindKey({QStringLiteral("b")}); }},
        {"SetIndexName", [&] { table->SetIndexName(QStringLiteral("iOrder")); }},
        {"First", [&] { table->First(); }},
        {"Next", [&] { table->Next(); }},
        {"Refresh", [&] { table->Refresh(); }},
    };
    for (const auto& [name, move] : moves) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(table->FindKey({QStringLiteral("a")}));
        table->FieldByName(QStringLiteral("Header")).SetAsString(QString::fromLatin1(name));
        EXPECT_EQ(table->State(), TableState::Edit) << "a field write starts an edit";
        EXPECT_TRUE(table->Modified());
        move();
        EXPECT_EQ(table->State(), TableState::Browse);
        ASSERT_TRUE(table->FindKey({QStringLiteral("a")}));
        EXPECT_EQ(header(), QString::fromLatin1(name));
    }
}

TEST_F(CursorTest, CancelAndCloseDiscardAPendingChange)
{
    addRow(*table, QStringLiteral("a"), 1);
    addRow(*table, QStringLiteral("b"), 2);
    ASSERT_TRUE(table->FindKey({QStringLiteral("b")}));

    table->Edit();
    table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("changed"));
    table->Cancel();
    EXPECT_EQ(header(), QString());

    table->Insert();
    EXPECT_TRUE(table->FieldByName(QStringLiteral("Field")).IsNull()) << "a new row starts empty";
    table->FieldByName(QStringLiteral("Field")).SetAsString(QStringLiteral("c"));
    table->Cancel();
    EXPECT_EQ(current(), QStringLiteral("b")) << "cancelling an insert returns to the former row";
    EXPECT_EQ(table->RecordCount(), 2);

    table->Insert();
    table->First(); // an untouched new row is dropped, not posted
    EXPECT_EQ(table->RecordCount(), 2);

    table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("lost"));
    table->Close();
    table->Open();
    EXPECT_EQ(header(), QString());
}

TEST_F(CursorTest, DeleteMovesToTheNextRowAndEofFollowsTheEnd)
{
    EXPECT_TRUE(table->Eof()) << "an empty table is at its end";
    EXPECT_EQ(table->RecNo(), 0);
    EXPECT_EQ(errorOf([&] { table->Delete(); }),
              QStringLiteral("Cannot perform this operation on an empty dataset"));
    for (const char* name : {"a", "b", "c", "d"})
        addRow(*table, QString::fromLatin1(name), 1);

    table->First();
    table->Next();
    table->Delete();
    EXPECT_EQ(current(), QStringLiteral("c"));
    EXPECT_FALSE(table->Eof());

    table->Edit();
    table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("ignored"));
    table->Delete(); // the pending edit is dropped, the row goes
    EXPECT_EQ(current(), QStringLiteral("d"));
    EXPECT_EQ(fieldsInOrder(*table), QStringList({"a", "d"}));
    EXPECT_TRUE(table->Eof()) << "Next past the last row";
    EXPECT_EQ(current(), QStringLiteral("d")) << "and the cursor stays on it";

    table->Delete();
    EXPECT_TRUE(table->Eof()) << "deleting the last row ends the table";
    EXPECT_EQ(current(), QStringLiteral("a"));
    EXPECT_EQ(table->RecordCount(), 1);
}

TEST_F(CursorTest, CursorsOfOneSessionShareTheRows)
{
    auto second = openWorkingTable();
    second->SetIndexName(QStringLiteral("iOrder"));
    addRow(*table, QStringLiteral("a"), 1, 1);
    addRow(*table, QStringLiteral("b"), 2, 1);
    EXPECT_EQ(second->RecordCount(), 2);
    EXPECT_EQ(fieldsInOrder(*second), QStringList({"a", "b"}));

    second->First();
    second->FieldByName(QStringLiteral("LINE")).SetAsInteger(2);
    second->Post();
    EXPECT_EQ(fieldsInOrder(*second), QStringList({"b", "a"}));

    ASSERT_TRUE(table->FindKey({QStringLiteral("a")}));
    EXPECT_EQ(table->FieldByName(QStringLiteral("Line")).AsInteger(), 2);

    second->First(); // on b
    table->Delete(); // a goes; the other cursor keeps its row
    second->Refresh();
    EXPECT_EQ(second->FieldByName(QStringLiteral("Field")).AsString(), QStringLiteral("b"));
    EXPECT_EQ(second->RecordCount(), 1);
}

TEST_F(CursorTest, UnknownIndexIsRefusedAndTheFormerOneStays)
{
    addRow(*table, QStringLiteral("a"), 1);
    EXPECT_EQ(errorOf([&] { table->SetIndexName(QStringLiteral("iLine")); }),
              QStringLiteral("Index does not exist. Index: iLine"));
    EXPECT_EQ(table->IndexName(), QString());
    table->SetIndexName(QStringLiteral("IORDER"));
    EXPECT_EQ(table->IndexName(), QStringLiteral("IORDER"));
}

TEST_F(CursorTest, BoundControlsHearOfChangesUnlessDisabled)
{
    addRow(*table, QStringLiteral("a"), 1);
    addRow(*table, QStringLiteral("b"), 2);
    QSignalSpy spy(table.get(), &Table::changed);

    table->First();
    table->Next();
    table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("h"));
    table->Cancel();
    EXPECT_EQ(spy.count(), 4) << "each step once";

    spy.clear();
    table->FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("h"));
    EXPECT_FALSE(table->FindKey({QStringLiteral("zz")}));
    EXPECT_EQ(spy.count(), 2) << "a failed lookup that posted still tells";

    spy.clear();
    table->DisableControls();
    table->DisableControls();
    table->First();
    table->Next();
    table->EnableControls();
    EXPECT_EQ(spy.count(), 0) << "still disabled once";
    EXPECT_TRUE(table->ControlsDisabled());
    table->EnableControls();
    EXPECT_EQ(spy.count(), 1) << "enabled again: one announcement";
    table->EnableControls();
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(CursorTest, ClosedTableRefusesRowWork)
{
    table->Close();
    EXPECT_FALSE(table->Active());
    EXPECT_EQ(table->FieldCount(), 0);
    EXPECT_FALSE(table->FieldTypeOf(QStringLiteral("Field")).has_value());
    const QString closed = QStringLiteral("Cannot perform this operation on a closed dataset");
    EXPECT_EQ(errorOf([&] { table->First(); }), closed);
    EXPECT_EQ(errorOf([&] { table->Insert(); }), closed);
    EXPECT_EQ(errorOf([&] { table->FieldByName(QStringLiteral("Field")); }), closed);
    table->Open();
    EXPECT_EQ(errorOf([&] { table->FieldByName(QStringLiteral("Nope")); }), QStringLiteral("Field 'Nope' not found"));
    EXPECT_EQ(errorOf([&] { table->SetTableName(QStringLiteral("X.DB")); }),
              QStringLiteral("Cannot perform this operation on an open dataset"));
}

} // namespace
