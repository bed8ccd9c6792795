#pragma once

#include "base/Option.h"
#include "tests/support/FindControl.h"
#include "base/PickList.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "base/SpinEdit.h"
#include "shell/TFrmTabrep.h"
#include "tests/support/TempAlias.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

// The program's window over a temporary alias with the demo tables, every
// message recorded; the helpers act as the user does (buttons, options, the
// space bar in a pick list).
class WizardFixture : public testing::Test {
protected:
    WizardFixture() = default;
    ~WizardFixture() override
    {
        window.hide();
        QDir::setCurrent(startDirectory);
    }

    void SetUp() override { ASSERT_TRUE(window.created()) << modal.texts().join(u'\n').toStdString(); }

    template <typename T = QWidget>
    T* find(const char* name)
    {
        T* child = FindControl<T>(window, name);
        if (!child) {
            ADD_FAILURE() << "no control " << name;
            throw std::logic_error(name);
        }
        return child;
    }

    void next() { find<QPushButton>("BtnNext")->click(); }
    void previous() { find<QPushButton>("BtnPrior")->click(); }
    void click(const char* option) { find<base::Option>(option)->click(); }
    void describe(const QString& text) { find<QLineEdit>("EdDescription")->setText(text); }
    int shownPage() { return find<QStackedWidget>("Notebook1")->currentIndex(); }
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    base::PickList* contacts() { return find<base::PickList>("PickContactField"); }
    base::PickList* events() { return find<base::PickList>("PickEventField"); }

    // Toggles one entry of a pick list with the space bar, as the user does.
    void pick(base::PickList* list, const QString& entry)
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

    static QStringList entries(const base::PickList* list)
    {
        QStringList all;
        for (int i = 0; i < list->entryCount(); ++i)
            all << list->entryText(i);
        return all;
    }
    static QStringList selected(const base::PickList* list)
    {
        QStringList chosen;
        for (int i = 0; i < list->entryCount(); ++i)
            if (list->isEntrySelected(i))
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
        ASSERT_EQ(shownPage(), 6) << modal.texts().join(u'\n').toStdString();
    }

    // Answers the next report selection dialog by choosing the report with
    // this file name, or by Cancel when the name is "cancel"; the column-width
    // editor is answered by Cancel.
    void answerDialog(const QString& answer)
    {
        modal.onDialog([answer](QDialog& dialog) {
            if (answer == QLatin1String("cancel"))
                return int(QDialog::Rejected);
            auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("grid"));
            for (int row = 0; grid && row < grid->rowCount(); ++row)
                if (grid->item(row, 2)->text() == answer)
                    grid->selectRow(row);
            dialog.findChild<QPushButton*>(QStringLiteral("BtnOk"))->click();
            return dialog.result();
        });
    }

    // Ticks one box of the special-fields dialog ("CheckBox1" to "CheckBox3") and confirms it.
    void special(const QString& box)
    {
        modal.onDialog([box](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>(box)->click();
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            return dialog.result();
        });
        find<QPushButton>("BitBtn2")->click();
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
            previous();
        else if (verb == QLatin1String("click"))
            find<base::Option>(rest.toLatin1().constData())->click();
        else if (verb == QLatin1String("describe"))
            describe(rest);
        else if (verb == QLatin1String("pick"))
            pick(contacts()->findEntry(rest) >= 0 ? contacts() : events(), rest);
        else if (verb == QLatin1String("special"))
            special(rest);
        else
            ADD_FAILURE() << "unknown action " << action.toStdString();
    }

    const QString startDirectory = QDir::currentPath();  // the selection dialog changes it
    TempAlias alias;
    RecordingModal modal;
    TFrmTabrep window{alias.session()};
};
