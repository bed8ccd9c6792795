// Words said after a change, wherever the keyboard is. What a screen reader is
// told is heard in the accessibility walk, on a real display (no events reach a
// listener here, without assistive technology).
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

    // The window's notification, as assistive technology sees it (null when there is none).
    QAccessibleInterface* notice()
    {
        const auto found = window.findChildren<QWidget*>(QStringLiteral("announceNotice"));
        EXPECT_LE(found.size(), 1);
        return found.isEmpty() || !found[0]->isVisible() ? nullptr : QAccessible::queryAccessibleInterface(found[0]);
    }

    QWidget window;
};

QAccessible::Id Identity(QObject* object)
{
    return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object));
}

} // namespace

// A notification of the window shows with the words; the control keeps the
// keyboard and stays the object a tool holds.
TEST_F(ActiveWindow, WordsAreSaidByANotificationAndNoControlIsMadeAnew)
{
    auto* control = new QLineEdit(&window);
    control->show();
    control->setFocus();
    const QAccessible::Id held = Identity(control);
    for (const QString words : {QStringLiteral("FirstName, 2 of 5"), QStringLiteral("FirstName, 3 of 5")}) {
        ui::Say(*control, words);
        QAccessibleInterface* said = notice();
        ASSERT_NE(said, nullptr);
        EXPECT_EQ(said->role(), QAccessible::Notification);
        EXPECT_EQ(said->text(QAccessible::Name), words);
        EXPECT_FALSE(said->state().focusable);
    }
    QTest::qWait(400);
    EXPECT_TRUE(control->hasFocus());
    EXPECT_EQ(Identity(control), held);
}

// A tick of the current entry by the user is said with the entry and the
// summary; the entry keeps its own words, and a tick from code is not said.
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
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->text(QAccessible::Name), QStringLiteral("LastName, ticked (1 chosen)"));
    EXPECT_EQ(words(1), QStringLiteral("ticked"));
    list->setTicked(0, true);
    EXPECT_EQ(words(0), QStringLiteral("ticked"));
    EXPECT_EQ(notice()->text(QAccessible::Name), QStringLiteral("LastName, ticked (1 chosen)"))
        << "a tick from code is not a tick the user made";
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(notice()->text(QAccessible::Name), QStringLiteral("FirstName, not ticked (1 chosen)"));
    EXPECT_EQ(words(0), QStringLiteral("not ticked"));
}
