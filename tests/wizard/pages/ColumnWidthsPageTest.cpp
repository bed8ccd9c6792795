// The column-widths page: the grid gives back the rows it was given, and only
// the two positions of a row are typed over; entering forward is refused while
// a field has no cell in the columns' layout; the positions are stored on
// leaving forward and given as the report's while the page is shown, event
// fields under their stored names.
#include "rules/ColumnLayout.h"
#include "rules/DefaultPositions.h"
#include "tests/support/QtPrinting.h"
#include "tests/wizard/pages/PageFixture.h"
#include "wizard/pages/ColumnWidthsPage.h"

#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

struct WidthsFixture : PageFixture {
    WidthsFixture() { session.setEventCategory(QStringLiteral("CALL")); }
    wizard::ColumnWidthsPage page{state, session, orderedFields, &window};
};

store::FieldRow Row(const QString& field, int order, int line, int left, int right)
{
    store::FieldRow row;
    row.field = row.header = field;
    row.order = order;
    row.line = line;
    row.lposition = left;
    row.rposition = right;
    return row;
}

// Each row's field, header, order, line and positions, as "field header #order line left-right".
QStringList Placed(const std::vector<store::FieldRow>& rows)
{
    QStringList placed;
    for (const store::FieldRow& row : rows)
        placed << QStringLiteral("%1 %2 #%3 %4 %5-%6")
                      .arg(row.field, row.header)
                      .arg(row.order)
                      .arg(row.line.value_or(0))
                      .arg(row.lposition.value_or(0))
                      .arg(row.rposition.value_or(0));
    return placed;
}

QStringList Shown(const QList<rules::PositionRow>& rows)
{
    QStringList shown;
    for (const rules::PositionRow& row : rows)
        shown << QStringLiteral("%1 %2 %3-%4").arg(row.field, row.line, row.start, row.end);
    return shown;
}

// Typed in the grid, an event field by its display name; as stored, in report order.
const QList<rules::PositionRow> Typed = {{"LastName", "2", "21", "40"}, {"Phone call date", "1", "1", "20"}};
const QStringList TypedRows = {"EventDate EventDate #2 1 1-20", "LastName LastName #1 2 21-40"};

} // namespace

TEST(ColumnWidthsPage, TheGridGivesBackItsRowsAndTakesTypingOnlyInThePositions)
{
    WidthsFixture f;
    wizard::ColumnWidthsPage& page = f.page;
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

TEST(ColumnWidthsPage, EnteringForwardNeedsACellForEveryField)
{
    using wizard::PageTurn;
    const struct {
        int columns;
        PageTurn turn;
        bool entered;
    } cases[] = {{2, PageTurn::Forward, false}, {3, PageTurn::Forward, true}, {2, PageTurn::Backward, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.columns);
        WidthsFixture f;
        for (int i = 1; i <= 40; ++i)
            f.fields << QStringLiteral("F%1").arg(i);
        f.session.setColumnLayout(rules::LayOutColumns(f.fields, false, c.columns, 1));
        EXPECT_EQ(f.page.enter(c.turn), c.entered);
        EXPECT_EQ(f.modal.texts(), c.entered ? QStringList() : QStringList{rules::RowLimitMessage()});
        // Refused, the grid is left as it was: one empty row.
        EXPECT_EQ(f.page.positions().size(), c.entered ? 40 : 1);
    }
}

// A loaded report whose fields are as loaded keeps its own positions; otherwise
// they are given anew, over the head's printable width.
TEST(ColumnWidthsPage, ALoadedReportKeepsItsPositionsUntilItsFieldsChange)
{
    using wizard::Mode;
    const struct {
        Mode mode;
        bool layoutDirty;
        const char* shown;
    } cases[] = {{Mode::Modify, false, "LastName 1 5-9"},
                 {Mode::Modify, true, "LastName 1 1-100"},
                 {Mode::Create, false, "LastName 1 1-100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layoutDirty);
        WidthsFixture f;
        f.state.Mode = c.mode;
        f.state.LayoutDirty = c.layoutDirty;
        f.fields = {QStringLiteral("LastName")};
        design::ReportHead head;
        head.width = 101;
        f.session.setHead(head);
        f.session.rows().place({"LastName", "LastName", 1, "1", "5", "9"});
        f.session.setColumnLayout(rules::LayOutColumns(f.fields, false, 1, 1));
        ASSERT_TRUE(f.page.enter(wizard::PageTurn::Forward));
        EXPECT_EQ(Shown(f.page.positions()), QStringList{c.shown});
    }
}

TEST(ColumnWidthsPage, LeavingForwardStoresThePositionsUnderTheStoredNames)
{
    WidthsFixture f;
    f.page.showPositions(Typed);
    f.page.leave(wizard::PageTurn::Backward);
    EXPECT_TRUE(f.session.report({}).fields.empty());

    f.page.leave(wizard::PageTurn::Forward);
    EXPECT_EQ(Placed(f.session.report({}).fields), TypedRows);
}

TEST(ColumnWidthsPage, GivesTheTypedPositionsOnlyWhileShown)
{
    WidthsFixture f;
    f.page.showPositions(Typed);
    const std::vector<store::FieldRow> stored = {Row("LastName", 1, 1, 5, 9)};
    const QStringList storedPlaced = Placed(stored);
    for (const int shown : {int(wizard::Definitions), int(wizard::Widths)}) {
        f.state.PageIndex = shown;
        design::Report report{{}, stored};
        f.page.contribute(report);
        EXPECT_EQ(Placed(report.fields), shown == wizard::Widths ? TypedRows : storedPlaced);
    }
}
