#include "rules/ColumnLayout.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

QStringList Fields(int count)
{
    QStringList fields;
    for (int i = 1; i <= count; ++i)
        fields << QStringLiteral("F%1").arg(i);
    return fields;
}

QStringList Blanks(int count)
{
    return QStringList(count, QStringLiteral("BLANK"));
}

} // namespace

TEST(ColumnLayout, SpreadsFieldsRowByRow)
{
    struct Case {
        const char* name;
        QStringList fields;
        bool detailLevel;
        int columns;
        int previousRows;
        int expectedColumns;
        int expectedRows;
        PreviewBlock expectedCells;
    };
    const Case cases[] = {
        {"five fields in two columns", {"A", "B", "C", "D", "E"}, false, 2, 1, 2, 3,
         {{"A", "B"}, {"C", "D"}, {"E", "BLANK"}}},
        {"more columns than fields", {"A", "B", "C"}, false, 20, 1, 20, 1, {QStringList{"A", "B", "C"} + Blanks(17)}},
        {"CustomID only with the detail level", {"CustomID"}, true, 3, 1, 3, 1, {Blanks(3)}},
        {"leading CustomID left out", {"CustomID", "firstlast", "City"}, true, 2, 1, 2, 1, {{"firstlast", "City"}}},
        {"CustomID laid out without the detail level", {"CustomID", "City"}, false, 2, 1, 2, 1, {{"CustomID", "City"}}},
        {"a later CustomID laid out", {"City", "customid"}, true, 2, 1, 2, 1, {{"City", "customid"}}},
        {"no fields", {}, false, 2, 1, 2, 1, {Blanks(2)}},
        {"twenty five fields", Fields(25), false, 20, 1, 20, 2, {Fields(20), Fields(25).mid(20) + Blanks(15)}},
        {"zero columns as one", {"A", "B"}, false, 0, 1, 1, 2, {{"A"}, {"B"}}},
        {"too many columns as twenty", {"A"}, false, 1000, 1, 20, 1, {QStringList{"A"} + Blanks(19)}},
        {"one row keeps the old height", {"A", "B"}, false, 2, 3, 2, 1, {{"A", "B"}, Blanks(2), Blanks(2)}},
        {"more rows take their own height", {"A", "B", "C"}, false, 2, 5, 2, 2, {{"A", "B"}, {"C", "BLANK"}}},
    };
    for (const Case& c : cases) {
        const ColumnLayout layout = LayOutColumns(c.fields, c.detailLevel, c.columns, c.previousRows);
        EXPECT_EQ(layout.columns, c.expectedColumns) << c.name;
        EXPECT_EQ(layout.rows, c.expectedRows) << c.name;
        EXPECT_EQ(layout.cells, c.expectedCells) << c.name;
        EXPECT_FALSE(layout.limitReached) << c.name;
    }
}

TEST(ColumnLayout, StopsPlacingAtTheRowLimit)
{
    const ColumnLayout layout = LayOutColumns(Fields(21), false, 1, 1);
    EXPECT_TRUE(layout.limitReached);
    EXPECT_EQ(layout.rows, 19);
    ASSERT_EQ(layout.cells.size(), 19);
    EXPECT_EQ(layout.cells[0], QStringList{"F1"});
    EXPECT_EQ(layout.cells[18], QStringList{"F19"});
    EXPECT_EQ(RowLimitMessage(), "You cannot have more than 18 fields!");

    const ColumnLayout twoColumns = LayOutColumns(Fields(39), false, 2, 19);
    EXPECT_TRUE(twoColumns.limitReached);
    EXPECT_EQ(twoColumns.cells[18], (QStringList{"F37", "F38"}));
}

TEST(ColumnLayout, TellsWhetherAllFieldsFit)
{
    struct Case {
        int fields;
        bool detailLevel;
        int columns;
        bool fits;
    };
    const Case cases[] = {
        {19, false, 1, true}, {20, false, 1, false}, {20, true, 1, false}, {38, false, 2, true},
        {39, false, 2, false}, {380, false, 20, true}, {381, false, 25, false}, {20, false, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllFieldsFit(Fields(c.fields), c.detailLevel, c.columns), c.fits)
            << c.fields << " fields in " << c.columns << " columns";
    }
    QStringList withCustomId = Fields(19);
    withCustomId.prepend(QStringLiteral("CustomID"));
    EXPECT_TRUE(AllFieldsFit(withCustomId, true, 1));
    EXPECT_FALSE(AllFieldsFit(withCustomId, false, 1));
}
