// Reports in a folder that others write too: a report that is a link to a file
// elsewhere, and a report that someone else changes or deletes while it is
// loaded here. Nothing is written unasked, and success is told only when written.
#include "tests/support/FileBytes.h"
#include "tests/support/ReplaceSteps.h"
#include "tests/support/WizardDriver.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTableView>
#include <QTemporaryDir>

#include <functional>
#include <utility>
#include <sys/time.h>

namespace {

const QByteArray Ours = Crlf({"Short", "Contact", "Contact", "75", "1",
                              "0", "", "", "Firm", "Company", "1", "1", "30",
                              "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
// Another person's edit of the same size, stamped with the time the report had
// before, as a drive with coarse times may show it.
const QByteArray Theirs = QByteArray(Ours).replace("Firm", "Shop");

void SetModified(const QString& path, qint64 seconds)
{
    const struct timeval times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimes(QFile::encodeName(path).constData(), times);
}

// The time planted files give.
const qint64 When = 1772359200;

// The questions before someone else's report is written over.
QString FileTime()
{
    return QStringLiteral(" Its file time says it was last changed on %1.")
        .arg(QLocale().toString(QDateTime::fromSecsSinceEpoch(When), QLocale::LongFormat));
}
QString ChangedQuestion(const QString& path)
{
    return QStringLiteral("The report %1 has been changed by another program or user since it was loaded or saved "
                          "here.%2\n\nDo you want to overwrite it with this version?")
        .arg(path, FileTime());
}
QString DeletedQuestion(const QString& path)
{
    return QStringLiteral("The report %1 has been deleted by another program or user since it was loaded or saved "
                          "here.\n\nDo you want to save it again with this version?")
        .arg(path);
}
QString AppearedQuestion(const QString& path)
{
    return QStringLiteral("Another program or user has saved a report as %1 since this report was loaded, saved or "
                          "named here.%2\n\nDo you want to overwrite it with this version?")
        .arg(path, FileTime());
}
const QString Overwrite = QStringLiteral("Do you want to overwrite the existing report?");
const QString Created = QStringLiteral("Report successfully created.");
const QString Modified = QStringLiteral("Report successfully modified.");

// Someone else's version, with the time of a planted file.
void Plant(const QString& path, const QByteArray& bytes)
{
    WriteBytes(path, bytes);
    SetModified(path, When);
}

class SharedFolder : public ShownWizardDriver {
protected:
    // Loads the report through the operation and writes it back: through Modify
    // and "Make Report" (its questions answered from the queue), or through the
    // column-width editor, whose OK follows edit and which is cancelled when OK
    // leaves it open. othersAct runs once the report is loaded. True when the
    // editor stayed open.
    bool saveBack(const char* operation, const QString& name, const std::function<void()>& othersAct,
                  const std::function<void(QDialog&)>& edit = {})
    {
        click(operation);
        pickReport(name);
        bool stayedOpen = false;
        if (QLatin1String(operation) == QLatin1String("RBColumn")) {
            modal.onDialog([&](QDialog& dialog) {
                othersAct();
                if (edit)
                    edit(dialog);
                dialogChild<QPushButton>(dialog, "BtnOK")->click();
                stayedOpen = dialog.result() != QDialog::Accepted;
                if (stayedOpen)
                    dialogChild<QPushButton>(dialog, "BitBtn1")->click();
                return dialog.result();
            });
            next();
        } else {
            next();
            nextTo(10);
            othersAct();
            click("btMakeReport");
        }
        return stayedOpen;
    }
};

} // namespace

// A report that is a link is read but never written through: no flow calls it
// written, the message says what to do, and the column-width editor stays open.
TEST_F(SharedFolder, ALinkedReportIsNeverToldWrittenAndTheMessageSaysWhatToDo)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("shared.rpt"));
    WriteBytes(target, Ours);
    ASSERT_TRUE(QFile::link(target, alias.path(QStringLiteral("linked.rpt"))));
    const QString refusal = QStringLiteral("Cannot write report %1: it is a symbolic link, and the file it points to "
                                           "is left untouched. Nothing was written. To change it here, replace the "
                                           "link by a copy of %2.")
                                .arg(alias.path(QStringLiteral("linked.rpt")), target);
    for (const char* operation : {"RbModify", "RBColumn"}) {
        SCOPED_TRACE(operation);
        backToStart();
        modal.clear();
        if (QLatin1String(operation) == QLatin1String("RbModify"))
            modal.answer(true);
        const bool stayedOpen = saveBack(operation, QStringLiteral("linked.rpt"), [] {}, [](QDialog& dialog) {
            auto* grid = dialog.findChild<QTableView*>();
            grid->model()->setData(grid->model()->index(0, 3), QStringLiteral("28"));
        });
        EXPECT_EQ(stayedOpen, QLatin1String(operation) == QLatin1String("RBColumn"));
        EXPECT_EQ(modal.texts().value(modal.texts().size() - 1), refusal);
        EXPECT_FALSE(modal.texts().join(u'|').contains(QStringLiteral("successfully"))) << messages();
        EXPECT_EQ(ReadBytes(target), Ours);
        EXPECT_TRUE(QFileInfo(alias.path(QStringLiteral("linked.rpt"))).isSymLink());
    }
}

TEST_F(SharedFolder, AReportOthersChangedSinceItWasLoadedIsWrittenOverOnlyOnYes)
{
    enum class Other { Rewrites, Changes, Deletes };
    const QString path = alias.path(QStringLiteral("short.rpt"));
    const QString changed = ChangedQuestion(path);
    const QString deleted = DeletedQuestion(path);
    const struct {
        const char* name;
        const char* operation;
        Other other;
        bool yes;
        QStringList texts;
        QByteArray after;
    } cases[] = {
        {"rewritten unchanged", "RbModify", Other::Rewrites, true, {Overwrite, Created, Overwrite, Created}, Ours},
        {"changed, Yes", "RbModify", Other::Changes, true, {Overwrite, changed, Created, Overwrite, Created}, Ours},
        {"changed, No: a new name", "RbModify", Other::Changes, false, {Overwrite, changed, Created}, Theirs},
        {"deleted, Yes", "RbModify", Other::Deletes, true, {Overwrite, deleted, Created, Overwrite, Created}, Ours},
        {"editor, changed, Yes", "RBColumn", Other::Changes, true, {changed, Modified}, Ours},
        {"editor, changed, No: stays open", "RBColumn", Other::Changes, false, {changed}, Theirs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        backToStart();
        writeReport(QStringLiteral("short.rpt"), Ours);
        SetModified(path, When);
        QFile::remove(alias.path(QStringLiteral("mine.rpt")));
        const bool modify = QLatin1String(c.operation) == QLatin1String("RbModify");
        modal.clear();
        if (modify)
            modal.answer(true);
        if (c.other != Other::Rewrites)
            modal.answer(c.yes);
        const bool stayedOpen = saveBack(c.operation, QStringLiteral("short.rpt"), [&] {
            if (!c.yes && modify)
                saveAs(QStringLiteral("mine")); // the save dialog that No leads to
            if (c.other == Other::Deletes)
                QFile::remove(path);
            else
                WriteBytes(path, c.other == Other::Changes ? Theirs : Ours);
            if (c.other == Other::Changes)
                SetModified(path, When);
        });
        // Once written here, the report is as this window knows it again.
        if (modify && c.yes) {
            modal.answer(true);
            click("btMakeReport");
        }
        EXPECT_EQ(stayedOpen, !modify && !c.yes);
        EXPECT_EQ(modal.texts(), c.texts);
        for (const auto& shown : modal.shown())
            if (shown.text == changed || shown.text == deleted) {
                EXPECT_EQ(shown.caption, QStringLiteral("Warning"));
            }
        EXPECT_EQ(ReadBytes(path), c.after);
        if (modify && !c.yes) {
            EXPECT_EQ(ReadBytes(alias.path(QStringLiteral("mine.rpt"))), Ours);
        }
    }
}

// The file a save writes is found ignoring letter case: someone else's report
// that took the name in other letters is not the one loaded, whatever the path.
TEST_F(SharedFolder, AReportSavedUnderTheNameInOtherLettersIsWrittenOverOnlyOnYes)
{
    const QString theirs = alias.path(QStringLiteral("SHORT.RPT"));
    for (const char* operation : {"RbModify", "RBColumn"}) {
        SCOPED_TRACE(operation);
        const bool modify = QLatin1String(operation) == QLatin1String("RbModify");
        backToStart();
        QFile::remove(theirs);
        writeReport(QStringLiteral("short.rpt"), Ours);
        modal.clear();
        if (modify)
            modal.answer(true);
        modal.answer(false);
        const bool stayedOpen = saveBack(operation, QStringLiteral("short.rpt"), [&] {
            if (modify)
                saveAs(QStringLiteral("mine"));
            QFile::remove(alias.path(QStringLiteral("short.rpt")));
            Plant(theirs, Theirs);
        });
        EXPECT_EQ(stayedOpen, !modify);
        const QStringList asked{AppearedQuestion(theirs)};
        EXPECT_EQ(modal.texts(), modify ? QStringList{Overwrite} + asked + QStringList{Created} : asked);
        EXPECT_EQ(ReadBytes(theirs), Theirs);
    }
}

// A change made while a question is open, or after it before the report is
// written, is seen right before the report takes its place, and asked about
// again. No before anything is written leads to the save dialog, as ever.
TEST_F(SharedFolder, AChangeAfterTheQuestionIsAskedAboutAgain)
{
    enum class Again { WhileAsked, BeforeTheRename };
    const QString path = alias.path(QStringLiteral("short.rpt"));
    const QByteArray again = QByteArray(Theirs).replace("Shop", "Mall");
    const struct {
        const char* name;
        const char* operation;
        bool deleted; // before the first question; else changed
        Again when;
        bool secondYes;
        QStringList texts; // from the first question on
        QByteArray after;
    } cases[] = {
        {"changed while asked, No", "RbModify", false, Again::WhileAsked, false,
         {ChangedQuestion(path), ChangedQuestion(path)}, again},
        {"changed while asked, Yes", "RbModify", false, Again::WhileAsked, true,
         {ChangedQuestion(path), ChangedQuestion(path), Created}, Ours},
        {"changed before the rename, No", "RbModify", false, Again::BeforeTheRename, false,
         {ChangedQuestion(path), ChangedQuestion(path)}, again},
        {"deleted, then made anew", "RbModify", true, Again::BeforeTheRename, false,
         {DeletedQuestion(path), AppearedQuestion(path)}, again},
        {"editor, changed while asked, No", "RBColumn", false, Again::WhileAsked, false,
         {ChangedQuestion(path), ChangedQuestion(path)}, again},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool modify = QLatin1String(c.operation) == QLatin1String("RbModify");
        backToStart();
        writeReport(QStringLiteral("short.rpt"), Ours);
        modal.clear();
        if (modify)
            modal.answer(true);
        bool planted = false;
        const auto plantAgain = [&] {
            if (!std::exchange(planted, true))
                Plant(path, again);
        };
        modal.answer(true, c.when == Again::WhileAsked ? std::function<void()>(plantAgain) : nullptr);
        modal.answer(c.secondYes);
        const ReplaceSteps watched([&](base::ReplaceStep step, const QString& target) {
            if (step == base::ReplaceStep::SyncFile && target == path && c.when == Again::BeforeTheRename)
                plantAgain();
            return 0;
        });
        saveBack(c.operation, QStringLiteral("short.rpt"), [&] {
            if (modify && c.when == Again::WhileAsked && !c.secondYes)
                cancelDialog("BitBtn1"); // the save dialog that No leads to
            if (c.deleted)
                QFile::remove(path);
            else
                Plant(path, Theirs);
        });
        EXPECT_EQ(modal.texts(), (modify ? QStringList{Overwrite} : QStringList{}) + c.texts);
        EXPECT_EQ(ReadBytes(path), c.after);
    }
}

// A new report never replaces a file that took its name after the save dialog
// looked, not even one that came after the last look.
TEST_F(SharedFolder, ANewReportNeverReplacesAFileThatTookItsName)
{
    const QString path = alias.path(QStringLiteral("newrep.rpt"));
    for (const char* operation : {"RBCreate", "RbCopy"}) {
        SCOPED_TRACE(operation);
        backToStart();
        QFile::remove(path);
        writeReport(QStringLiteral("short.rpt"), Ours);
        if (QLatin1String(operation) == QLatin1String("RBCreate")) {
            createUpToFieldSelection("RbContactOrdered", "RBContact", "New");
            tick("PickContactField", QStringLiteral("Company"));
        } else {
            openExisting(operation, QStringLiteral("short.rpt"));
        }
        nextTo(10);
        modal.clear();
        saveAs(QStringLiteral("newrep"));
        modal.answer(false);
        bool planted = false;
        const ReplaceSteps watched([&](base::ReplaceStep step, const QString& target) {
            if (step == base::ReplaceStep::Rename && target == path && !std::exchange(planted, true))
                Plant(path, Theirs);
            return 0;
        });
        click("btMakeReport");
        EXPECT_EQ(modal.texts(), QStringList{AppearedQuestion(path)});
        EXPECT_EQ(ReadBytes(path), Theirs);
    }
}

// A colleague's change made while the delete question is open is deleted only
// on a second Yes; No, the default, keeps it.
TEST_F(SharedFolder, AReportChangedWhileTheDeleteQuestionIsOpenIsDeletedOnlyOnASecondYes)
{
    const QString path = alias.path(QStringLiteral("short.rpt"));
    for (const bool secondYes : {false, true}) {
        SCOPED_TRACE(secondYes ? "Yes" : "No");
        backToStart();
        writeReport(QStringLiteral("short.rpt"), Ours);
        modal.clear();
        modal.answer(true, [&] { Plant(path, Theirs); });
        modal.answer(secondYes);
        click("RbDelete");
        pickReport(QStringLiteral("short.rpt"));
        next();
        const QStringList texts = modal.texts();
        ASSERT_EQ(texts.size(), secondYes ? 3 : 2) << messages();
        EXPECT_EQ(texts[0], QStringLiteral("Do you want to delete the short.rpt report?"));
        EXPECT_TRUE(texts[1].startsWith(QStringLiteral("The report short.rpt has been changed by another program or "
                                                       "user since it was listed here")))
            << messages();
        if (secondYes)
            EXPECT_EQ(texts[2], QStringLiteral("The report short.rpt has been deleted."));
        EXPECT_EQ(QFile::exists(path), !secondYes);
        if (!secondYes)
            EXPECT_EQ(ReadBytes(path), Theirs);
    }
}

// A colleague's CASETW.RPT made while casetw is being saved: no second file
// under what the list shows as one name, and the save says so.
TEST_F(SharedFolder, NoCaseTwinIsMadeDuringASave)
{
    const QString theirs = alias.path(QStringLiteral("CASETW.RPT"));
    createUpToFieldSelection("RbContactOrdered", "RBContact", "New");
    tick("PickContactField", QStringLiteral("Company"));
    nextTo(10);
    modal.clear();
    saveAs(QStringLiteral("casetw"));
    const ReplaceSteps watched([&](base::ReplaceStep step, const QString& target) {
        if (step == base::ReplaceStep::SyncFile && QFileInfo(target).fileName() == QLatin1String("casetw.rpt"))
            Plant(theirs, Theirs);
        return 0;
    });
    click("btMakeReport");
    ASSERT_EQ(modal.texts().size(), 1) << messages();
    EXPECT_TRUE(modal.texts()[0].contains(QStringLiteral("which counts as the same name"))) << messages();
    EXPECT_FALSE(QFile::exists(alias.path(QStringLiteral("casetw.rpt"))));
    EXPECT_EQ(ReadBytes(theirs), Theirs);
}
