#pragma once

#include "tests/support/QtPrinting.h"
#include "tests/support/FindControl.h"
#include "tests/support/RecordingModal.h"
#include "shell/TFrmTabrep.h"
#include "tests/support/TempAlias.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

// The main window over a temporary alias directory with the demo tables and the
// sample reports, the modal seam answering its dialogs, and the moves a user
// makes: Next and Previous, options, ticks in the pick lists, typing, and the
// answers given in the selection, save and column-width dialogs.
class WizardDriver : public testing::Test {
protected:
    WizardDriver()
    {
        window = std::make_unique<TFrmTabrep>(alias.session());
        EXPECT_TRUE(window->created()) << messages();
        window->show();
        // Active, as on a desktop: the focus moves to message boxes and back.
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    ~WizardDriver() override
    {
        window.reset();
        QDir::setCurrent(startDirectory);  // the selection dialog makes the alias directory current
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        return Child<T>(*window, name);
    }

    template <typename T = QWidget>
    static T* dialogChild(QDialog& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    int page() const { return child<QStackedWidget>("Notebook1")->currentIndex(); }
    WizardState& state() { return window->state(); }
    std::string messages() const { return modal.texts().join(u'\n').toStdString(); }

    void next() { child<QPushButton>("BtnNext")->click(); }
    void prior() { child<QPushButton>("BtnPrior")->click(); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    bool checked(const char* name) const { return child<QAbstractButton>(name)->isChecked(); }
    // Shown on its page, whichever page the notebook shows.
    bool shownOnPage(const char* name) const { return !child(name)->isHidden(); }

    // Presses Next until the page is reached; fails when the wizard stops short.
    void nextTo(int target)
    {
        while (page() < target) {
            const int before = page();
            next();
            if (page() <= before) {
                ADD_FAILURE() << "stuck on page " << before << ": " << messages();
                return;
            }
        }
    }

    // The page index, the page shown and the two buttons agree.
    void expectSettledOn(int expected) const
    {
        EXPECT_EQ(page(), expected) << messages();
        EXPECT_EQ(window->state().PageIndex, expected);
        EXPECT_EQ(child<QPushButton>("BtnPrior")->isEnabled(), expected != 0);
        EXPECT_EQ(child<QPushButton>("BtnNext")->isEnabled(), expected != 10);
    }

    // A user's click on the entry of a pick list (the check box toggles).
    void tick(const char* list, const QString& entry)
    {
        auto* pick = child<QListWidget>(list);
        const QList<QListWidgetItem*> found = pick->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << list << ": " << entry.toStdString();
        pick->scrollToItem(found.front());
        QTest::mouseClick(pick->viewport(), Qt::LeftButton, {}, pick->visualItemRect(found.front()).center());
    }
    QStringList ticked(const char* list) const
    {
        QStringList names;
        auto* pick = child<QListWidget>(list);
        for (int i = 0; i < pick->count(); ++i)
            if (pick->item(i)->checkState() == Qt::Checked)
                names << pick->item(i)->text();
        return names;
    }
    QStringList items(const char* list) const
    {
        QStringList names;
        auto* box = child<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i)
            names << box->item(i)->text();
        return names;
    }

    // Replaces the text of an edit (or of a spin edit's box) by typing.
    void type(const char* name, const QString& text)
    {
        QWidget* edit = child(name);
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            line->selectAll();
        else
            edit->findChild<QLineEdit*>()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    QString text(const char* name) const
    {
        QWidget* edit = child(name);
        auto* line = qobject_cast<QLineEdit*>(edit);
        return (line ? line : edit->findChild<QLineEdit*>())->text();
    }

    // The rows of a string grid, each as its cells' texts.
    QList<QStringList> gridRows(const char* name) const
    {
        QList<QStringList> rows;
        auto* grid = child<QTableWidget>(name);
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c)
                cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
            rows << cells;
        }
        return rows;
    }
    void setCell(const char* grid, int row, int column, const QString& value)
    {
        child<QTableWidget>(grid)->item(row, column)->setText(value);
    }

    // Page 0 to page 6 of a new report: report type, category (skipped for a
    // calendar report), description, paper and detail-level options.
    void createUpToFieldSelection(const char* reportType, const char* category, const QString& description,
                                  const char* paper = "RBAmPor", const char* detailLevel = "rbCustYes")
    {
        click("RBCreate");
        next();
        click(reportType);
        next();
        if (page() == 2) {
            click(category);
            next();
        }
        type("EdDescription", description);
        next();
        click(paper);
        next();
        click(detailLevel);
        next();
        EXPECT_EQ(page(), 6) << messages();
    }
    // Previous until page 0, as a user starting another operation. Previous
    // from page 2 runs the operation set-up again: for an existing report the
    // selection dialog comes back, and is cancelled.
    void backToStart()
    {
        for (int presses = 0; page() > 0 && presses < 12; ++presses) {
            if (page() == 2 && !checked("RBCreate"))
                cancelDialog("BtnCancel");
            prior();
        }
        EXPECT_EQ(page(), 0) << messages();
    }
    // A user's pick in the field list of the last page.
    void pickDefinition(const QString& field)
    {
        auto* list = child<QListWidget>("LBFieldDefs");
        const QList<QListWidgetItem*> found = list->findItems(field, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << field.toStdString();
        list->setCurrentItem(found.front());
    }

    // The next selection dialog chooses the report listed under name (or is cancelled).
    void pickReport(const QString& name)
    {
        modal.onDialog([name](QDialog& dialog) {
            auto* grid = dialogChild<QTableWidget>(dialog, "grid");
            for (int row = 0; row < grid->rowCount(); ++row)
                if (grid->item(row, 2)->text() == name)
                    grid->selectRow(row);
            const QModelIndexList chosen = grid->selectionModel()->selectedRows(2);
            if (chosen.size() != 1 || chosen.front().data().toString() != name) {
                ADD_FAILURE() << "not listed: " << name.toStdString();
                return int(QDialog::Rejected);
            }
            dialogChild<QPushButton>(dialog, "BtnOk")->click();
            return dialog.result();
        });
    }
    void cancelDialog(const char* cancelButton)
    {
        modal.onDialog([cancelButton](QDialog& dialog) {
            dialogChild<QPushButton>(dialog, cancelButton)->click();
            return dialog.result();
        });
    }
    // The next save dialog gets the name (and the description, when given), then OK.
    void saveAs(const QString& name, std::optional<QString> description = std::nullopt)
    {
        modal.onDialog([name, description](QDialog& dialog) {
            if (description)
                dialogChild<QLineEdit>(dialog, "EdDescription")->setText(*description);
            dialogChild<QLineEdit>(dialog, "EdFileName")->setText(name);
            dialogChild<QPushButton>(dialog, "BitBtn2")->click();
            return dialog.result();
        });
    }
    // Operation on page 0, then Next with the report chosen in the selection dialog.
    void openExisting(const char* operation, const QString& name)
    {
        click(operation);
        pickReport(name);
        next();
    }

    // The next column-width editor is closed with OK, without an edit.
    void acceptColumnEditor()
    {
        modal.onDialog([](QDialog& dialog) {
            dialogChild<QPushButton>(dialog, "BtnOK")->click();
            return dialog.result();
        });
    }

    // The report, loaded and written back through Modify (Yes to overwrite) and
    // through the column-width editor with OK and no edit, stays byte for byte.
    // fileName is the name listed in the selection dialog; onDisk, when given,
    // the file's name on disk.
    void expectRoundTrip(const QString& fileName, QString onDisk = {})
    {
        if (onDisk.isEmpty())
            onDisk = fileName;
        const QByteArray before = bytes(onDisk);
        backToStart();
        openExisting("RbModify", fileName);
        nextTo(10);
        modal.answer(true);
        click("btMakeReport");
        EXPECT_EQ(modal.texts().value(modal.texts().size() - 1), QStringLiteral("Report successfully created."));
        EXPECT_EQ(bytes(onDisk), before) << "through Modify: " << fileName.toStdString();

        backToStart();
        click("RBColumn");
        pickReport(fileName);
        acceptColumnEditor();
        next();
        EXPECT_EQ(modal.texts().value(modal.texts().size() - 1), QStringLiteral("Report successfully modified."));
        EXPECT_EQ(bytes(onDisk), before) << "through the column-width editor: " << fileName.toStdString();
        expectSettledOn(0);
    }

    QByteArray bytes(const QString& fileName) const
    {
        QFile file(alias.path(fileName));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
        return file.readAll();
    }
    void writeReport(const QString& fileName, const QByteArray& content) const
    {
        QFile file(alias.path(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << fileName.toStdString();
        file.write(content);
    }
    QStringList reportFiles() const
    {
        return QDir(alias.dataDir()).entryList({QStringLiteral("*.rpt"), QStringLiteral("*.RPT")}, QDir::Files,
                                               QDir::Name);
    }

    const QString startDirectory = QDir::currentPath();
    TempAlias alias;
    RecordingModal modal;
    std::unique_ptr<TFrmTabrep> window;
};

// Report lines joined with the file's line end, CR LF after every line.
inline QByteArray Crlf(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}
