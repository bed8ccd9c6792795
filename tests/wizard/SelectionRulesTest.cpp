#include "tests/support/WizardDriver.h"
#include "wizard/pages/FieldSelectionPage.h"

#include <vector>

namespace {

// One click in a pick list of a new call report, and what it shows.
struct Click {
    const char* entry;
    const char* label;          // the count label afterwards
    const char* message = "";   // the refusal, if any
};

struct ClickCase {
    const char* name;
    std::vector<Click> clicks;
    QStringList contacts;   // selected at the end
    QStringList events;
    bool contactMemo;       // ContactMemoChosen at the end
    bool eventMemo;
};

void PrintTo(const ClickCase& c, std::ostream* out)
{
    *out << c.name;
}

const char* const Refused1 = "You cannot choose both memo fields (1)";
const char* const Refused2 = "You cannot choose both memo fields (2)";

const ClickCase clickCases[] = {
    {"EventMemoFirstRefusesTheContactMemo",
     {{"Phone call notes", "(1 field selected)"}, {"Memo", "(1 field selected)", Refused1}},
     {}, {"Phone call notes"}, false, true},
    {"ContactMemoFirstRefusesTheEventMemo",
     {{"Memo", "(1 field selected)"}, {"Phone call notes", "(1 field selected)", Refused2}},
     {"Memo"}, {}, true, false},
    {"DeselectedMemoLetsTheOtherIn",
     {{"Memo", "(1 field selected)"}, {"Memo", "(0 fields selected)"}, {"Phone call notes", "(1 field selected)"}},
     {}, {"Phone call notes"}, false, true},
    {"DeselectedEventMemoLetsTheContactMemoIn",
     {{"Phone call notes", "(1 field selected)"}, {"Phone call notes", "(0 fields selected)"},
      {"Memo", "(1 field selected)"}},
     {"Memo"}, {}, true, false},
    {"RefusalAmongOtherFieldsCountsWhatIsSelected",
     {{"Company", "(1 field selected)"},
      {"Phone call date", "(2 fields selected)"},
      {"Memo", "(3 fields selected)"},
      {"Phone call notes", "(3 fields selected)", Refused2},
      {"Phone call subject", "(4 fields selected)"},
      {"City", "(5 fields selected)"}},
     {"Company", "City", "Memo"}, {"Phone call date", "Phone call subject"}, true, false},
};

class SelectionRules : public WizardDriver, public testing::WithParamInterface<ClickCase> {};

class SelectionCount : public WizardDriver {};

class DetailLevel : public WizardDriver {};

} // namespace

TEST_P(SelectionRules, OneMemoFieldAtMostAndTheCount)
{
    createUpToFields("RbCall");
    for (const Click& click : GetParam().clicks) {
        SCOPED_TRACE(click.entry);
        act(QStringLiteral("pick ") + QString::fromLatin1(click.entry));
        EXPECT_EQ(text("LblSelected"), QString::fromLatin1(click.label));
        const QStringList message = *click.message ? QStringList{QString::fromLatin1(click.message)} : QStringList{};
        EXPECT_EQ(modal.texts(), message);
        modal.clear();
        EXPECT_FALSE(window.wizard().fieldSelectionPage().catalogue().CatalogueDirty);
        EXPECT_TRUE(window.state().LayoutDirty);
    }
    EXPECT_EQ(selected(contacts()), GetParam().contacts);
    EXPECT_EQ(selected(events()), GetParam().events);
    EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().ContactMemoChosen, GetParam().contactMemo);
    EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().EventMemoChosen, GetParam().eventMemo);
    // The field-order list has not been built yet: the column count stays at 1.
    EXPECT_EQ(window.state().SelectedCount, 0);
    EXPECT_EQ(child<ui::SpinEdit>("SpinCol")->value(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectionRules, testing::ValuesIn(clickCases),
                         [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST_F(SelectionCount, AClickAfterPage7TakesTheCountOfTheFieldOrderList)
{
    createUpToFields("RbCall");
    for (const char* action : {"pick Company", "pick City", "Next", "Previous", "pick State"})
        act(QString::fromLatin1(action));
    EXPECT_EQ(text("LblSelected"), QStringLiteral("(3 fields selected)"));
    // CustomID, Company and City, as the order was built on page 7.
    EXPECT_EQ(window.state().SelectedCount, 3);
    EXPECT_EQ(child<ui::SpinEdit>("SpinCol")->value(), 3);
}

TEST_F(DetailLevel, SelectsAndDeselectsCustomIdWithoutTheRules)
{
    // Before the lists are filled there is nothing to select.
    click("rbCustNo");
    click("rbCustYes");
    EXPECT_EQ(contacts()->entryCount(), 0);

    createUpToFields();
    pickContact("Company");
    prior();
    ASSERT_EQ(page(), 5);
    const wizard::WizardState before = window.state();
    const bool dirtyBefore = window.wizard().fieldSelectionPage().catalogue().CatalogueDirty;
    const struct {
        const char* option;
        QStringList selected;
    } steps[] = {
        {"rbCustNo", {"Company"}},
        {"rbCustYes", {"CustomID", "Company"}},
        {"rbCustNo", {"Company"}},
    };
    for (const auto& s : steps) {
        click(s.option);
        EXPECT_EQ(selected(contacts()), s.selected) << s.option;
        EXPECT_EQ(text("LblSelected"), QStringLiteral("(1 field selected)")) << s.option;
        EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().CatalogueDirty, dirtyBefore);
        EXPECT_EQ(window.state().SelectedCount, before.SelectedCount);
    }
    EXPECT_TRUE(modal.shown().empty());
}
