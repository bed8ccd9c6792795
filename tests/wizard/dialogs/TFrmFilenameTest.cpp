#include "store/Alias.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "wizard/dialogs/TFrmFilename.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kIllegal = QStringLiteral(
    "Filename contains illegal characters.\rYou must use letters and digits only.\rPlease re-try.");

// Types text key by key, as a keyboard that has every character would.
void Type(QLineEdit& edit, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class SaveDialog : public testing::Test {
protected:
    SaveDialog() : alias_(TempAlias::Content::Empty) { store::DatabaseAlias = QStringLiteral("OMNIV"); }

    static QLineEdit& edit(wizard::TFrmFilename& dialog, const char* name)
    {
        return *dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QPushButton& button(wizard::TFrmFilename& dialog, const char* name)
    {
        return *dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    TempAlias alias_;
    RecordingModal modal_;
};

} // namespace

TEST_F(SaveDialog, StartsWithTheDescriptionAndTheLimitsOfItsEdits)
{
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save Report File"));
    EXPECT_EQ(edit(dialog, "EdDescription").text(), QStringLiteral("Phone List"));
    EXPECT_EQ(edit(dialog, "EdDescription").maxLength(), 30);
    EXPECT_EQ(edit(dialog, "EdFileName").maxLength(), 8);
    EXPECT_TRUE(edit(dialog, "EdFileName").text().isEmpty());
    EXPECT_EQ(button(dialog, "BitBtn2").text(), QStringLiteral("OK"));
    EXPECT_TRUE(button(dialog, "BitBtn2").isDefault());
    EXPECT_EQ(button(dialog, "BitBtn1").text(), QStringLiteral("Cancel"));
}

TEST_F(SaveDialog, TheEditsTakeOnlyCharactersTheReportFilesCanHold)
{
    wizard::TFrmFilename dialog(alias_.session(), QString());
    Type(edit(dialog, "EdDescription"), QStringLiteral("Caf\u00e9 \u20ac \u03a9x"));
    EXPECT_EQ(edit(dialog, "EdDescription").text(), QStringLiteral("Caf\u00e9 \u20ac x"));
    Type(edit(dialog, "EdFileName"), QStringLiteral("a\u0416b"));
    EXPECT_EQ(edit(dialog, "EdFileName").text(), QStringLiteral("ab"));
}

TEST_F(SaveDialog, RefusesANameThatIsNotOnlyLettersAndDigitsAndEmptiesIt)
{
    for (const QString& name : {QStringLiteral("ab-c"), QStringLiteral("m\u00fcller"), QStringLiteral("a b"),
                                QStringLiteral("a.b")}) {
        modal_.clear();
        wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
        dialog.show();
        edit(dialog, "EdFileName").setText(name);
        QTest::mouseClick(&button(dialog, "BitBtn2"), Qt::LeftButton);
        ASSERT_EQ(modal_.shown().size(), 1u) << name.toStdString();
        EXPECT_EQ(modal_.shown()[0].kind, ui::MessageKind::Error);
        EXPECT_EQ(modal_.shown()[0].text, kIllegal);
        EXPECT_TRUE(edit(dialog, "EdFileName").text().isEmpty());
        EXPECT_TRUE(dialog.isVisible()) << name.toStdString();
        EXPECT_TRUE(dialog.reportFileName().isEmpty());
        dialog.hide();
    }
}

// No name at all is not a name of wrong characters: the user is asked for one.
TEST_F(SaveDialog, AnEmptyNameIsAskedForNotCalledIllegal)
{
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    dialog.show();
    QTest::mouseClick(&button(dialog, "BitBtn2"), Qt::LeftButton);
    ASSERT_EQ(modal_.shown().size(), 1u);
    EXPECT_EQ(modal_.shown()[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(modal_.shown()[0].text, QStringLiteral("Type a name for the report file: up to eight letters and digits."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.reportFileName().isEmpty());
}

TEST_F(SaveDialog, RefusesTheNameOfAnExistingReportInAnyLetterCaseAndKeepsIt)
{
    WriteBytes(alias_.path(QStringLiteral("rep1.rpt")), "Old\r\nContact\r\n");
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    edit(dialog, "EdFileName").setText(QStringLiteral("REP1"));
    dialog.BitBtn2Click();
    EXPECT_EQ(modal_.texts(), QStringList({"Filename already exists. Choose another."}));
    EXPECT_EQ(edit(dialog, "EdFileName").text(), QStringLiteral("REP1"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.reportFileName().isEmpty());
}

TEST_F(SaveDialog, AGoodNameGivesThePathAsTypedAndTheEditedDescription)
{
    WriteBytes(alias_.path(QStringLiteral("rep1.rpt")), "Old\r\nContact\r\n");
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    edit(dialog, "EdDescription").setText(QStringLiteral("Phone List 2"));
    edit(dialog, "EdFileName").setText(QStringLiteral("MyRep2"));
    dialog.BitBtn2Click();
    EXPECT_TRUE(modal_.shown().empty()) << modal_.texts().join(u'\n').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.reportFileName(), alias_.dataDir() + QStringLiteral("/MyRep2.rpt"));
    EXPECT_EQ(dialog.description(), QStringLiteral("Phone List 2"));
}

TEST_F(SaveDialog, CancelAndTheWindowFrameCloseWithoutAResult)
{
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    dialog.show();
    edit(dialog, "EdFileName").setText(QStringLiteral("good"));
    QTest::mouseClick(&button(dialog, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.reportFileName().isEmpty());
    EXPECT_TRUE(modal_.shown().empty());
}

TEST_F(SaveDialog, TheNameEditHasTheFocusWhenTheDialogIsActivated)
{
    wizard::TFrmFilename dialog(alias_.session(), QStringLiteral("Phone List"));
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog))
        GTEST_SKIP() << "this platform does not activate windows";
    EXPECT_TRUE(edit(dialog, "EdFileName").hasFocus());
    dialog.hide();
}
