// Page 8: the number box of the columns says the rows they make; entering the
// page forward lays the fields out, with the session's detail level, into the
// layout the session keeps for the default positions.
#include "rules/ColumnLayout.h"
#include "tests/wizard/pages/PageFixture.h"
#include "ui/SpinEdit.h"
#include "wizard/pages/ColumnsPage.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

struct ColumnsPageFixture : PageFixture {
    wizard::ColumnsPage page{state, session, orderedFields, &window};
};

QStringList Numbered(int count)
{
    QStringList fields;
    for (int i = 1; i <= count; ++i)
        fields << QStringLiteral("F%1").arg(i);
    return fields;
}

} // namespace

TEST(ColumnsPage, TheColumnsBoxSaysTheRowsShown)
{
    ColumnsPageFixture f;
    wizard::ColumnsPage& page = f.page;
    auto* columns = page.findChild<ui::SpinEdit*>(QStringLiteral("SpinCol"));
    ASSERT_NE(columns, nullptr);
    for (const int rows : {3, 1}) {
        rules::ColumnLayout layout;
        layout.columns = 2;
        layout.rows = rows;
        layout.cells = rules::PreviewBlock(rows, {QStringLiteral("A"), QStringLiteral("B")});
        page.showLayout(layout);
        EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("Label111"))->text(), QString::number(rows));
        EXPECT_EQ(columns->accessibleDescription(), QStringLiteral("Rows %1").arg(rows));
    }
}

TEST(ColumnsPage, EnteringForwardLaysTheFieldsOutIntoTheSessionsBlock)
{
    using wizard::PageTurn;
    const QString B = rules::Blank;
    const struct {
        const char* name;
        QStringList fields;
        bool detailLevel;
        int columnsBefore;
        PageTurn turn;
        int columnsAfter;
        rules::PreviewBlock block; // empty: none laid out
        bool limitMessage;
    } cases[] = {
        {"one column becomes one per field", {"A", "B", "C"}, false, 1, PageTurn::Forward, 3, {{"A", "B", "C"}}, false},
        {"a column count chosen stays", {"A", "B", "C"}, false, 2, PageTurn::Forward, 2, {{"A", "B"}, {"C", B}}, false},
        {"the leading CustomID of the detail level takes no cell",
         {"CustomID", "A", "B"}, true, 2, PageTurn::Forward, 2, {{"A", "B"}}, false},
        {"without the detail level CustomID is a field", {"CustomID", "A", "B"}, false, 2, PageTurn::Forward, 2,
         {{"CustomID", "A"}, {"B", B}}, false},
        {"entered backward, nothing is laid out", {"A", "B"}, false, 1, PageTurn::Backward, 1, {}, false},
        {"more rows than the preview has: said once", Numbered(40), false, 2, PageTurn::Forward, 2, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColumnsPageFixture f;
        f.fields = c.fields;
        design::ReportHead head;
        head.detailLevel = c.detailLevel;
        f.session.setHead(head);
        f.page.setColumnCount(c.columnsBefore);
        EXPECT_TRUE(f.page.enter(c.turn));
        EXPECT_EQ(f.page.columnCount(), c.columnsAfter);
        if (c.limitMessage) {
            EXPECT_EQ(f.modal.texts(), QStringList{rules::RowLimitMessage()});
            EXPECT_EQ(f.session.columnLayout().cells.size(), rules::MaxPreviewRows);
        } else {
            EXPECT_TRUE(f.modal.texts().isEmpty());
            EXPECT_EQ(f.session.columnLayout().cells, c.block);
        }
    }
}
