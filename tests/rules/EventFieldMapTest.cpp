#include "rules/EventFieldMap.h"
#include "rules/FieldOrderRules.h"

#include "tests/support/QtPrinting.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

using rules::FillEventFieldList;
using rules::GetEventDisplayName;
using rules::GetEventFieldName;

namespace {

struct Pair {
    const char* fieldName;
    const char* displayName;
};

struct Category {
    const char* word;
    std::vector<Pair> entries;
};

const std::vector<Category>& Categories()
{
    static const std::vector<Category> categories = {
        {"GENERIC",
         {{"EventDate", "Event date"}, {"EventTime", "Event time"}, {"Type", "Event type"},
          {"Summary", "Event subject"}, {"Elapsed", "Elapsed time"}, {"Status", "Event status"},
          {"Duration", "Event duration"}, {"Memo", "Event notes"}, {"Completed", "Is completed"},
          {"AlarmTime", "Alarm time"}, {"AlarmLead", "Alarm lead time"}}},
        {"CALL",
         {{"EventDate", "Phone call date"}, {"EventTime", "Phone call time"}, {"Summary", "Phone call subject"},
          {"Elapsed", "Elapsed time"}, {"Memo", "Phone call notes"}, {"Completed", "Is completed"},
          {"AlarmTime", "Alarm time"}, {"AlarmLead", "Alarm lead time"}}},
        {"LETTER",
         {{"EventDate", "Letter date"}, {"EventTime", "Letter time"}, {"Summary", "Letter subject"},
          {"Status", "Letter status"}, {"TemplateName", "Template name used"}, {"Memo", "Letter notes"},
          {"Completed", "Is completed"}, {"AlarmTime", "Alarm time"}, {"AlarmLead", "Alarm lead time"}}},
        {"MEETING",
         {{"EventDate", "Meeting date"}, {"EventTime", "Meeting time"}, {"Summary", "Meeting subject"},
          {"Where", "Meeting location"}, {"Memo", "Meeting notes"}, {"Duration", "Meeting duration"},
          {"Completed", "Is completed"}, {"AlarmTime", "Alarm time"}, {"AlarmLead", "Alarm lead time"}}},
        {"TO-DO",
         {{"EventDate", "To-do date"}, {"EventTime", "To-do time"}, {"Summary", "To-do subject"},
          {"Memo", "To-do notes"}, {"Completed", "Is completed"}, {"AlarmTime", "Alarm time"},
          {"AlarmLead", "Alarm lead time"}}},
        {"NOTE", {{"EventDate", "Note Date"}, {"EventTime", "Note Time"}, {"Memo", "Notes"}}},
    };
    return categories;
}

} // namespace

TEST(EventFieldMap, EachCategoryListsItsDisplayNamesInOrder)
{
    for (const Category& category : Categories()) {
        QStringList expected;
        for (const Pair& pair : category.entries)
            expected << QString::fromLatin1(pair.displayName);
        QStringList list{"left over"};
        FillEventFieldList(QString::fromLatin1(category.word), list);
        EXPECT_EQ(list, expected) << category.word;
    }
}

TEST(EventFieldMap, TranslatesBothWaysInEveryCategory)
{
    for (const Category& category : Categories()) {
        const QString word = QString::fromLatin1(category.word);
        for (const Pair& pair : category.entries) {
            EXPECT_EQ(GetEventDisplayName(word, QString::fromLatin1(pair.fieldName)), QString::fromLatin1(pair.displayName))
                << category.word << " " << pair.fieldName;
            EXPECT_EQ(GetEventFieldName(word, QString::fromLatin1(pair.displayName)), QString::fromLatin1(pair.fieldName))
                << category.word << " " << pair.displayName;
        }
    }
}

TEST(EventFieldMap, UnknownCategoriesAndNamesComeBackUnchanged)
{
    const struct {
        const char* category;
        const char* text;
    } cases[] = {
        {"CALL", "Type"},            // a field the call table does not offer
        {"CALL", "phone call date"}, // letter case differs
        {"CALL", "EventDate "},
        {"call", "EventDate"},       // category words are exact too
        {"", "EventDate"},
        {"", "Event date"},
        {"SALES", "Memo"},
        {"GENERIC", "firstlast"},    // a contact field passes through
        {"NOTE", ""},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(GetEventDisplayName(QString::fromLatin1(c.category), text), text) << c.category << "/" << c.text;
        EXPECT_EQ(GetEventFieldName(QString::fromLatin1(c.category), text), text) << c.category << "/" << c.text;
    }
    QStringList list{"left over"};
    FillEventFieldList(QStringLiteral("call"), list);
    EXPECT_TRUE(list.isEmpty());
}

namespace {

// Another language while it lives: every text marked, as a translation gives it.
class Marking final : public QTranslator {
public:
    Marking() { QCoreApplication::installTranslator(this); }
    ~Marking() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(source));
    }
};

} // namespace

// The lists show the names in the user's language, and what is shown maps back to
// the stored field names, the memo rule included; the English names are then no
// display names, and a message comes in the language too.
TEST(EventFieldMap, MapsTheShownNamesOfAnotherLanguageBackToTheStoredNames)
{
    const Marking marking;
    for (const Category& category : Categories()) {
        const QString word = QString::fromLatin1(category.word);
        QStringList list;
        FillEventFieldList(word, list);
        ASSERT_EQ(list.size(), qsizetype(category.entries.size())) << category.word;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString field = QString::fromLatin1(category.entries[std::size_t(i)].fieldName);
            const QString english = QString::fromLatin1(category.entries[std::size_t(i)].displayName);
            EXPECT_EQ(list[i], QStringLiteral("<%1>").arg(english));
            EXPECT_EQ(GetEventDisplayName(word, field), list[i]);
            EXPECT_EQ(GetEventFieldName(word, list[i]), field);
            EXPECT_EQ(GetEventFieldName(word, english), english);
        }
        const QString memo = GetEventDisplayName(word, QStringLiteral("Memo"));
        EXPECT_EQ(rules::CheckFieldOrder({memo, QStringLiteral("LastName")}, word), rules::FieldOrderBreak::MemoNotLast);
    }
    EXPECT_EQ(rules::FieldOrderMessage(rules::FieldOrderBreak::MemoNotLast), "<The Memo Field must be last.>");
}
