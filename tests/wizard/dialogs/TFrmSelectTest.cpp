#include "store/Alias.h"
#include "tests/support/CutOff.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// An empty alias directory with the reports a test writes into it; the
// process's current directory is put back afterwards.
class SelectDialog : public testing::Test {
protected:
    SelectDialog() : alias_(TempAlias::Content::Empty), startDirectory_(QDir::currentPath())
    {
        store::DatabaseAlias = QStringLiteral("OMNIV");
    }
    ~SelectDialog() override { QDir::setCurrent(startDirectory_); }

    void report(const char* name, const QByteArray& bytes)
    {
        WriteBytes(alias_.path(QString::fromLatin1(name)), bytes);
    }
    bool exists(const char* name) const { return QFile::exists(alias_.path(QString::fromLatin1(name))); }

    static QTableView& grid(wizard::TFrmSelect& dialog) { return *dialog.findChild<QTableView*>(QStringLiteral("grid")); }
    static QModelIndex cell(wizard::TFrmSelect& dialog, int row, int col) { return grid(dialog).model()->index(row, col); }
    static QString header(wizard::TFrmSelect& dialog, int col)
    {
        return grid(dialog).model()->headerData(col, Qt::Horizontal).toString();
    }
    static int rows(wizard::TFrmSelect& dialog) { return grid(dialog).model()->rowCount(); }
    static QString count(wizard::TFrmSelect& dialog) { return dialog.findChild<QLabel*>(QStringLiteral("lblCount"))->text(); }
    static QPushButton& ok(wizard::TFrmSelect& dialog) { return *dialog.findChild<QPushButton*>(QStringLiteral("BtnOk")); }
    static QStringList column(wizard::TFrmSelect& dialog, int col)
    {
        QStringList cells;
        for (int row = 0; row < rows(dialog); ++row)
            cells << cell(dialog, row, col).data().toString();
        return cells;
    }

    TempAlias alias_;
    RecordingModal modal_;
    QString startDirectory_;
};

} // namespace

TEST_F(SelectDialog, ListsTheReportsSortedAndMakesTheAliasDirectoryCurrent)
{
    report("REP1.RPT", "Zoo animals\r\nContact\r\n");
    report("b.rpt", "apples\r\nCalendar\r\n");
    report("c.rpt", "Bananas\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());

    EXPECT_TRUE(modal_.shown().empty()) << modal_.texts().join(u'\n').toStdString();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select A Report"));
    EXPECT_EQ(dialog.size(), QSize(564, 366));
    EXPECT_EQ(column(dialog, 0), QStringList({"apples", "Bananas", "Zoo animals"}));
    EXPECT_EQ(column(dialog, 1), QStringList({"Calendar", "Contact", "Contact"}));
    EXPECT_EQ(column(dialog, 2), QStringList({"b.rpt", "c.rpt", "rep1.rpt"}));
    EXPECT_EQ(count(dialog), QStringLiteral("3"));
    EXPECT_TRUE(ok(dialog).isEnabled());
    EXPECT_TRUE(ok(dialog).isDefault());

    QTableView& g = grid(dialog);
    EXPECT_EQ(header(dialog, 0), QStringLiteral("Description"));
    EXPECT_EQ(header(dialog, 1), QStringLiteral("Type"));
    EXPECT_EQ(header(dialog, 2), QStringLiteral("Name"));
    EXPECT_EQ(g.columnWidth(0), 248);
    EXPECT_EQ(g.columnWidth(1), 97);
    EXPECT_EQ(g.columnWidth(2), 115);
    EXPECT_EQ(g.rowHeight(0), 19);
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(alias_.dataDir()).canonicalPath());
}

TEST_F(SelectDialog, CellsShowTheirTextAndTakeTextSetLater)
{
    report("only.rpt", "The only one\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    QTableView& g = grid(dialog);
    const QModelIndex description = g.model()->index(0, 0);
    EXPECT_EQ(description.data(Qt::DisplayRole), QVariant(QStringLiteral("The only one")));
    EXPECT_EQ(description.data(Qt::EditRole), QVariant(QStringLiteral("The only one")));
    EXPECT_FALSE(description.data(Qt::ToolTipRole).isValid());

    EXPECT_TRUE(g.model()->setData(description, QStringLiteral("Renamed")));
    EXPECT_EQ(description.data(Qt::DisplayRole), QVariant(QStringLiteral("Renamed")));
    EXPECT_EQ(cell(dialog, 0, 2).data().toString(), QStringLiteral("only.rpt"));
}

TEST_F(SelectDialog, WithExactlyOneReportThatRowIsSelected)
{
    report("only.rpt", "The only one\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    EXPECT_EQ(rows(dialog), 1);
    EXPECT_EQ(count(dialog), QStringLiteral("1"));
    EXPECT_TRUE(grid(dialog).selectionModel()->isSelected(cell(dialog, 0, 0)));
    EXPECT_TRUE(grid(dialog).selectionModel()->isSelected(cell(dialog, 0, 2)));
    EXPECT_TRUE(ok(dialog).isEnabled());
}

TEST_F(SelectDialog, WithoutReportsItSaysSoAndNothingCanBeChosen)
{
    report("notes.txt", "not a report\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    ASSERT_EQ(modal_.shown().size(), 1u);
    EXPECT_EQ(modal_.shown()[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(modal_.shown()[0].text,
              QStringLiteral("There were no report files (*.rpt) found in the %1 directory").arg(alias_.dataDir()));
    EXPECT_EQ(rows(dialog), 0);
    EXPECT_EQ(count(dialog), QStringLiteral("0"));
    EXPECT_FALSE(ok(dialog).isEnabled());
    EXPECT_EQ(header(dialog, 0), QStringLiteral("Description"));

    // OK does nothing on the empty list.
    dialog.setSelectMode(wizard::SelectAction::Modify);
    dialog.BtnOkClick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.chosenFileName().isEmpty());
}

TEST_F(SelectDialog, AnUnreadableReportIsReportedOnceAndTheOthersStaySelectable)
{
    report("good.rpt", "Good\r\nContact\r\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), alias_.path(QStringLiteral("bad.rpt"))));
    wizard::TFrmSelect dialog(alias_.session());
    ASSERT_EQ(modal_.shown().size(), 1u);
    EXPECT_TRUE(modal_.shown()[0].text.contains(QStringLiteral("bad.rpt"))) << modal_.shown()[0].text.toStdString();
    EXPECT_EQ(column(dialog, 2), QStringList({"good.rpt"}));
    EXPECT_EQ(count(dialog), QStringLiteral("1"));
    EXPECT_TRUE(ok(dialog).isEnabled());
}

TEST_F(SelectDialog, ADirectoryThatCannotBeEnteredIsReportedAndNothingCanBeChosen)
{
    const QString missing = alias_.path(QStringLiteral("gone"));
    alias_.writeConfig(QStringLiteral("[OMNIV]\nPATH=%1\n").arg(missing));
    wizard::TFrmSelect dialog(alias_.session());
    ASSERT_EQ(modal_.shown().size(), 1u);
    EXPECT_TRUE(modal_.shown()[0].text.contains(missing)) << modal_.shown()[0].text.toStdString();
    EXPECT_EQ(count(dialog), QStringLiteral("0"));
    EXPECT_FALSE(ok(dialog).isEnabled());
}

TEST_F(SelectDialog, ModifyHandsBackTheBareNameInSmallLetters)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    report("REP1.RPT", "Beta\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Modify);
    grid(dialog).clearSelection();
    dialog.BtnOkClick(); // no row selected: nothing happens
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.chosenFileName().isEmpty());
    grid(dialog).selectRow(1);
    QTest::mouseClick(&ok(dialog), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenFileName(), QStringLiteral("rep1.rpt"));
    EXPECT_TRUE(modal_.shown().empty());
}

TEST_F(SelectDialog, DoubleClickingARowChoosesIt)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    report("b.rpt", "Beta\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Modify);
    dialog.show();
    QTableView& g = grid(dialog);
    const QPoint centre = g.visualRect(cell(dialog, 1, 0)).center();
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenFileName(), QStringLiteral("b.rpt"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SelectDialog, DeleteAsksAndOnYesRemovesOnlyThatFileUnderItsNameOnDisk)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    report("REP1.RPT", "Beta\r\nContact\r\n");
    report("REP1.RPT.bak", "backup\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Delete);
    grid(dialog).selectRow(1);
    modal_.answer(true);
    dialog.BtnOkClick();
    // Asked as a warning (No is the default) and said when done.
    EXPECT_EQ(modal_.texts(),
              QStringList({"Do you want to delete the rep1.rpt report?", "The report rep1.rpt has been deleted."}));
    EXPECT_EQ(modal_.shown()[0].kind, ui::MessageKind::Question);
    EXPECT_EQ(modal_.shown()[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(modal_.shown()[1].kind, ui::MessageKind::Information);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(exists("REP1.RPT"));
    EXPECT_TRUE(exists("a.rpt"));
    EXPECT_TRUE(exists("REP1.RPT.bak"));
}

// An alias without PATH= names the directory the program started in, as a
// relative PATH= is taken against it: its reports are listed and deleted there.
TEST_F(SelectDialog, AnAliasWithoutPathListsAndDeletesInTheStartDirectory)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    ASSERT_TRUE(QDir::setCurrent(alias_.dataDir()));
    alias_.writeConfig(QStringLiteral("[OMNIV]\n"));
    QDir::setCurrent(startDirectory_);
    wizard::TFrmSelect dialog(alias_.session());
    EXPECT_TRUE(modal_.shown().empty()) << modal_.texts().join(u'\n').toStdString();
    EXPECT_EQ(column(dialog, 2), QStringList({"a.rpt"}));
    dialog.setSelectMode(wizard::SelectAction::Delete);
    modal_.answer(true);
    dialog.BtnOkClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(exists("a.rpt"));
}

TEST_F(SelectDialog, DeleteAnsweredNoKeepsTheFileAndTheDialog)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Delete);
    bool closed = false;
    QObject::connect(&dialog, &QDialog::finished, [&] { closed = true; });
    modal_.answer(false);
    dialog.BtnOkClick();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(exists("a.rpt"));
    EXPECT_EQ(modal_.shown().size(), 1u);
}

TEST_F(SelectDialog, AFailedDeleteSaysSoAndKeepsTheDialogOpen)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Delete);
    bool closed = false;
    QObject::connect(&dialog, &QDialog::finished, [&] { closed = true; });
    QFile::remove(alias_.path(QStringLiteral("a.rpt"))); // gone before the user confirms
    modal_.answer(true);
    dialog.BtnOkClick();
    EXPECT_EQ(modal_.texts(), QStringList({"Do you want to delete the a.rpt report?", "Unable to delete report"}));
    EXPECT_EQ(modal_.shown()[1].kind, ui::MessageKind::Error);
    EXPECT_FALSE(closed);
}

TEST_F(SelectDialog, ANameThatFitsTwoFilesIsReportedAndNeitherIsDeleted)
{
    report("a.rpt", "Small\r\nContact\r\n");
    report("A.RPT", "Capital\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Delete);
    EXPECT_EQ(column(dialog, 2), QStringList({"a.rpt", "a.rpt"}));
    modal_.answer(true);
    QTest::mouseClick(&ok(dialog), Qt::LeftButton);
    ASSERT_EQ(modal_.shown().size(), 2u);
    EXPECT_EQ(modal_.shown()[1].kind, ui::MessageKind::Error);
    EXPECT_TRUE(modal_.shown()[1].text.contains(QStringLiteral("A.RPT, a.rpt")))
        << modal_.shown()[1].text.toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(exists("a.rpt"));
    EXPECT_TRUE(exists("A.RPT"));
}

TEST_F(SelectDialog, TheDeleteQuestionIsCutTo255Characters)
{
    const QByteArray name = QByteArray(240, 'n') + ".rpt";
    report(name.constData(), "Long\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Delete);
    modal_.answer(false);
    dialog.BtnOkClick();
    ASSERT_EQ(modal_.shown().size(), 1u);
    const QString full =
        QStringLiteral("Do you want to delete the ") + QString::fromLatin1(name) + QStringLiteral(" report?");
    EXPECT_EQ(modal_.shown()[0].text, full.left(255));
}

TEST_F(SelectDialog, CancelClosesWithoutAChoice)
{
    report("a.rpt", "Alpha\r\nContact\r\n");
    wizard::TFrmSelect dialog(alias_.session());
    dialog.setSelectMode(wizard::SelectAction::Modify);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BtnCancel")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.chosenFileName().isEmpty());
    EXPECT_TRUE(exists("a.rpt"));
}

// The count stands on one line with its word, at 9 and 16 points: "1 Report", "2 Reports".
TEST_F(SelectDialog, ShowsTheCountOnOneLineWithItsWord)
{
    report("a.rpt", "Apples\r\nContact\r\n");
    const QFont original = QApplication::font();
    for (const int points : {9, 16}) {
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        const std::string at = std::to_string(points) + " pt";
        wizard::TFrmSelect dialog(alias_.session());
        auto* word = dialog.findChild<QLabel*>(QStringLiteral("LblReports"));
        EXPECT_EQ(word->text(), QStringLiteral("Report"));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ExpectNothingCutOff(dialog, dialog, at);
        ExpectOnOneLine(*dialog.findChild<QLabel*>(QStringLiteral("lblCount")), *word, dialog, at);
    }
    QApplication::setFont(original);
}
