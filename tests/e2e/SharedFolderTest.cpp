// Reports in a folder that others write too: a report that is a link to a file
// elsewhere, and a report that someone else changes or deletes while it is
// loaded here. Nothing is written unasked, and success is told only when written.
#include "tests/support/FileBytes.h"
#include "tests/support/WizardDriver.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTableView>
#include <QTemporaryDir>

#include <functional>
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
    const qint64 when = 1772359200;
    const QString overwrite = QStringLiteral("Do you want to overwrite the existing report?");
    const QString changed =
        QStringLiteral("The report short.rpt has been changed by another program or user since it was loaded or "
                       "saved here; it was last changed on %1.\n\nDo you want to overwrite it with this version?")
            .arg(QLocale().toString(QDateTime::fromSecsSinceEpoch(when), QLocale::LongFormat));
    const QString deleted = QStringLiteral("The report short.rpt has been deleted by another program or user since "
                                           "it was loaded or saved here.\n\nDo you want to save it again with this "
                                           "version?");
    const QString created = QStringLiteral("Report successfully created.");
    const QString modified = QStringLiteral("Report successfully modified.");
    const struct {
        const char* name;
        const char* operation;
        Other other;
        bool yes;
        QStringList texts;
        QByteArray after;
    } cases[] = {
        {"rewritten unchanged", "RbModify", Other::Rewrites, true, {overwrite, created, overwrite, created}, Ours},
        {"changed, Yes", "RbModify", Other::Changes, true, {overwrite, changed, created, overwrite, created}, Ours},
        {"changed, No: a new name", "RbModify", Other::Changes, false, {overwrite, changed, created}, Theirs},
        {"deleted, Yes", "RbModify", Other::Deletes, true, {overwrite, deleted, created, overwrite, created}, Ours},
        {"editor, changed, Yes", "RBColumn", Other::Changes, true, {changed, modified}, Ours},
        {"editor, changed, No: stays open", "RBColumn", Other::Changes, false, {changed}, Theirs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        backToStart();
        writeReport(QStringLiteral("short.rpt"), Ours);
        SetModified(path, when);
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
                SetModified(path, when);
        });
        // Once written here, the report is as this window knows it again.
        if (modify && c.yes) {
            modal.answer(true);
            click("btMakeReport");
        }
        EXPECT_EQ(stayedOpen, !modify && !c.yes);
        EXPECT_EQ(modal.texts(), c.texts);
        EXPECT_EQ(ReadBytes(path), c.after);
        if (modify && !c.yes) {
            EXPECT_EQ(ReadBytes(alias.path(QStringLiteral("mine.rpt"))), Ours);
        }
    }
}
