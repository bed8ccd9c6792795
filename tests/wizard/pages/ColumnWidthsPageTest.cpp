// The column-widths page on its own: the grid gives back the rows it was given,
// and only the two positions of a row are typed over.
#include "rules/DefaultPositions.h"
#include "wizard/pages/ColumnWidthsPage.h"

#include <QTableWidget>
#include <gtest/gtest.h>

TEST(ColumnWidthsPage, TheGridGivesBackItsRowsAndTakesTypingOnlyInThePositions)
{
    ColumnWidthsPage page;
    const QList<rules::PositionRow> rows = {
        {"CustomID", "1", "1", "25"}, {"LastName", "1", "26", "50"}, {"Memo", "", "", ""}};
    page.showPositions(rows);
    EXPECT_EQ(page.positions(), rows);

    auto* grid = page.findChild<QTableWidget*>(QStringLiteral("sgCol"));
    ASSERT_NE(grid, nullptr);
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(bool(grid->item(row, column)->flags() & Qt::ItemIsEditable), column >= 2) << row << "," << column;

    grid->item(1, 3)->setText(QStringLiteral("60"));
    EXPECT_EQ(page.positions().value(1), (rules::PositionRow{"LastName", "1", "26", "60"}));
    page.showPositions({});
    EXPECT_TRUE(page.positions().isEmpty());
}
