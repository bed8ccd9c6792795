#include "ui/Describes.h"
#include "ui/ErrorGuard.h"
#include "ui/KeyboardGrid.h"
#include "ui/Option.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QHelpEvent>
#include <QPushButton>
#include <QFontMetrics>
#include <QStyle>
#include <QToolTip>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

TEST(SpinEdit, TextMayStandOutOfRangeUntilTheFocusLeaves)
{
    QWidget window;
    auto* spin = new ui::SpinEdit(1, 20, &window);
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
    ui::SpinEdit spin(1, 200);
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
    ui::SpinEdit spin(1, 20);
    spin.setChangeHandler([] { throw base::EngineError(QStringLiteral("boom")); });
    EXPECT_THROW(spin.setValue(5), base::EngineError);
}

namespace {

// Two options of one group on a page.
struct TwoOptions : testing::Test {
    TwoOptions()
    {
        group.addButton(&a);
        group.addButton(&b);
    }
    QWidget page;
    QButtonGroup group;
    ui::Option a{QStringLiteral("A"), QStringLiteral("A"), &page};
    ui::Option b{QStringLiteral("B"), QStringLiteral("B"), &page};
};

} // namespace

TEST_F(TwoOptions, TurningOnFromCodeRunsTheHandlerOnlyWhenItWasOff)
{
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

TEST_F(TwoOptions, AUserClickRunsTheHandlerInsideTheErrorGuard)
{
    RecordingModal modal;
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
    ui::PickList list(QStringLiteral("L"));
    for (const char* name : {"FirstName", "LastName", "Memo"})
        list.addEntry(QString::fromLatin1(name));
    int clicks = 0;
    list.setClickHandler([&] { ++clicks; });
    list.show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_TRUE(list.isTicked(1));
    EXPECT_EQ(clicks, 1);
    list.setCurrentRow(1);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(list.isTicked(1));
    EXPECT_EQ(clicks, 2);
    list.setTicked(2, true);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.tickedCount(), 1);
    EXPECT_EQ(list.findEntry(QStringLiteral("memo")), 2);
    EXPECT_EQ(list.findEntry(QStringLiteral("Company")), -1);
    list.hide();
}

// What a screen reader, voice control or a switch meets: entries that say they can
// be ticked and an action that ticks as a click does (the announcement of a tick
// is heard in the accessibility walk, on a real display).
TEST(PickList, AssistiveTechnologyReadsTicksHearsThemAndTicksThroughTheAction)
{
    ui::PickList list(QStringLiteral("L"));
    for (const char* name : {"FirstName", "LastName"})
        list.addEntry(QString::fromLatin1(name));
    int clicks = 0;
    list.setClickHandler([&] { ++clicks; });
    QAccessibleInterface* second = QAccessible::queryAccessibleInterface(&list)->tableInterface()->cellAt(1, 0);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->state().checkable);
    EXPECT_FALSE(second->state().checked);
    EXPECT_EQ(second->text(QAccessible::Description), QStringLiteral("not ticked"));
    list.setCurrentRow(0);
    EXPECT_EQ(list.tickedCount(), 0) << "making an entry current ticks nothing";
    ASSERT_NE(second->actionInterface(), nullptr);
    second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(list.isTicked(1));
    EXPECT_TRUE(second->state().checked);
    EXPECT_EQ(second->text(QAccessible::Description), QStringLiteral("ticked"));
    EXPECT_EQ(clicks, 1);
    second->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(list.isTicked(1));
    EXPECT_EQ(clicks, 2);
    list.setTicked(0, true);
    EXPECT_EQ(clicks, 2);
}

TEST(SpinEdit, AssistiveTechnologyReadsTheNumberShownAndItsBounds)
{
    ui::SpinEdit spin(1, 200);
    int changes = 0;
    spin.setChangeHandler([&] { ++changes; });
    spin.setValue(75);
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(&spin)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue(), 75);
    EXPECT_EQ(value->minimumValue(), 1);
    EXPECT_EQ(value->maximumValue(), 200);
    value->setCurrentValue(120);
    EXPECT_EQ(spin.findChild<QLineEdit*>()->text(), QStringLiteral("120"));
    EXPECT_EQ(changes, 2) << "a value set by assistive technology runs the change handler";
    QTest::keyClicks(spin.findChild<QLineEdit*>(), "0");
    EXPECT_EQ(value->currentValue(), 1200) << "while typed, the value is the text shown";
}

// A line edit, a grid of two rows and two columns and a button, in an active
// window, with the focus in the grid.
namespace {
struct GridWindow {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    ui::KeyboardTableWidget* grid = new ui::KeyboardTableWidget(2, 2, &window);
    QPushButton* after = new QPushButton(QStringLiteral("After"), &window);

    bool shown()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        grid->setFocus();
        return true;
    }
};
} // namespace

// Where each key press in the grid leaves the focus and the grid's current cell.
TEST(KeyboardGrid, TabMovesThroughTheCellsAndOnCtrlTabLeavesAtOnce)
{
    enum Where { Before, Grid, After };
    const struct {
        int row, column;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Where focus;
        int toRow, toColumn;
    } cases[] = {
        {0, 0, Qt::Key_Tab, Qt::NoModifier, Grid, 0, 1},
        {0, 1, Qt::Key_Tab, Qt::NoModifier, Grid, 1, 0},
        {1, 1, Qt::Key_Tab, Qt::NoModifier, After, 1, 1},
        {1, 0, Qt::Key_Backtab, Qt::ShiftModifier, Grid, 0, 1},
        {0, 0, Qt::Key_Backtab, Qt::ShiftModifier, Before, 0, 0},
        {0, 0, Qt::Key_Tab, Qt::ControlModifier, After, 0, 0},
        {1, 1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, Before, 1, 1},
        {0, 0, Qt::Key_Right, Qt::NoModifier, Grid, 0, 1},
    };
    for (const auto& c : cases) {
        GridWindow w;
        ASSERT_TRUE(w.shown());
        auto* const before = w.before;
        auto* const grid = w.grid;
        auto* const after = w.after;
        grid->setCurrentCell(c.row, c.column);
        QTest::keyClick(grid, c.key, c.modifiers);
        QWidget* const expected[] = {before, grid, after};
        const std::string where = QStringLiteral("key %1 from %2,%3").arg(c.key).arg(c.row).arg(c.column).toStdString();
        EXPECT_EQ(QApplication::focusWidget(), expected[c.focus]) << where;
        EXPECT_EQ(grid->currentRow(), c.toRow) << where;
        EXPECT_EQ(grid->currentColumn(), c.toColumn) << where;
    }
}

TEST(KeyboardGrid, TabInTheLastCellsEditorStoresTheTextAndLeaves)
{
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        GridWindow w;
        ASSERT_TRUE(w.shown());
        auto* const grid = w.grid;
        auto* const after = w.after;
        const int column = modifiers == Qt::NoModifier ? 1 : 0;
        grid->setCurrentCell(1, column);
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, grid) << "F2 opens the cell's editor";
        QTest::keyClicks(editor, "42");
        QTest::keyClick(editor, Qt::Key_Tab, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), after);
        ASSERT_NE(grid->item(1, column), nullptr);
        EXPECT_EQ(grid->item(1, column)->text(), QStringLiteral("42"));
    }
}

TEST(KeyboardGrid, ReturnInAnOpenCellOnlyFinishesItAndThenPressesTheDefaultButton)
{
    QDialog dialog;
    auto* grid = new ui::KeyboardTableWidget(1, 1, &dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    int presses = 0;
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] { ++presses; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid) << "F2 opens the cell's editor";
    QTest::keyClicks(editor, "42");
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_NE(grid->item(0, 0), nullptr);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("42"));
    EXPECT_EQ(presses, 0) << "Return that finishes a cell does not press OK";
    EXPECT_EQ(QApplication::focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(presses, 1) << "with no cell open, Return presses OK";
}

TEST(KeyboardGrid, ACellTextThatDoesNotFitShowsWholeAsATooltip)
{
    for (const QString& text : {QStringLiteral("Phone call subject"), QStringLiteral("Fits")}) {
        ui::KeyboardTableWidget grid(1, 1);
        grid.setColumnWidth(0, 60);
        grid.setItem(0, 0, new QTableWidgetItem(text));
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        const QPoint inside = grid.visualItemRect(grid.item(0, 0)).center();
        QHelpEvent help(QEvent::ToolTip, inside, grid.viewport()->mapToGlobal(inside));
        QApplication::sendEvent(grid.viewport(), &help);
        const bool fits = text == QStringLiteral("Fits");
        EXPECT_EQ(QToolTip::text(), fits ? QString() : text);
        QToolTip::hideText();
    }
}

// The tooltip follows what the cell draws: a text that fits the room inside the
// cell's margins exactly shows none; one pixel less room shows it whole.
TEST(KeyboardGrid, ATextThatFitsInsideTheMarginsShowsNoTooltip)
{
    const QString text = QStringLiteral("Phone call subject");
    for (const int less : {0, 1}) {
        ui::KeyboardTableWidget grid(1, 1);
        grid.setItem(0, 0, new QTableWidgetItem(text));
        const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
        const int grid_line = grid.showGrid() ? 1 : 0;
        grid.setColumnWidth(0, QFontMetrics(grid.font()).horizontalAdvance(text) + 2 * margin + grid_line - less);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
        const QPoint inside = grid.visualItemRect(grid.item(0, 0)).center();
        QHelpEvent help(QEvent::ToolTip, inside, grid.viewport()->mapToGlobal(inside));
        QApplication::sendEvent(grid.viewport(), &help);
        EXPECT_EQ(QToolTip::text(), less ? text : QString()) << "room less by " << less;
        QToolTip::hideText();
    }
}

// A text describing an option is its description and belongs to it, so a screen
// reader entering the page does not read it with the page's own texts; the option
// is still named by its caption, not by the text.
TEST(Describes, TheTextBelongsToTheControlThatKeepsItsName)
{
    QWidget page;
    auto* option = new ui::Option(QStringLiteral("RBNote"), QStringLiteral("Include Note Fields"), &page);
    auto* text = new QLabel(QStringLiteral("Note Time, Note Date, etc."), &page);
    ui::Describes(*text, *option);
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(option);
    QAccessibleInterface* words = QAccessible::queryAccessibleInterface(text);
    EXPECT_EQ(control->text(QAccessible::Name), QStringLiteral("Include Note Fields"));
    EXPECT_EQ(control->text(QAccessible::Description), text->text());
    EXPECT_TRUE(control->relations(QAccessible::Labelled).isEmpty());
    EXPECT_EQ(words->text(QAccessible::Name), text->text());
    const auto belongs = words->relations(QAccessible::Label);
    ASSERT_EQ(belongs.size(), 1);
    EXPECT_EQ(belongs.front().first->object(), option);
}
