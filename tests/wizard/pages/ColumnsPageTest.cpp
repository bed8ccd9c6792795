// Page 8: the number box of the columns says the rows they make.
#include "rules/ColumnLayout.h"
#include "ui/SpinEdit.h"
#include "wizard/WizardState.h"
#include "wizard/pages/ColumnsPage.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(ColumnsPage, TheColumnsBoxSaysTheRowsShown)
{
    WizardState state;
    ColumnsPage page(state);
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
