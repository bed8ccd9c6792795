#pragma once

#include "ui/Option.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "shell/TFrmTabrep.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>

// The main window over a temporary alias directory with the demo tables and the
// sample reports, the modal seam recording every message and answering the
// dialogs, and the moves a user makes: Next and Previous, options, ticks and
// the space bar in the pick lists, typing, and the answers given in the
// selection, save, special-fields and column-width dialogs. The window stays
// hidden unless the fixture asks for it shown (ShownWizardDriver).
class WizardDriver : public testing::Test {
protected:
    enum class Window { Hidden, Shown };
    explicit WizardDriver(Window shown = Window::Hidden) : shown_(shown) {}
    ~WizardDriver() override
    {
        window.hide();
        QDir::setCurrent(startDirectory);  // the selection dialog makes the alias directory current
    }

    void SetUp() override
    {
        ASSERT_TRUE(window.created()) << messages();
        if (shown_ == Window::Shown)
            showActive();
    }

    // Shown and active, as on a desktop: the focus moves to message boxes and back.
    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A control of the window; a test failure, and the test ended, when there is none.
    template <typename T = QWidget>
    T* child(const char* name)
    {
        T* found = FindControl<T>(window, name);
        if (!found) {
            ADD_FAILURE() << "no control " << name;
            throw std::logic_error(name);
        }
        return found;
    }

    template <typename T = QWidget>
    static T* dialogChild(QDialog& dialog, const char* name)
    {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    int page() { return child<QStackedWidget>("Notebook1")->currentIndex(); }
    wizard::WizardState& state() { return window.state(); }
    std::string messages() { return modal.texts().join(u'\n').toStdString(); }

    void next() { child<QPushButton>("BtnNext")->click(); }
    void prior() { child<QPushButton>("BtnPrior")->click(); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    bool checked(const char* name) { return child<QAbstractButton>(name)->isChecked(); }
    // Shown on its page, whichever page the notebook shows.
    bool shownOnPage(const char* name) { return !child(name)->isHidden(); }

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

    // No two controls of a page and the bar under it share an accelerator, on any page.
    void expectAcceleratorsApart()
    {
        window.wizard().ensurePages();
        const auto keys = [](const QWidget& holder) {
            QStringList found;
            for (const QAbstractButton* button : holder.findChildren<QAbstractButton*>()) {
                const QKeySequence key = QKeySequence::mnemonic(button->text());
                if (!key.isEmpty())
                    found << key.toString();
            }
            return found;
        };
        const QStringList bar = keys(*child("Panel1"));
        auto* notebook = child<QStackedWidget>("Notebook1");
        for (int index = 0; index < notebook->count(); ++index) {
            const QStringList all = keys(*notebook->widget(index)) + bar;
            EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size())
                << index << ": " << all.join(u' ').toStdString();
        }
    }

    // The page index, the page shown and the two buttons agree.
    void expectSettledOn(int expected)
    {
        EXPECT_EQ(page(), expected) << messages();
        EXPECT_EQ(window.state().PageIndex, expected);
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
    QStringList ticked(const char* list)
    {
        QStringList names;
        auto* pick = child<QListWidget>(list);
        for (int i = 0; i < pick->count(); ++i)
            if (pick->item(i)->checkState() == Qt::Checked)
                names << pick->item(i)->text();
        return names;
    }
    QStringList items(const char* list)
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
    // Sets the description on page 3 at once, as a paste does.
    void describe(const QString& text) { child<QLineEdit>("EdDescription")->setText(text); }
    // The text of a label, an edit or a spin edit's box.
    QString text(const char* name)
    {
        QWidget* control = child(name);
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        auto* line = qobject_cast<QLineEdit*>(control);
        return (line ? line : control->findChild<QLineEdit*>())->text();
    }

    // The rows of a string grid, each as its cells' texts.
    QList<QStringList> gridRows(const char* name)
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
            auto* grid = dialogChild<QTableView>(dialog, "grid");
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, 2).data().toString() == name)
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

    ui::PickList* contacts() { return child<ui::PickList>("PickContactField"); }
    ui::PickList* events() { return child<ui::PickList>("PickEventField"); }

    // Toggles one entry of a pick list with the space bar, as the user does.
    void pick(ui::PickList* list, const QString& entry)
    {
        const int index = list->findEntry(entry);
        if (index < 0) {
            ADD_FAILURE() << "no entry " << entry.toStdString() << " in " << list->objectName().toStdString();
            return;
        }
        list->setCurrentRow(index);
        QTest::keyClick(list, Qt::Key_Space);
    }
    void pickContact(const char* entry) { pick(contacts(), QString::fromLatin1(entry)); }
    void pickEvent(const char* entry) { pick(events(), QString::fromLatin1(entry)); }

    static QStringList entries(const ui::PickList* list)
    {
        QStringList all;
        for (int i = 0; i < list->entryCount(); ++i)
            all << list->entryText(i);
        return all;
    }
    static QStringList selected(const ui::PickList* list)
    {
        QStringList chosen;
        for (int i = 0; i < list->entryCount(); ++i)
            if (list->isTicked(i))
                chosen << list->entryText(i);
        return chosen;
    }

    // Creating a report: from page 0 to the field-selection page with the
    // given category option on page 2 (nullptr keeps "Contact Information Only").
    void createUpToFields(const char* category = nullptr)
    {
        next();
        next();
        if (category)
            click(category);
        next();
        describe(QStringLiteral("Test report"));
        next();
        next();
        next();
        ASSERT_EQ(page(), 6) << messages();
    }

    // Answers the next dialog: the selection dialog by choosing the report
    // listed under answer, any dialog by Cancel when answer is "cancel".
    void answerDialog(const QString& answer)
    {
        if (answer == QLatin1String("cancel"))
            modal.onDialog([](QDialog&) { return int(QDialog::Rejected); });
        else
            pickReport(answer);
    }

    // Ticks one box of the special-fields dialog ("CheckBox1" to "CheckBox3") and confirms it.
    void special(const QString& box)
    {
        modal.onDialog([box](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>(box)->click();
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            return dialog.result();
        });
        child<QPushButton>("BitBtn2")->click();
    }

    // One user action written as text: "Next", "Previous", "click <option>",
    // "describe <text>", "pick <entry of either list>", "special <box>".
    void act(const QString& action)
    {
        const QString verb = action.section(u' ', 0, 0);
        const QString rest = action.mid(verb.size() + 1);
        if (verb == QLatin1String("Next"))
            next();
        else if (verb == QLatin1String("Previous"))
            prior();
        else if (verb == QLatin1String("click"))
            click(rest.toLatin1().constData());
        else if (verb == QLatin1String("describe"))
            describe(rest);
        else if (verb == QLatin1String("pick"))
            pick(contacts()->findEntry(rest) >= 0 ? contacts() : events(), rest);
        else if (verb == QLatin1String("special"))
            special(rest);
        else
            ADD_FAILURE() << "unknown action " << action.toStdString();
    }

    const QString startDirectory = QDir::currentPath();
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window{alias.session()};

private:
    Window shown_;
};

// The window shown and active from the start, for whole operations.
class ShownWizardDriver : public WizardDriver {
protected:
    ShownWizardDriver() : WizardDriver(Window::Shown) {}
};

// Report lines joined with the file's line end, CR LF after every line.
inline QByteArray Crlf(std::initializer_list<const char*> lines)
{
    QByteArray out;
    for (const char* line : lines)
        out += QByteArray(line) + "\r\n";
    return out;
}
