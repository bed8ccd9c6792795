#include "rules/ColumnCheck.h"

#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <gtest/gtest.h>
#include <optional>

using store::Table;

namespace {

struct Row {
    const char* field;
    int order;
    std::optional<int> line;
    std::optional<int> left;
    std::optional<int> right;
};

// A working table in an empty alias directory, open, holding the rows.
class ColumnCheckTable : public ::testing::Test {
protected:
    ColumnCheckTable() : alias_(TempAlias::Content::Empty), table_(alias_.session())
    {
        store::RecreateWorkingTable(table_, QStringLiteral("OMNIV"));
        table_.Open();
    }

    void addRows(std::initializer_list<Row> rows)
    {
        for (const Row& row : rows) {
            table_.Insert();
            table_.FieldByName(QStringLiteral("Field")).SetAsString(QString::fromLatin1(row.field));
            table_.FieldByName(QStringLiteral("Order")).SetAsInteger(row.order);
            const std::pair<const char*, std::optional<int>> numbers[] = {
                {"Line", row.line}, {"LPosition", row.left}, {"RPosition", row.right}};
            for (const auto& [name, value] : numbers) {
                if (value)
                    table_.FieldByName(QString::fromLatin1(name)).SetAsInteger(*value);
            }
            table_.Post();
        }
    }

    TempAlias alias_;
    Table table_;
};

} // namespace

TEST_F(ColumnCheckTable, ChecksOverlapsInReportOrderAndReenablesControls)
{
    // Stored by name, the fields of line 1 come in the wrong order; by Order they follow each other.
    addRows({{"Zip", 1, 1, 1, 25}, {"Address", 2, 1, 26, 50}, {"City", 3, 2, 1, 75}});
    table_.SetIndexName(QString());
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "");
    EXPECT_EQ(table_.IndexName(), "iOrder");
    EXPECT_FALSE(table_.ControlsDisabled());

    addRows({{"Memo", 4, 1, 40, 60}});
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "There are overlaps for right margin 50");
    EXPECT_FALSE(table_.ControlsDisabled());
}

TEST_F(ColumnCheckTable, MarginRulesLeaveTheOrderAsItWas)
{
    addRows({{"City", 1, 1, 1, 76}, {"Name", 2, std::nullopt, std::nullopt, std::nullopt}});
    table_.SetIndexName(QString());
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "RIGHT margin greater than Right margin MAX of 75");
    EXPECT_EQ(table_.IndexName(), "");
    EXPECT_FALSE(table_.ControlsDisabled());
}

// Both buttons check through the table: a report may have up to 19 lines.
TEST_F(ColumnCheckTable, ChecksEveryLineInUse)
{
    addRows({{"Name", 1, 1, 1, 37}, {"Phone", 2, 1, 38, 74}, {"Notes", 3, 0, 1, 74}, {"Memo", 4, 0, 1, 74}});
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "");

    addRows({{"Company", 5, 11, 1, 30}, {"State", 6, 11, 20, 50}});
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "There are overlaps for right margin 30");
    addRows({{"City", 7, 2, 10, 40}, {"Zip", 8, 2, 30, 60}});
    EXPECT_EQ(rules::ColumnCheckFailure(75, table_), "There are overlaps for right margin 40");
}
