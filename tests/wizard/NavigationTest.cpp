#include "design/ReportDesign.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "tests/support/WizardDriver.h"

#include "store/engine/Table.h"

#include <QApplication>
#include <QRadioButton>
#include <QWindow>
#include <functional>
#include <vector>

namespace {

// One user action and the state the window must be in afterwards.
struct Step {
    const char* action;
    const char* dialogs = "";      // answers to the dialogs it opens: report names or "cancel"
    int page = 0;                  // page shown, and PageIndex
    wizard::Mode mode = wizard::Mode::None;
    bool layoutDirty = false;
    bool catalogueDirty = false;
    const char* message = "";      // the error shown, if any
    int rows = -1;                 // rows of the working table (-1: not checked)
    const char* on = nullptr;      // an option that must be on
};

struct Walk {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Walk& walk, std::ostream* out)
{
    *out << walk.name;
}

const Walk walks[] = {
    {"CreateContactOrdered",
     {
         {.action = "Next", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 0},
         {.action = "Next", .page = 2, .mode = wizard::Mode::Create, .layoutDirty = true, .on = "RBContact"},
         {.action = "click RbCall", .page = 2, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true,
          .message = "You must enter a description."},
         {.action = "describe    ", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 4, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 5, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true,
          .message = "No Fields Selected."},
         {.action = "pick Company", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Next", .page = 7, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 2},
         {.action = "Next", .page = 8, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Next", .page = 9, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Next", .page = 10, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 9, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 8, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 7, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 5, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 4, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 2},
         {.action = "Previous", .page = 2, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true,
          .on = "RBContact"},
         {.action = "Previous", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true,
          .rows = 0},
         {.action = "Previous", .page = 0, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
     }},
    {"CreateDateOrderedSkipsPage2BothWays",
     {
         {.action = "Next", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 0},
         {.action = "click rbDateOrdered", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true,
          .catalogueDirty = true},
         {.action = "Next", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true,
          .on = "RBEvent"},
         {.action = "describe Birthdays", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true,
          .catalogueDirty = true},
         {.action = "Next", .page = 4, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 5, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "pick Event date", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Next", .page = 7, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 2},
         {.action = "Previous", .page = 6, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 5, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 4, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true},
         // Straight to page 1, without the operation set-up: the rows stay.
         {.action = "Previous", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true, .rows = 2},
         {.action = "Next", .page = 3, .mode = wizard::Mode::Create, .layoutDirty = true, .on = "RBEvent"},
     }},
    {"ModifyPreviousOnPage2ChoosesAndLoadsAgain",
     {
         {.action = "click RbModify", .page = 0, .catalogueDirty = true},
         {.action = "Next", .dialogs = "phonelst.rpt", .page = 1, .mode = wizard::Mode::Modify, .catalogueDirty = true,
          .rows = 4},
         {.action = "Next", .page = 2, .mode = wizard::Mode::Modify, .catalogueDirty = true, .on = "RBContact"},
         {.action = "click RbCall", .page = 2, .mode = wizard::Mode::Modify, .catalogueDirty = true},
         {.action = "Next", .page = 3, .mode = wizard::Mode::Modify, .catalogueDirty = true},
         {.action = "Next", .page = 4, .mode = wizard::Mode::Modify, .catalogueDirty = true},
         {.action = "Next", .page = 5, .mode = wizard::Mode::Modify, .catalogueDirty = true},
         {.action = "Next", .page = 6, .mode = wizard::Mode::Modify, .catalogueDirty = true},
         {.action = "pick Company", .page = 6, .mode = wizard::Mode::Modify, .layoutDirty = true},
         {.action = "Previous", .page = 5, .mode = wizard::Mode::Modify, .layoutDirty = true},
         {.action = "Previous", .page = 4, .mode = wizard::Mode::Modify, .layoutDirty = true},
         {.action = "Previous", .page = 3, .mode = wizard::Mode::Modify, .layoutDirty = true},
         {.action = "Previous", .page = 2, .mode = wizard::Mode::Modify, .layoutDirty = true, .on = "RbCall"},
         // Loading turns "Contact Information Only" back on, which marks the catalogue.
         {.action = "Previous", .dialogs = "phonelst.rpt", .page = 1, .mode = wizard::Mode::Modify, .catalogueDirty = true,
          .rows = 4, .on = "RBContact"},
     }},
    {"ModifyCancelled",
     {
         {.action = "click RbModify", .page = 0, .catalogueDirty = true},
         {.action = "Next", .dialogs = "cancel", .page = 0, .mode = wizard::Mode::Modify, .catalogueDirty = true,
          .rows = 0},
     }},
    {"Copy",
     {
         {.action = "click RbCopy", .page = 0, .catalogueDirty = true},
         {.action = "Next", .dialogs = "callrpt.rpt", .page = 1, .mode = wizard::Mode::Modify, .catalogueDirty = true,
          .rows = 8, .on = "RbCall"},
     }},
    {"ColumnWidthsEditorCancelled",
     {
         {.action = "click RBColumn", .page = 0, .catalogueDirty = true},
         {.action = "Next", .dialogs = "calendar.rpt cancel", .page = 0, .mode = wizard::Mode::Column,
          .catalogueDirty = true, .rows = 8},
     }},
    {"DeleteCancelledKeepsTheModeOfTheLastOperation",
     {
         {.action = "Next", .page = 1, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "Previous", .page = 0, .mode = wizard::Mode::Create, .layoutDirty = true},
         {.action = "click RbDelete", .page = 0, .mode = wizard::Mode::Create, .layoutDirty = true, .catalogueDirty = true},
         {.action = "Next", .dialogs = "cancel", .page = 0, .mode = wizard::Mode::Create, .catalogueDirty = true,
          .rows = 0},
     }},
};


class Navigation : public WizardDriver, public testing::WithParamInterface<Walk> {};

} // namespace

TEST_P(Navigation, PagesStatesAndRefusalsStepByStep)
{
    int number = 0;
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++number << ": " << step.action);
        for (const QString& answer : QString::fromLatin1(step.dialogs).split(u' ', Qt::SkipEmptyParts))
            answerDialog(answer);
        act(QString::fromLatin1(step.action));

        EXPECT_EQ(page(), step.page);
        EXPECT_EQ(window.state().PageIndex, step.page);
        EXPECT_EQ(child<QPushButton>("BtnPrior")->isEnabled(), step.page != 0);
        EXPECT_EQ(child<QPushButton>("BtnNext")->isEnabled(), step.page != 10);
        EXPECT_EQ(window.state().Mode, step.mode);
        EXPECT_EQ(window.state().LayoutDirty, step.layoutDirty);
        EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().CatalogueDirty, step.catalogueDirty);
        const QStringList message = *step.message ? QStringList{QString::fromLatin1(step.message)} : QStringList{};
        EXPECT_EQ(modal.texts(), message);
        for (const auto& shown : modal.shown())
            EXPECT_EQ(shown.caption, QStringLiteral("Error"));
        modal.clear();
        if (step.rows >= 0) {
            EXPECT_EQ(window.wizard().design().rowCount(), step.rows);
        }
        if (step.on) {
            EXPECT_TRUE(child<QRadioButton>(step.on)->isChecked()) << step.on;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Walks, Navigation, testing::ValuesIn(walks),
                         [](const testing::TestParamInfo<Walk>& info) { return std::string(info.param.name); });

namespace {

class Keyboard : public ShownWizardDriver {
protected:
    // A key pressed on the window goes where the user's key would: to the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }
    // An accelerator animates its button's click; wait until the click has landed.
    bool accelerator(Qt::Key key, const std::function<bool()>& landed)
    {
        press(key, Qt::AltModifier);
        return QTest::qWaitFor(landed);
    }
    bool isOn(const char* option) { return child<QRadioButton>(option)->isChecked(); }
};

} // namespace

TEST_F(Keyboard, AcceleratorsPickTheOperations)
{
    const struct {
        Qt::Key key;
        const char* option;
    } cases[] = {
        {Qt::Key_M, "RbModify"}, {Qt::Key_D, "RbDelete"}, {Qt::Key_O, "RbCopy"},
        {Qt::Key_W, "RBColumn"}, {Qt::Key_C, "RBCreate"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(accelerator(c.key, [&] { return isOn(c.option); })) << c.option;
    EXPECT_EQ(page(), 0);
    EXPECT_TRUE(modal.shown().empty());
}

// Alt+P is Previous alone, also on the first page where Previous is disabled.
TEST_F(Keyboard, NoTwoControlsOfAPageAndTheBarShareAnAccelerator)
{
    expectAcceleratorsApart();
}

TEST_F(Keyboard, EnterPressesNextOnEveryPageWhereNextIsEnabled)
{
    for (int from = 0; from < 10; ++from) {
        SCOPED_TRACE(testing::Message() << "page " << from);
        if (from == 3) {
            EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>("EdDescription"));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Keys"));
            EXPECT_EQ(text("LblDesc"), QStringLiteral("Keys"));
        }
        if (from == 6) {
            contacts()->setFocus();
            contacts()->setCurrentRow(contacts()->findEntry(QStringLiteral("Company")));
            press(Qt::Key_Space);
            EXPECT_EQ(selected(contacts()), QStringList{"Company"});
        }
        press(Qt::Key_Return);
        EXPECT_EQ(page(), from + 1);
    }
    EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();

    // On the last page Next is disabled and Enter does nothing.
    press(Qt::Key_Return);
    EXPECT_EQ(page(), 10);
    EXPECT_EQ(window.state().PageIndex, 10);
}

TEST_F(Keyboard, AltPAndAltNMoveBackAndForth)
{
    next();
    next();
    ASSERT_EQ(page(), 2);
    EXPECT_TRUE(accelerator(Qt::Key_P, [&] { return page() == 1; }));
    EXPECT_TRUE(accelerator(Qt::Key_N, [&] { return page() == 2; }));
    EXPECT_TRUE(accelerator(Qt::Key_N, [&] { return page() == 3; }));
    // Refused without a description, as with the button.
    EXPECT_TRUE(accelerator(Qt::Key_N, [&] { return !modal.shown().empty(); }));
    EXPECT_EQ(modal.texts(), QStringList{"You must enter a description."});
    EXPECT_EQ(page(), 3);
    EXPECT_TRUE(accelerator(Qt::Key_P, [&] { return page() == 2; }));
}

// Enter in an option or an edit turns the page as Next does, and the new page
// takes the keyboard on its checked option, so the first arrow key changes nothing.
TEST_F(Keyboard, APageTurnedByEnterFocusesItsCheckedOption)
{
    nextTo(3);
    child<QLineEdit>("EdDescription")->setText(QStringLiteral("Keys"));
    const struct {
        int page;
        const char* option; // chosen on the page, not its first
        int from;
        const char* focus; // where Enter is pressed on the page before
    } cases[] = {
        {1, "rbDateOrdered", 0, "RBCreate"},
        {4, "RBA4Lan", 3, "EdDescription"},
        {5, "rbCustNo", 4, "RBA4Lan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        while (page() > c.from)
            prior();
        nextTo(c.page);
        click(c.option);
        while (page() > c.from)
            prior();
        child(c.focus)->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(page(), c.page) << messages();
        EXPECT_EQ(QApplication::focusWidget(), child(c.option));
    }
}
