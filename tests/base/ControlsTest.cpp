#include "base/ErrorGuard.h"
#include "base/Option.h"
#include "base/PickList.h"
#include "base/SpinEdit.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(SpinEdit, TextMayStandOutOfRangeUntilTheFocusLeaves)
{
    QWidget window;
    auto* spin = new base::SpinEdit(1, 20, &window);
    auto* other = new QLineEdit(&window);
    int changes = 0;
    spin->setChangeHandler([&] { ++changes; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    spin->setFocus();
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, "25");
    EXPECT_EQ(spin->value(), 25);
    EXPECT_EQ(changes, 2);
    other->setFocus();
    EXPECT_EQ(spin->value(), 20);
    EXPECT_EQ(edit->text(), QStringLiteral("20"));
    EXPECT_EQ(changes, 3);
    window.hide();
}

TEST(SpinEdit, NotANumberReadsAsMinimumAndCodeClampsAndRunsTheHandler)
{
    base::SpinEdit spin(1, 200);
    int changes = 0;
    spin.setChangeHandler([&] { ++changes; });
    spin.findChild<QLineEdit*>()->setText(QString());
    EXPECT_EQ(spin.value(), 1);
    spin.setValue(250);
    EXPECT_EQ(spin.value(), 200);
    EXPECT_EQ(changes, 1);
    spin.setValue(200);
    EXPECT_EQ(changes, 1) << "an unchanged value runs no handler";
    spin.setMaxLength(3);
    QString text = QStringLiteral("1000");
    int pos = 0;
    EXPECT_EQ(spin.validate(text, pos), QValidator::Invalid);
}

TEST(SpinEdit, AFailureInTheHandlerReachesTheCodeThatSetTheValue)
{
    base::SpinEdit spin(1, 20);
    spin.setChangeHandler([] { throw base::EngineError(QStringLiteral("boom")); });
    EXPECT_THROW(spin.setValue(5), base::EngineError);
}

TEST(Option, TurningOnFromCodeRunsTheHandlerOnlyWhenItWasOff)
{
    QWidget page;
    QButtonGroup group;
    base::Option a(QStringLiteral("A"), QStringLiteral("A"), &page);
    base::Option b(QStringLiteral("B"), QStringLiteral("B"), &page);
    group.addButton(&a);
    group.addButton(&b);
    int clicksA = 0, clicksB = 0;
    a.setClickHandler([&] { ++clicksA; });
    b.setClickHandler([&] { ++clicksB; });
    a.turnOn();
    EXPECT_TRUE(a.isChecked());
    EXPECT_EQ(clicksA, 1);
    a.turnOn();
    EXPECT_EQ(clicksA, 1);
    b.turnOn();
    EXPECT_FALSE(a.isChecked());
    EXPECT_EQ(clicksB, 1);
    b.setClickHandler([] { throw base::EngineError(QStringLiteral("stop")); });
    a.turnOn();
    EXPECT_THROW(b.turnOn(), base::EngineError);
}

TEST(Option, AUserClickRunsTheHandlerInsideTheErrorGuard)
{
    RecordingModal modal;
    QWidget page;
    QButtonGroup group;
    base::Option a(QStringLiteral("A"), QStringLiteral("A"), &page);
    base::Option b(QStringLiteral("B"), QStringLiteral("B"), &page);
    group.addButton(&a);
    group.addButton(&b);
    a.setChecked(true);
    b.setClickHandler([] { throw base::EngineError(QStringLiteral("Table is busy")); });
    b.click();
    EXPECT_TRUE(b.isChecked());
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(modal.shown()[0].text, QStringLiteral("Table is busy"));
}

TEST(PickList, ClickAndSpaceToggleOneEntryAndCodeRunsNoHandler)
{
    base::PickList list(QStringLiteral("L"));
    for (const char* name : {"FirstName", "LastName", "Memo"})
        list.addEntry(QString::fromLatin1(name));
    int clicks = 0;
    list.setClickHandler([&] { ++clicks; });
    list.show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_TRUE(list.isEntrySelected(1));
    EXPECT_EQ(clicks, 1);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(list.isEntrySelected(1));
    EXPECT_EQ(clicks, 2);
    list.setEntrySelected(2, true);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_EQ(list.findEntry(QStringLiteral("memo")), 2);
    EXPECT_EQ(list.findEntry(QStringLiteral("Company")), -1);
    list.hide();
}
