// "Make Report" in each operation: which name the report goes under, what is
// asked, and what is written.
#include "design/ReportDesign.h"
#include "tests/support/WizardDriver.h"

#include "store/engine/Table.h"

#include <QFileInfo>
#include <QLabel>

namespace {

using SaveReport = ShownWizardDriver;

} // namespace

TEST_F(SaveReport, TheSaveDialogRefusesIllegalAndTakenNamesAndTheChosenDescriptionIsWritten)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "First description", "RBAmPor", "rbCustNo");
    tick("PickContactField", "Company");
    nextTo(10);

    modal.onDialog([this](QDialog& dialog) {
        auto* name = dialogChild<QLineEdit>(dialog, "EdFileName");
        auto* ok = dialogChild<QPushButton>(dialog, "BitBtn2");
        EXPECT_EQ(dialogChild<QLineEdit>(dialog, "EdDescription")->text(), QStringLiteral("First description"));
        const struct {
            const char* typed;
            const char* message;
            const char* left;
        } refusals[] = {
            {"ab-c", "Filename contains illegal characters.\rYou must use letters and digits only.\rPlease re-try.", ""},
            {"PHONELST", "Filename already exists. Choose another.", "PHONELST"},
            {"rep 1", "Filename contains illegal characters.\rYou must use letters and digits only.\rPlease re-try.", ""},
        };
        for (const auto& refusal : refusals) {
            modal.clear();
            name->setText(QString::fromLatin1(refusal.typed));
            ok->click();
            EXPECT_EQ(modal.texts(), QStringList{QString::fromLatin1(refusal.message)}) << refusal.typed;
            EXPECT_EQ(modal.shown().front().caption, QStringLiteral("Error"));
            EXPECT_EQ(name->text(), QString::fromLatin1(refusal.left));
            EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
        }
        modal.clear();
        dialogChild<QLineEdit>(dialog, "EdDescription")->setText(QStringLiteral("Second description"));
        name->setText(QStringLiteral("Rep1"));
        ok->click();
        return dialog.result();
    });
    click("btMakeReport");

    EXPECT_EQ(modal.texts(), QStringList{"Report successfully created."});
    EXPECT_EQ(state().ReportFileName, alias.path(QStringLiteral("Rep1.rpt")));
    EXPECT_EQ(text("EdDescription"), QStringLiteral("Second description"));
    EXPECT_EQ(child<QLabel>("LblDesc")->text(), QStringLiteral("Second description"));
    EXPECT_TRUE(bytes(QStringLiteral("Rep1.rpt")).startsWith("Second description\r\nContact\r\nContact\r\n75\r\n1\r\n"));
    expectSettledOn(10);

    // Saving again asks again, and the name just used is taken now.
    modal.clear();
    modal.onDialog([](QDialog& dialog) {
        dialogChild<QLineEdit>(dialog, "EdFileName")->setText(QStringLiteral("REP1"));
        dialogChild<QPushButton>(dialog, "BitBtn2")->click();
        EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
        dialogChild<QPushButton>(dialog, "BitBtn1")->click();
        return dialog.result();
    });
    click("btMakeReport");
    EXPECT_EQ(modal.texts(), QStringList{"Filename already exists. Choose another."});
    EXPECT_EQ(state().ReportFileName, alias.path(QStringLiteral("Rep1.rpt")));
    expectRoundTrip(QStringLiteral("rep1.rpt"), QStringLiteral("Rep1.rpt"));
}

namespace {

enum class Operation { Create, Modify, Copy };
enum class Dialog { None, Name, Cancel };

struct SaveCase {
    const char* name;
    Operation operation;
    std::vector<bool> answers;    // to "Do you want to overwrite the existing report?"
    Dialog dialog;                // what the user does in the save dialog, if it comes
    QStringList messages;
    const char* writtenTo;        // the report file that gets the new description, or none
};

void PrintTo(const SaveCase& c, std::ostream* out)
{
    *out << c.name;
}

class SaveModes : public ShownWizardDriver, public testing::WithParamInterface<SaveCase> {};

const QString Overwrite = QStringLiteral("Do you want to overwrite the existing report?");
const QString Created = QStringLiteral("Report successfully created.");

} // namespace

TEST_P(SaveModes, AskTheRightQuestionsAndWriteOnlyWhatWasChosen)
{
    const SaveCase& c = GetParam();
    const QByteArray sample = bytes(QStringLiteral("phonelst.rpt"));
    if (c.operation == Operation::Create) {
        createUpToFieldSelection("RbContactOrdered", "RBContact", "Changed list");
        tick("PickContactField", "LastName");
    } else {
        openExisting(c.operation == Operation::Modify ? "RbModify" : "RbCopy", QStringLiteral("phonelst.rpt"));
        nextTo(3);
        type("EdDescription", QStringLiteral("Changed list"));
    }
    nextTo(10);
    const QString fileBefore = state().ReportFileName;
    const QStringList filesBefore = reportFiles();

    modal.clear();
    for (bool yes : c.answers)
        modal.answer(yes);
    if (c.dialog == Dialog::Name)
        saveAs(QStringLiteral("newrep"));
    if (c.dialog == Dialog::Cancel)
        cancelDialog("BitBtn1");
    click("btMakeReport");

    EXPECT_EQ(modal.texts(), c.messages);
    expectSettledOn(10);
    if (!c.writtenTo) {
        EXPECT_EQ(reportFiles(), filesBefore);
        EXPECT_EQ(state().ReportFileName, fileBefore);
        EXPECT_EQ(text("EdDescription"), QStringLiteral("Changed list"));
    } else {
        EXPECT_TRUE(bytes(QString::fromLatin1(c.writtenTo)).startsWith("Changed list\r\nContact\r\nContact\r\n75\r\n"));
        expectRoundTrip(QString::fromLatin1(c.writtenTo));
    }
    if (!c.writtenTo || QLatin1String(c.writtenTo) != QLatin1String("phonelst.rpt")) {
        EXPECT_EQ(bytes(QStringLiteral("phonelst.rpt")), sample);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachOperation, SaveModes,
    testing::Values(SaveCase{"CreateAsksForAName", Operation::Create, {}, Dialog::Name, {Created}, "newrep.rpt"},
                    SaveCase{"CreateCancelled", Operation::Create, {}, Dialog::Cancel, {}, nullptr},
                    SaveCase{"ModifyYesOverwrites", Operation::Modify, {true}, Dialog::None, {Overwrite, Created},
                             "phonelst.rpt"},
                    SaveCase{"ModifyNoAsksForAName", Operation::Modify, {false}, Dialog::Name, {Overwrite, Created},
                             "newrep.rpt"},
                    SaveCase{"ModifyNoThenCancel", Operation::Modify, {false}, Dialog::Cancel, {Overwrite}, nullptr},
                    SaveCase{"CopyAsksForANameNeverToOverwrite", Operation::Copy, {}, Dialog::Name, {Created},
                             "newrep.rpt"},
                    SaveCase{"CopyCancelled", Operation::Copy, {}, Dialog::Cancel, {}, nullptr}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

TEST_F(SaveReport, ACopyKeepsALongDescriptionWholeAndTheNextNewReportTakesThirtyCharacters)
{
    const QByteArray original = Crlf({"A description of forty-four characters, long", "Contact", "Contact", "75", "1",
                                      "0", "", "", "Name", "LastName", "1", "1", "30",
                                      "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
    writeReport(QStringLiteral("long.rpt"), original);
    openExisting("RbCopy", QStringLiteral("long.rpt"));
    nextTo(10);
    saveAs(QStringLiteral("copied"));
    click("btMakeReport");

    EXPECT_EQ(modal.texts(), QStringList{"Report successfully created."});
    EXPECT_EQ(bytes(QStringLiteral("copied.rpt")), original);
    EXPECT_EQ(bytes(QStringLiteral("long.rpt")), original);

    backToStart();
    click("RBCreate");
    nextTo(3);
    const QString typed = QStringLiteral("A new description of forty-four characters!");
    type("EdDescription", typed);
    EXPECT_EQ(text("EdDescription"), typed.left(30));
}

TEST_F(SaveReport, AfterMakeReportTheFieldControlsStayOnTheHighlightedField)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Headers", "RBAmPor", "rbCustNo");
    for (const char* field : {"LastName", "Company", "City"})
        tick("PickContactField", QString::fromLatin1(field));
    nextTo(10);
    pickDefinition(QStringLiteral("LastName"));
    saveAs(QStringLiteral("first"));
    click("btMakeReport");
    EXPECT_EQ(text("DBEdit1"), QStringLiteral("LastName"));

    type("DBEdit1", QStringLiteral("Surname"));
    saveAs(QStringLiteral("second"));
    click("btMakeReport");
    const QByteArray written = bytes(QStringLiteral("second.rpt"));
    EXPECT_TRUE(written.contains("\r\nSurname\r\nLastName\r\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\r\nCity\r\nCity\r\n")) << written.toStdString();
}

TEST_F(SaveReport, AFailedWriteShowsTheReasonAndNoSuccess)
{
    openExisting("RbModify", QStringLiteral("phonelst.rpt"));
    nextTo(10);
    ASSERT_TRUE(QFile::remove(alias.path(QStringLiteral("phonelst.rpt"))));
    ASSERT_TRUE(QDir(alias.dataDir()).mkdir(QStringLiteral("phonelst.rpt")));
    modal.clear();
    modal.answer(true);
    modal.answer(true); // to overwriting what is no longer the report loaded
    click("btMakeReport");

    ASSERT_EQ(modal.shown().size(), 3u) << messages();
    EXPECT_EQ(modal.shown()[2].kind, ui::MessageKind::Error);
    EXPECT_TRUE(modal.texts()[2].startsWith(QStringLiteral("Cannot write report "))) << messages();
    EXPECT_TRUE(QFileInfo(alias.path(QStringLiteral("phonelst.rpt"))).isDir());
    expectSettledOn(10);
    EXPECT_EQ(window.wizard().design().current()->field,
              child<QListWidget>("LBFieldDefs")->currentItem()->text());
}
