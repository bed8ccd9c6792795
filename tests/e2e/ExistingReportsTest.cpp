// The operations on existing reports: writing them back unchanged, the
// column-width editor, deleting, cancelling, and names in capital letters.
#include "tests/support/WizardDriver.h"

#include <QMap>
#include <QTableView>

namespace {

using ExistingReports = ShownWizardDriver;

const QByteArray ShortReport = Crlf({"Short", "Contact", "Contact", "75", "2",
                                     "0", "", "", "Name", "LastName", "1", "1", "30",
                                     "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                                     "0", "", "", "Firm", "Company", "1", "31", "60",
                                     "FALSE", "TRUE", "FALSE", "FALSE", "FALSE"});

// Types the text into a cell of the editor's grid and leaves the cell's editor open.
void TypeIntoGrid(QDialog& dialog, int row, int column, const QString& text)
{
    dialog.show();
    auto* grid = dialog.findChild<QTableView*>(QStringLiteral("DBGrid1"));
    ASSERT_NE(grid, nullptr);
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

} // namespace

TEST_F(ExistingReports, EverySampleReportIsWrittenBackUnchanged)
{
    for (const char* name : {"phonelst.rpt", "callrpt.rpt", "calendar.rpt"})
        expectRoundTrip(QString::fromLatin1(name));
}

TEST_F(ExistingReports, ReportsWithLongTextsAccentsAndMissingNumbersAreWrittenBackUnchanged)
{
    const struct {
        const char* name;
        QByteArray file;
    } cases[] = {
        {"long.rpt",
         Crlf({"A description of forty-four characters, long", "Contact", "Contact", "75", "1",
               "0", "", "", "A header of fifty characters, the longest it can b", "LastName", "1", "1", "30",
               "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"})},
        {"accents.rpt",
         Crlf({"Caf\xe9 \x80 list", "Calendar", "Event", "115", "1",
               "1", "..............................", "", "Gr\xfc\xdf" "e", "EventDate", "1", "1", "30",
               "TRUE", "FALSE", "FALSE", "TRUE", "FALSE"})},
        {"empty.rpt", Crlf({"Nothing chosen yet", "Contact", "Contact", "75", "0"})},
        {"nulls.rpt",
         Crlf({"Positions to come", "Contact", "Call", "200", "2",
               "0", "", "", "", "Company", "", "", "", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
               "1", "", "", "Notes", "Memo", "", "", "", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"})},
    };
    for (const auto& c : cases) {
        writeReport(QString::fromLatin1(c.name), c.file);
        expectRoundTrip(QString::fromLatin1(c.name));
    }
}

// As a text editor on this platform saves it: every field is loaded, and
// saving writes the lines with CR LF.
TEST_F(ExistingReports, AReportWithBareLineFeedsLoadsWholeAndIsWrittenWithCrLf)
{
    writeReport(QStringLiteral("short.rpt"), QByteArray(ShortReport).replace("\r\n", "\n"));
    openExisting("RbModify", QStringLiteral("short.rpt"));
    nextTo(10);
    modal.answer(true);
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("short.rpt")), ShortReport) << messages();
}

TEST_F(ExistingReports, ChangingTheSelectionOfALoadedReportLaysItOutAfresh)
{
    openExisting("RbModify", QStringLiteral("callrpt.rpt"));
    nextTo(6);
    EXPECT_EQ(ticked("PickEventField"),
              QStringList({"Phone call date", "Phone call subject", "Elapsed time", "Phone call notes"}));
    tick("PickEventField", "Elapsed time");
    nextTo(7);
    EXPECT_EQ(items("lbAllFields"), QStringList({"LastName", "Company", "LastContact", "Visits", "Phone call date",
                                                 "Phone call subject", "Phone call notes"}));
    nextTo(10);
    modal.answer(true);
    click("btMakeReport");

    EXPECT_EQ(bytes(QStringLiteral("callrpt.rpt")),
              Crlf({"Call Report", "Contact", "Call", "77", "7",
                    "0", "", "", "LastName", "LastName", "1", "1", "19", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Company", "Company", "1", "20", "38", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "LastContact", "LastContact", "1", "39", "57",
                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Visits", "Visits", "1", "58", "76", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "EventDate", "EventDate", "2", "1", "19", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "Summary", "Summary", "2", "20", "38", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "Memo", "Memo", "2", "39", "57", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
}

TEST_F(ExistingReports, ALoadedDetailLevelReportKeepsCustomIdOnceAndFirstWhenItsSelectionChanges)
{
    openExisting("RbModify", QStringLiteral("phonelst.rpt"));
    nextTo(6);
    tick("PickContactField", "Company");
    nextTo(7);
    EXPECT_EQ(items("lbAllFields"), QStringList({"CustomID", "FirstName", "LastName", "Company", "WorkPhone"}));
    nextTo(9);
    EXPECT_EQ(gridRows("sgCol").value(0), QStringList({"CustomID", "1", "1", "25"}));
}

TEST_F(ExistingReports, AClickIntoTheColumnCountGivesALoadedReportDefaultPositionsAndKeepsItsAttributes)
{
    openExisting("RbModify", QStringLiteral("phonelst.rpt"));
    nextTo(8);
    QTest::mouseClick(child("SpinCol")->findChild<QLineEdit*>(), Qt::LeftButton);
    next();
    EXPECT_EQ(gridRows("sgCol"), QList<QStringList>({{"CustomID", "1", "1", "25"},
                                                     {"LastName", "1", "26", "37"},
                                                     {"FirstName", "1", "38", "49"},
                                                     {"WorkPhone", "1", "50", "61"}}));
    nextTo(10);
    modal.answer(true);
    click("btMakeReport");

    EXPECT_EQ(bytes(QStringLiteral("phonelst.rpt")),
              Crlf({"Phone List", "Contact", "Contact", "75", "4",
                    "0", "", "", "ID", "CustomID", "1", "1", "25", "FALSE", "TRUE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Last Name", "LastName", "1", "26", "37", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "First Name", "FirstName", "1", "38", "49",
                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "..............................", "", "Work Phone", "WorkPhone", "1", "50", "61",
                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
}

TEST_F(ExistingReports, AnEditInTheColumnWidthEditorFollowedDirectlyByOkReachesTheFile)
{
    writeReport(QStringLiteral("short.rpt"), ShortReport);
    click("RBColumn");
    pickReport(QStringLiteral("short.rpt"));
    modal.onDialog([](QDialog& dialog) {
        TypeIntoGrid(dialog, 0, 3, QStringLiteral("28"));
        dialogChild<QPushButton>(dialog, "BtnOK")->click();
        return dialog.result();
    });
    next();

    EXPECT_EQ(modal.texts(), QStringList{"Report successfully modified."});
    EXPECT_EQ(bytes(QStringLiteral("short.rpt")),
              Crlf({"Short", "Contact", "Contact", "75", "2",
                    "0", "", "", "Name", "LastName", "1", "1", "28", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Firm", "Company", "1", "31", "60", "FALSE", "TRUE", "FALSE", "FALSE", "FALSE"}));
    expectSettledOn(0);
}

TEST_F(ExistingReports, CancelInTheColumnWidthEditorLeavesTheFileAsItWas)
{
    writeReport(QStringLiteral("short.rpt"), ShortReport);
    click("RBColumn");
    pickReport(QStringLiteral("short.rpt"));
    modal.onDialog([](QDialog& dialog) {
        TypeIntoGrid(dialog, 0, 3, QStringLiteral("28"));
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("DBGrid1"));
        grid->setCurrentIndex(grid->model()->index(1, 3));  // the edited row is posted
        dialogChild<QPushButton>(dialog, "BitBtn1")->click();
        return dialog.result();
    });
    next();

    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
    EXPECT_EQ(bytes(QStringLiteral("short.rpt")), ShortReport);
    expectSettledOn(0);
}

TEST_F(ExistingReports, DeleteRemovesOnlyTheChosenReport)
{
    QStringList files = QDir(alias.dataDir()).entryList(QDir::Files);
    modal.answer(true);
    click("RbDelete");
    pickReport(QStringLiteral("callrpt.rpt"));
    next();

    EXPECT_EQ(modal.texts(), QStringList({"Do you want to delete the callrpt.rpt report?",
                                          "The report callrpt.rpt has been deleted."}));
    files.removeOne(QStringLiteral("callrpt.rpt"));
    EXPECT_EQ(QDir(alias.dataDir()).entryList(QDir::Files), files);
    expectSettledOn(0);
}

TEST_F(ExistingReports, CancelInAnyDialogReturnsToTheFirstPageAndChangesNoReport)
{
    QMap<QString, QByteArray> before;
    for (const QString& name : reportFiles())
        before[name] = bytes(name);
    const struct {
        const char* operation;
        const char* how;
    } cases[] = {
        {"RbModify", "select"},  {"RbCopy", "select"},  {"RBColumn", "select"},
        {"RbDelete", "select"},  {"RbDelete", "no"},    {"RBColumn", "editor"},
    };
    for (const auto& c : cases) {
        const std::string which = std::string(c.operation) + " " + c.how;
        modal.clear();
        click(c.operation);
        if (QLatin1String(c.how) == QLatin1String("select")) {
            cancelDialog("BtnCancel");
        } else if (QLatin1String(c.how) == QLatin1String("no")) {
            modal.answer(false);
            modal.onDialog([](QDialog& dialog) {
                dialogChild<QPushButton>(dialog, "BtnOk")->click();
                EXPECT_TRUE(dialog.result() != QDialog::Accepted);
                dialogChild<QPushButton>(dialog, "BtnCancel")->click();
                return dialog.result();
            });
        } else {
            pickReport(QStringLiteral("phonelst.rpt"));
            cancelDialog("BitBtn1");
        }
        next();
        expectSettledOn(0);
        EXPECT_EQ(modal.texts(), QLatin1String(c.how) == QLatin1String("no")
                                     ? QStringList{"Do you want to delete the calendar.rpt report?"}
                                     : QStringList{})
            << which;
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            EXPECT_EQ(bytes(it.key()), it.value()) << which << " " << it.key().toStdString();
        EXPECT_EQ(reportFiles(), before.keys()) << which;
    }
}

TEST_F(ExistingReports, AReportNamedInCapitalsIsListedInSmallLettersAndKeepsItsNameOnDisk)
{
    writeReport(QStringLiteral("REP1.RPT"), ShortReport);
    openExisting("RbModify", QStringLiteral("rep1.rpt"));
    expectSettledOn(1);
    EXPECT_EQ(state().ReportFileName, QStringLiteral("rep1.rpt"));
    EXPECT_EQ(items("lbAllFields"), QStringList({"LastName", "Company"}));
    nextTo(3);
    type("EdDescription", QStringLiteral("Renamed"));
    nextTo(10);
    modal.answer(true);
    click("btMakeReport");

    EXPECT_EQ(reportFiles(), QStringList({"REP1.RPT", "calendar.rpt", "callrpt.rpt", "phonelst.rpt"}));
    QByteArray renamed = ShortReport;
    renamed.replace(0, 5, "Renamed");
    EXPECT_EQ(bytes(QStringLiteral("REP1.RPT")), renamed);
    expectRoundTrip(QStringLiteral("rep1.rpt"), QStringLiteral("REP1.RPT"));
    EXPECT_EQ(reportFiles(), QStringList({"REP1.RPT", "calendar.rpt", "callrpt.rpt", "phonelst.rpt"}));

    backToStart();
    modal.answer(true);
    click("RbDelete");
    pickReport(QStringLiteral("rep1.rpt"));
    next();
    EXPECT_EQ(reportFiles(), QStringList({"calendar.rpt", "callrpt.rpt", "phonelst.rpt"}));
    expectSettledOn(0);
}
