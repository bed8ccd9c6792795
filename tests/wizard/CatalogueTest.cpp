#include "tests/support/WizardDriver.h"
#include "wizard/pages/FieldSelectionPage.h"

#include <QFile>
#include <vector>

namespace {

class Catalogue : public WizardDriver {
protected:
    // From the field-selection page back to the category page, where
    // "Contact Information Only" is turned on again, an option chosen there,
    // and forward to the field-selection page.
    void rechoose(const char* category)
    {
        for (int i = 0; i < 4; ++i)
            prior();
        ASSERT_EQ(page(), 2);
        if (category)
            click(category);
        for (int i = 0; i < 4; ++i)
            next();
        ASSERT_EQ(page(), 6);
    }
};

// CONTACT.DB of the demo data, in the table's field order, and the three combination fields.
const QStringList ContactEntries{
    "CustomID", "ContactID", "Salutation", "FirstName", "LastName", "Title", "Company", "Department",
    "Address1", "Address2", "City", "State", "ZipCode", "Country", "HomePhone", "WorkPhone",
    "FaxPhone", "MobilePhone", "Email", "Birthday", "Anniversary", "LastContact", "Active", "Children",
    "Rating", "Visits", "Memo", "User1", "User2", "User3", "User4", "User5",
    "User6", "User7", "User8", "User9", "User10", "Date1", "Date2", "Date3",
    "Date4", "Date5", "Date6", "Date7", "Date8", "Date9", "Date10", "Num1",
    "Num2", "Num3", "Num4", "Num5", "Money1", "Money2", "Money3", "Money4",
    "Money5", "salutfirstlast", "firstlast", "citystatezip",
};

} // namespace

TEST_F(Catalogue, FirstFillWithContactInformationOnly)
{
    createUpToFields();
    EXPECT_EQ(entries(contacts()), ContactEntries);
    EXPECT_TRUE(entries(events()).isEmpty());
    EXPECT_TRUE(events()->isHidden());
    EXPECT_TRUE(child<QLabel>("LblEvent")->isHidden());
    EXPECT_EQ(text("LblEvent"), QStringLiteral("Event Fields"));
    EXPECT_TRUE(window.wizard().fieldSelectionPage().catalogue().InfoKind.isNull());
    EXPECT_EQ(window.wizard().report().eventCategory(), QString());
    EXPECT_EQ(text("LblSelected"), QStringLiteral("(0 fields selected)"));
    EXPECT_TRUE(modal.shown().empty());

    // The fill itself writes its own form of the label; the page then rewrites it.
    window.wizard().fieldSelectionPage().FillPickFields(wizard::PageTurn::None);
    EXPECT_EQ(text("LblSelected"), QStringLiteral("(0 Fields Selected)"));
}

TEST_F(Catalogue, EachCategoryNamesAndFillsTheEventList)
{
    const struct {
        const char* option;
        char kind;
        const char* word;
        const char* heading;
        int count;
        const char* first;
        const char* last;
    } cases[] = {
        {"RBEvent", 'E', "GENERIC", "Event-related Fields", 11, "Event date", "Alarm lead time"},
        {"RbCall", 'C', "CALL", "Call-related Fields", 8, "Phone call date", "Alarm lead time"},
        {"RBLetter", 'L', "LETTER", "Letter-related Fields", 9, "Letter date", "Alarm lead time"},
        {"RbMeeting", 'M', "MEETING", "Meeting-related Fields", 9, "Meeting date", "Alarm lead time"},
        {"RbTodo", 'T', "TO-DO", "To-do - related Fields", 7, "To-do date", "Alarm lead time"},
        {"RBNote", 'N', "NOTE", "Note-related Fields", 3, "Note Date", "Notes"},
    };
    bool first = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        if (first)
            createUpToFields(c.option);
        else
            rechoose(c.option);
        first = false;
        EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().InfoKind, QChar(c.kind));
        EXPECT_EQ(window.wizard().report().eventCategory(), QString::fromLatin1(c.word));
        EXPECT_EQ(text("LblEvent"), QString::fromLatin1(c.heading));
        EXPECT_FALSE(child<QLabel>("LblEvent")->isHidden());
        EXPECT_FALSE(events()->isHidden());
        const QStringList list = entries(events());
        ASSERT_EQ(list.size(), c.count);
        EXPECT_EQ(list.first(), QString::fromLatin1(c.first));
        EXPECT_EQ(list.last(), QString::fromLatin1(c.last));
        EXPECT_EQ(entries(contacts()), ContactEntries);
    }
}

TEST_F(Catalogue, ContactInformationOnlyAfterACategoryRefillsItButKeepsItHidden)
{
    createUpToFields("RbCall");
    pickEvent("Phone call date");
    rechoose(nullptr);  // entering page 2 turned "Contact Information Only" on
    EXPECT_TRUE(child<ui::Option>("RBContact")->isChecked());
    EXPECT_EQ(entries(events()).size(), 8);
    EXPECT_EQ(entries(events()).first(), QStringLiteral("Phone call date"));
    EXPECT_TRUE(selected(events()).isEmpty());
    EXPECT_TRUE(events()->isHidden());
    EXPECT_TRUE(child<QLabel>("LblEvent")->isHidden());
    EXPECT_EQ(text("LblEvent"), QStringLiteral("Call-related Fields"));
    EXPECT_EQ(window.wizard().report().eventCategory(), QStringLiteral("CALL"));
    EXPECT_EQ(window.wizard().fieldSelectionPage().catalogue().InfoKind, QChar(u'C'));
}

namespace {

struct ListCase {
    const char* name;
    std::vector<const char*> actions;  // from the field-selection page of a new call report
    QStringList contacts;              // selected afterwards
    QStringList events;
    const char* label;
};

void PrintTo(const ListCase& c, std::ostream* out)
{
    *out << c.name;
}

const ListCase listCases[] = {
    {"BackToPage3AndForwardKeepsThem",
     {"pick Company", "pick Phone call date", "Previous", "Previous", "Previous", "Next", "Next", "Next"},
     {"Company"}, {"Phone call date"}, "(2 fields selected)"},
    {"AnotherCategoryOnPage2RefillsThem",
     {"pick Company", "Previous", "Previous", "Previous", "Previous", "click RbMeeting", "Next", "Next", "Next",
      "Next"},
     {}, {}, "(0 fields selected)"},
    // Chosen from code, so the catalogue stays marked: only the direction of travel keeps the lists.
    {"PreviousFromPage7KeepsThem", {"special CheckBox2", "Next", "Previous"}, {"firstlast"}, {}, "(1 field selected)"},
};

class CatalogueLists : public WizardDriver, public testing::WithParamInterface<ListCase> {};

} // namespace

TEST_P(CatalogueLists, AreKeptOrRefilled)
{
    createUpToFields("RbCall");
    for (const char* action : GetParam().actions)
        act(QString::fromLatin1(action));
    EXPECT_EQ(page(), 6);
    EXPECT_EQ(selected(contacts()), GetParam().contacts);
    EXPECT_EQ(selected(events()), GetParam().events);
    EXPECT_EQ(text("LblSelected"), QString::fromLatin1(GetParam().label));
    EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CatalogueLists, testing::ValuesIn(listCases),
                         [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST_F(Catalogue, ModifyingKeepsTheLoadedListsWhenTheCategoryChanges)
{
    click("RbModify");
    answerDialog(QStringLiteral("phonelst.rpt"));
    next();
    next();
    click("RbCall");
    for (int i = 0; i < 4; ++i)
        next();
    ASSERT_EQ(page(), 6);
    EXPECT_EQ(entries(contacts()), ContactEntries);
    EXPECT_EQ(selected(contacts()), (QStringList{"CustomID", "FirstName", "LastName", "WorkPhone"}));
    EXPECT_TRUE(entries(events()).isEmpty());
    EXPECT_TRUE(events()->isHidden());
    EXPECT_EQ(text("LblSelected"), QStringLiteral("(4 fields selected)"));
}

TEST_F(Catalogue, AMissingHostTableEndsTheFillAndThePageBeforeStays)
{
    createUpToFields();
    for (const char* table : {"EVENT.DB", "CONTACT.DB"}) {
        SCOPED_TRACE(table);
        prior();
        const QString path = alias.path(QString::fromLatin1(table));
        ASSERT_TRUE(QFile::rename(path, path + QStringLiteral(".away")));
        next();
        EXPECT_EQ(modal.texts(), QStringList{QStringLiteral("Table does not exist: ") + path});
        modal.clear();
        EXPECT_EQ(page(), 5);
        EXPECT_EQ(window.state().PageIndex, 5);
        EXPECT_TRUE(child<QPushButton>("BtnPrior")->isEnabled());
        EXPECT_TRUE(child<QPushButton>("BtnNext")->isEnabled());

        ASSERT_TRUE(QFile::rename(path + QStringLiteral(".away"), path));
        next();
        EXPECT_EQ(page(), 6);
        EXPECT_EQ(entries(contacts()), ContactEntries);
        EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();
    }
}
