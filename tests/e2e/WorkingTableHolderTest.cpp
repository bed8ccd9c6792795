// A wizard whose working table another copy replaced, as on a folder whose
// locks stay on one machine, writes no report from it and says why.
#include "design/ReportDesign.h"
#include "store/paradox/PxTable.h"
#include "tests/support/WizardDriver.h"

namespace {

using WorkingTableHolder = WizardDriver;

} // namespace

TEST_F(WorkingTableHolder, NoReportIsWrittenFromAWorkingTableAnotherCopyReplaced)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Phone List");
    tick("PickContactField", "LastName");
    nextTo(10);
    // Another copy's start-up makes the table anew under this one.
    const QString table = alias.path(QStringLiteral("TRDATA.DB"));
    px::writeTable(table, {{{QStringLiteral("Field"), px::FieldCode::Alpha, 50}}}, {});
    saveAs(QStringLiteral("phones"));
    click("btMakeReport");
    ASSERT_EQ(modal.shown().size(), 1u) << messages();
    EXPECT_EQ(modal.shown()[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(modal.shown()[0].text.startsWith(
        QStringLiteral("Table was replaced by another copy of the program: %1").arg(table)))
        << messages();
    EXPECT_FALSE(QFile::exists(alias.path(QStringLiteral("phones.rpt"))));
}

// A copy whose table another copy made anew under it says so at Exit, No
// keeping its design on screen, and its close writes nothing into the table.
TEST_F(WorkingTableHolder, ACopyThatLostTheTableSaysSoAtExitAndItsCloseWritesNothing)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Phone List");
    tick("PickContactField", "LastName");
    nextTo(10);
    const QString table = alias.path(QStringLiteral("TRDATA.DB"));
    px::writeTable(table, {{{QStringLiteral("Field"), px::FieldCode::Alpha, 50}}}, {});
    QFile file(table);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray theirs = file.readAll();
    file.close();
    modal.answer(false);
    click("btExit");
    ASSERT_EQ(modal.shown().size(), 1u) << messages();
    EXPECT_EQ(modal.shown()[0].caption, QStringLiteral("Warning"));
    EXPECT_TRUE(modal.shown()[0].text.startsWith(
        QStringLiteral("Another copy of the program has taken over the working table of this folder")))
        << messages();
    EXPECT_EQ(state().PageIndex, 10); // the design stays on screen
    window.wizard().design().close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), theirs);
}
