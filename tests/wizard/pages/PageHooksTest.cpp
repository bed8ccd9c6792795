// The hooks of pages 0, 2, 3 and 7: what a turn into or out of each asks of it.
#include "design/HostTables.h"
#include "design/ReportSession.h"
#include "rules/EventFieldMap.h"
#include "store/Alias.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "ui/Option.h"
#include "ui/PickList.h"
#include "wizard/WizardState.h"
#include "wizard/pages/CategoryPage.h"
#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/OperationPage.h"

#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

using wizard::Mode;
using wizard::PageTurn;

namespace {

QStringList Entries(const QWidget& page, const char* list)
{
    QStringList entries;
    const auto* widget = page.findChild<QListWidget*>(QString::fromLatin1(list));
    for (int i = 0; widget && i < widget->count(); ++i)
        entries << widget->item(i)->text();
    return entries;
}

// A session over an alias (empty unless given the demo data), its working table closed at the end.
class WithSession : public testing::Test {
protected:
    explicit WithSession(TempAlias::Content content = TempAlias::Content::Empty) : alias(content)
    {
        session.setAlias(store::HostAlias);
        session.rows().recreate(store::HostAlias);
    }
    ~WithSession() override { session.rows().close(); }

    TempAlias alias;
    design::ReportSession session{alias.session()};
    RecordingModal modal;
};

} // namespace

// Leaving page 0 forward runs the operation chosen: the mode it begins in, the
// selection dialog asked (to delete or not), the load, and where the wizard ends.
TEST(OperationPageHooks, LeavingForwardRunsTheOperationChosen)
{
    const struct {
        const char* option;
        bool chosen;                // the selection dialog's answer
        std::optional<Mode> mode;   // begun in
        const char* asked;          // "", "modify" or "delete"
        bool loaded;
        bool left;                  // the page may be left
    } cases[] = {
        {"RBCreate", true, Mode::Create, "", false, true},
        {"RbModify", true, Mode::Modify, "modify", true, true},
        {"RbModify", false, Mode::Modify, "modify", false, false},
        {"RbCopy", true, Mode::Modify, "modify", true, true},
        {"RBColumn", true, Mode::Column, "modify", true, true},
        {"RbDelete", true, std::nullopt, "delete", false, false},
        {"RbDelete", false, std::nullopt, "delete", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.option << (c.chosen ? " chosen" : " cancelled"));
        std::vector<std::optional<Mode>> begun;
        QString asked;
        bool loaded = false;
        bool stayed = false;
        wizard::OperationPage::Steps steps;
        steps.begin = [&](std::optional<Mode> mode) { begun.push_back(mode); };
        steps.chooseReport = [&](bool deleting) {
            asked = deleting ? QStringLiteral("delete") : QStringLiteral("modify");
            return c.chosen;
        };
        steps.load = [&] { loaded = true; };
        steps.stay = [&] { stayed = true; };
        wizard::OperationPage page(std::move(steps));
        page.findChild<ui::Option*>(QString::fromLatin1(c.option))->click();

        EXPECT_TRUE(page.leave(PageTurn::Backward)); // nothing runs
        EXPECT_TRUE(begun.empty());
        EXPECT_EQ(page.leave(PageTurn::Forward), c.left);
        EXPECT_EQ(begun, std::vector<std::optional<Mode>>{c.mode});
        EXPECT_EQ(asked, QString::fromLatin1(c.asked));
        EXPECT_EQ(loaded, c.loaded);
        EXPECT_EQ(stayed, !c.left);
    }
}

TEST(DescriptionPageHooks, OnlyForwardWithoutADescriptionIsRefused)
{
    const struct {
        PageTurn turn;
        const char* text;
        bool left;
    } cases[] = {
        {PageTurn::Forward, "", false},
        {PageTurn::Forward, " ", true},
        {PageTurn::Forward, "Phones", true},
        {PageTurn::Backward, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RecordingModal modal;
        wizard::DescriptionPage page;
        page.setDescription(QString::fromLatin1(c.text));
        EXPECT_EQ(page.leave(c.turn), c.left);
        EXPECT_EQ(modal.texts(), c.left ? QStringList{} : QStringList{"You must enter a description."});
    }
}

// A new report starts with the category its type takes first; a loaded one keeps its own.
TEST_F(WithSession, CategoryPageEnteredChoosesTheFirstCategoryOfANewReportOnly)
{
    const struct {
        Mode mode;
        store::ReportType type;
        const char* on;
    } cases[] = {
        {Mode::Create, store::ReportType::Calendar, "RBEvent"},
        {Mode::Create, store::ReportType::Contact, "RBContact"},
        {Mode::Modify, store::ReportType::Calendar, "RbCall"},
        {Mode::Modify, store::ReportType::Contact, "RbCall"},
    };
    for (const auto& c : cases) {
        Mode mode = c.mode;
        wizard::CategoryPage page(session, mode);
        page.choose(store::Category::Call);
        design::ReportHead head;
        head.type = c.type;
        session.setHead(head);
        EXPECT_TRUE(page.enter(PageTurn::Forward));
        EXPECT_TRUE(page.findChild<ui::Option*>(QString::fromLatin1(c.on))->isChecked())
            << int(c.mode) << " " << int(c.type);
    }
}

// The field order built of the pick: CustomID first for the detail level (once),
// then the contact fields, then the event fields, a memo field last; the working
// table holds a row for each.
TEST_F(WithSession, FieldOrderPageBuildsTheListOfThePick)
{
    const QString callMemo = rules::GetEventDisplayName(QStringLiteral("CALL"), QStringLiteral("Memo"));
    const struct {
        const char* name;
        QStringList contacts;
        QStringList events;
        bool detailLevel;
        QStringList order;
    } cases[] = {
        {"contacts", {"Memo", "Company", "City"}, {}, false, {"Company", "City", "Memo"}},
        {"detail level", {"CustomID", "Company"}, {}, true, {"CustomID", "Company"}},
        {"detail level added", {"Company"}, {}, true, {"CustomID", "Company"}},
        {"event memo", {"Company"}, {callMemo, "Phone call date"}, false, {"Company", "Phone call date", callMemo}},
    };
    wizard::WizardState machine;
    machine.LayoutDirty = true;
    session.setEventCategory(QStringLiteral("CALL"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        wizard::FieldOrderPage page(session, machine);
        design::ReportHead head;
        head.detailLevel = c.detailLevel;
        session.setHead(head);
        session.setPick({c.contacts, c.events});
        EXPECT_TRUE(page.enter(PageTurn::Forward));
        EXPECT_EQ(page.orderedFields(), c.order);
        EXPECT_EQ(session.rows().rowCount(), c.order.size());
        // Back from the columns page the list stays as it is.
        session.setPick({});
        EXPECT_TRUE(page.enter(PageTurn::Backward));
        EXPECT_EQ(Entries(page, "lbAllFields"), c.order);
    }
    EXPECT_TRUE(modal.texts().isEmpty());
}

TEST_F(WithSession, FieldOrderPageRefusesAnEmptyPickOnlyAfterTheSelectionChanged)
{
    wizard::WizardState machine;
    wizard::FieldOrderPage page(session, machine);
    session.setPick({{"Company"}, {}});
    machine.LayoutDirty = true;
    ASSERT_TRUE(page.enter(PageTurn::Forward));

    session.setPick({});
    machine.LayoutDirty = false;
    EXPECT_TRUE(page.enter(PageTurn::Forward));
    EXPECT_EQ(page.orderedFields(), QStringList{"Company"});
    EXPECT_TRUE(modal.texts().isEmpty());

    machine.LayoutDirty = true;
    EXPECT_FALSE(page.enter(PageTurn::Forward));
    EXPECT_EQ(modal.texts(), QStringList{"No Fields Selected."});
    EXPECT_EQ(page.orderedFields(), QStringList{"Company"});
}

namespace {

class FieldSelectionHooks : public WithSession {
protected:
    FieldSelectionHooks() : WithSession(TempAlias::Content::DemoData) { hostTables.setAlias(store::HostAlias); }

    design::HostTables hostTables{alias.session()};
};

} // namespace

// Entering fills the lists of a new report only, and not after Previous; the
// catalogue's category becomes the session's event category.
TEST_F(FieldSelectionHooks, EnteringFillsTheCatalogueOfANewReportOnly)
{
    const struct {
        Mode mode;
        PageTurn turn;
        int events;                 // entries of the event list afterwards
        const char* eventCategory;  // the session's afterwards
    } cases[] = {
        {Mode::Create, PageTurn::Forward, 8, "CALL"},
        {Mode::Create, PageTurn::Backward, 0, ""},
        {Mode::Modify, PageTurn::Forward, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " " << int(c.turn));
        session.setEventCategory({});
        design::ReportHead head;
        head.category = store::Category::Call;
        session.setHead(head);
        Mode mode = c.mode;
        wizard::FieldSelectionPage page(session, hostTables, mode);
        EXPECT_TRUE(page.enter(c.turn));
        EXPECT_EQ(page.findChild<ui::PickList*>(QStringLiteral("PickEventField"))->entryCount(), c.events);
        EXPECT_EQ(session.eventCategory(), QString::fromLatin1(c.eventCategory));
    }
}

// The special-fields dialog's choices tick the combination fields as given;
// leaving the page leaves its ticked fields in the session.
TEST_F(FieldSelectionHooks, CombinationsAndThePickLeftInTheSession)
{
    Mode mode = Mode::Create;
    wizard::FieldSelectionPage page(session, hostTables, mode);
    page.FillPickFields(PageTurn::None);
    const struct {
        wizard::FieldSelectionPage::Combinations ticked;
        QStringList entries;
    } cases[] = {
        {{true, false, true}, {"salutfirstlast", "citystatezip"}},
        {{false, true, false}, {"firstlast"}},
        {{false, false, false}, {}},
    };
    for (const auto& c : cases) {
        page.tickCombinations(c.ticked);
        EXPECT_EQ(page.combinations(), c.ticked);
        EXPECT_EQ(page.tickedContacts(), c.entries);
        EXPECT_TRUE(page.leave(PageTurn::Forward));
        EXPECT_EQ(session.pick().contacts, c.entries);
        EXPECT_TRUE(session.pick().events.isEmpty());
    }
}
