// A control that keeps the keyboard and is to be heard again with new words.
// What a screen reader is told is heard in the accessibility walk, on a real
// display (no events reach a listener here, without assistive technology).
#include "ui/Announce.h"
#include "ui/PickList.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct ActiveWindow : testing::Test {
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
};

QAccessible::Id Identity(QObject* object)
{
    return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object));
}

} // namespace

// The reader is first told of an object without words inside the control, which
// draws nothing; then of the control as an object it has not spoken.
TEST_F(ActiveWindow, AControlComesBackAsANewObjectAfterAWordlessStepInsideIt)
{
    auto* control = new QLineEdit(&window);
    auto* other = new QLineEdit(&window);
    control->show();
    other->show();
    control->setFocus();
    const QAccessible::Id spoken = Identity(control);
    ui::AnnounceAgain(*other);
    EXPECT_TRUE(other->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        << "a control without the keyboard is not spoken";
    ui::AnnounceAgain(*control);
    const auto inside = control->findChildren<QWidget*>(QStringLiteral("announceStandIn"));
    ASSERT_EQ(inside.size(), 1);
    EXPECT_FALSE(inside[0]->isVisible());
    EXPECT_TRUE(inside[0]->accessibleName().isEmpty());
    EXPECT_EQ(Identity(control), spoken) << "made anew only a moment later";
    QTest::qWait(400);
    EXPECT_NE(Identity(control), spoken);
    ui::AnnounceAgain(*control);
    EXPECT_EQ(control->findChildren<QWidget*>(QStringLiteral("announceStandIn")).size(), 1);
}

// The current entry says its tick and the summary once ticked; the summary is
// not said again when the keyboard comes back to it.
TEST_F(ActiveWindow, ATickOfTheCurrentEntryIsSaidWithTheSummary)
{
    auto* list = new ui::PickList(QStringLiteral("L"), &window);
    for (const char* name : {"FirstName", "LastName"})
        list->addEntry(QString::fromLatin1(name));
    list->setTickSummary([list] { return QStringLiteral("(%1 chosen)").arg(list->tickedCount()); });
    list->show();
    list->setFocus();
    list->setCurrentRow(1);
    auto words = [list](int row) {
        return QAccessible::queryAccessibleInterface(list)->tableInterface()->cellAt(row, 0)->text(
            QAccessible::Description);
    };
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(words(1), QStringLiteral("ticked (1 chosen)"));
    list->setTicked(0, true);
    EXPECT_EQ(words(0), QStringLiteral("ticked")) << "a tick from code is not a tick the user made";
    list->setCurrentRow(0);
    EXPECT_EQ(words(1), QStringLiteral("ticked"));
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(words(0), QStringLiteral("not ticked (1 chosen)"));
}
