#include "ui/PickList.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "shell/TFrmTabrep.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <utility>

namespace {


// The main window with its contact field list filled as the field-selection page fills it.
class SpecialFields : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.created());
        list = Child<ui::PickList>(window, "PickContactField");
        for (const char* entry : {"Company", "salutfirstlast", "firstlast", "citystatezip"})
            list->addEntry(QString::fromLatin1(entry));
    }

    void select(const QStringList& entries)
    {
        list->clearTicks();
        for (const QString& entry : entries)
            list->setTicked(list->findEntry(entry), true);
    }

    QStringList selected() const
    {
        QStringList entries;
        for (int i = 0; i < list->entryCount(); ++i)
            if (list->isTicked(i))
                entries << list->entryText(i);
        return entries;
    }

    void openDialog(std::function<void(QDialog&)> inside)
    {
        modal.onDialog([inside](QDialog& dialog) {
            inside(dialog);
            Child<QPushButton>(dialog, "BitBtn1")->click();
            return dialog.result();
        });
        Child<QPushButton>(window, "BitBtn2")->click();
    }

    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window{alias.session()};
    ui::PickList* list = nullptr;
};

} // namespace

TEST_F(SpecialFields, EachBoxShowsWhetherItsEntryIsSelected)
{
    const struct {
        QStringList selected;
        bool ticked[3];
    } cases[] = {
        {{}, {false, false, false}},
        {{"firstlast"}, {false, true, false}},
        {{"Company", "salutfirstlast", "citystatezip"}, {true, false, true}},
    };
    for (const auto& c : cases) {
        select(c.selected);
        openDialog([&c](QDialog& dialog) {
            int i = 0;
            for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3"})
                EXPECT_EQ(Child<QCheckBox>(dialog, box)->isChecked(), c.ticked[i++])
                    << box << " with " << c.selected.join(u',').toStdString();
        });
    }
}

TEST_F(SpecialFields, ClicksSetTheEntriesAndLeaveTheCountAndTheRulesAlone)
{
    select({"Company", "firstlast"});
    auto* count = Child<QLabel>(window, "LblSelected");
    count->setText(QStringLiteral("(2 fields selected)"));
    const wizard::WizardState before = window.state();
    const bool dirtyBefore = window.wizard().fieldSelectionPage().catalogue().CatalogueDirty;
    openDialog([](QDialog& dialog) {
        Child<QCheckBox>(dialog, "CheckBox3")->click();
        Child<QCheckBox>(dialog, "CheckBox2")->click();
    });
    EXPECT_EQ(selected(), (QStringList{"Company", "citystatezip"}));
    EXPECT_EQ(count->text(), QStringLiteral("(2 fields selected)"));
    EXPECT_EQ(window.state().LayoutDirty, before.LayoutDirty);
    EXPECT_EQ(window.state().SelectedCount, before.SelectedCount);
    EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().CatalogueDirty, dirtyBefore);
    EXPECT_TRUE(modal.shown().empty());
}

// Voice control and switch users toggle a box through its accessibility action.
TEST_F(SpecialFields, AToggleThroughTheAccessibilityInterfaceSetsTheEntry)
{
    select({"Company"});
    openDialog([](QDialog& dialog) {
        for (const char* box : {"CheckBox1", "CheckBox3"}) {
            QAccessibleActionInterface* action =
                QAccessible::queryAccessibleInterface(Child<QCheckBox>(dialog, box))->actionInterface();
            ASSERT_NE(action, nullptr);
            action->doAction(QAccessibleActionInterface::toggleAction());
        }
    });
    EXPECT_EQ(selected(), (QStringList{"Company", "salutfirstlast", "citystatezip"}));
}

TEST_F(SpecialFields, ABoxWhoseFieldIsNotInTheListChangesNothing)
{
    list->clear();
    list->addEntry(QStringLiteral("Company"));
    list->addEntry(QStringLiteral("FIRSTLAST"));
    select({"FIRSTLAST"});
    openDialog([](QDialog& dialog) {
        EXPECT_FALSE(Child<QCheckBox>(dialog, "CheckBox1")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>(dialog, "CheckBox2")->isChecked());
        Child<QCheckBox>(dialog, "CheckBox1")->click();
        Child<QCheckBox>(dialog, "CheckBox3")->click();
    });
    EXPECT_EQ(selected(), QStringList{"FIRSTLAST"});
}

// A screen reader speaks each box with what its field combines, as shown beside it.
TEST_F(SpecialFields, EachBoxIsDescribedByTheTextBesideIt)
{
    openDialog([](QDialog& dialog) {
        for (const auto& [box, label] : {std::pair{"CheckBox1", "Label2"}, {"CheckBox2", "Label3"},
                                         {"CheckBox3", "Label4"}}) {
            const QString described =
                QAccessible::queryAccessibleInterface(Child<QCheckBox>(dialog, box))->text(QAccessible::Description);
            EXPECT_EQ(described, Child<QLabel>(dialog, label)->text()) << box;
            EXPECT_FALSE(described.isEmpty());
        }
    });
}

// The dialog hands its choices back however it is closed; the list takes them then.
TEST_F(SpecialFields, TheBoxesStandAsLeftWhetherOkOrEscapeClosesTheDialog)
{
    for (const bool byEscape : {false, true}) {
        select({"Company", "firstlast"});
        modal.onDialog([byEscape](QDialog& dialog) {
            Child<QCheckBox>(dialog, "CheckBox1")->click();
            Child<QCheckBox>(dialog, "CheckBox2")->click();
            if (byEscape) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(&dialog, &escape);
            } else {
                Child<QPushButton>(dialog, "BitBtn1")->click();
            }
            return dialog.result();
        });
        Child<QPushButton>(window, "BitBtn2")->click();
        EXPECT_EQ(selected(), (QStringList{"Company", "salutfirstlast"})) << (byEscape ? "Escape" : "OK");
    }
}
