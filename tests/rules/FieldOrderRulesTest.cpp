#include "rules/FieldOrderRules.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace rules;

namespace {

constexpr auto None = FieldOrderBreak::None;
constexpr auto CustomIdNotFirst = FieldOrderBreak::CustomIdNotFirst;
constexpr auto MemoNotLast = FieldOrderBreak::MemoNotLast;

} // namespace

TEST(FieldOrderRules, ReportsTheFirstBrokenRule)
{
    struct Case {
        QStringList entries;
        const char* category;
        FieldOrderBreak expected;
    };
    const Case cases[] = {
        {{}, "CALL", None},
        {{"CustomID", "Company", "Memo"}, "CALL", None},
        {{"Company", "CustomID"}, "CALL", CustomIdNotFirst},
        {{"Company", "customid", "City"}, "CALL", CustomIdNotFirst},
        {{"CustomID", "Memo", "City"}, "CALL", MemoNotLast},
        {{"MEMO", "City"}, "CALL", MemoNotLast},
        {{"Company", "Memo", "CustomID"}, "CALL", CustomIdNotFirst},
        {{"Meeting notes", "City"}, "MEETING", MemoNotLast},
        {{"Meeting notes", "City"}, "CALL", None},
        {{"City", "Phone call notes"}, "CALL", None},
        {{"EventDate", "Memo"}, "CALL", None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFieldOrder(c.entries, QString::fromLatin1(c.category)), c.expected) << c.entries.join(", ").toStdString();

    EXPECT_EQ(FieldOrderMessage(CustomIdNotFirst), "The CustomID field must appear FIRST on the list");
    EXPECT_EQ(FieldOrderMessage(MemoNotLast), "The Memo Field must be last.");
    EXPECT_EQ(FieldOrderMessage(None), "");
}

TEST(FieldOrderRules, MovesOrUndoesAPress)
{
    enum Direction { Up, Down };
    struct Case {
        QStringList entries;
        int highlighted;
        Direction direction;
        const char* category;
        QStringList expected;
        int expectedHighlight;
        FieldOrderBreak broken;
    };
    const Case cases[] = {
        {{"A", "B", "C"}, 1, Up, "CALL", {"B", "A", "C"}, 0, None},
        {{"A", "B", "C"}, 1, Down, "CALL", {"A", "C", "B"}, 2, None},
        {{"A", "B", "C"}, 0, Up, "CALL", {"A", "B", "C"}, 0, None},
        {{"A", "B", "C"}, 2, Down, "CALL", {"A", "B", "C"}, 2, None},
        {{"A", "B", "C"}, -1, Down, "CALL", {"A", "B", "C"}, -1, None},
        {{"A", "B", "C"}, 7, Up, "CALL", {"A", "B", "C"}, -1, None},
        {{"CustomID", "A", "B"}, 0, Down, "CALL", {"CustomID", "A", "B"}, -1, CustomIdNotFirst},
        {{"CustomID", "A", "B"}, 1, Up, "CALL", {"CustomID", "A", "B"}, -1, CustomIdNotFirst},
        {{"A", "B", "Memo"}, 1, Down, "CALL", {"A", "B", "Memo"}, -1, MemoNotLast},
        {{"A", "B", "Meeting notes"}, 2, Up, "MEETING", {"A", "B", "Meeting notes"}, -1, MemoNotLast},
        // A list that already breaks a rule refuses every press but the one that mends it.
        {{"A", "CustomID", "B"}, 2, Up, "CALL", {"A", "CustomID", "B"}, -1, CustomIdNotFirst},
        {{"A", "CustomID", "B"}, 0, Up, "CALL", {"A", "CustomID", "B"}, -1, CustomIdNotFirst},
        {{"A", "CustomID", "B"}, 1, Up, "CALL", {"CustomID", "A", "B"}, 0, None},
        {{"Memo", "A"}, 0, Down, "CALL", {"A", "Memo"}, 1, None},
    };
    for (const Case& c : cases) {
        const QString category = QString::fromLatin1(c.category);
        const FieldMove move = c.direction == Up ? MoveFieldUp(c.entries, c.highlighted, category)
                                                 : MoveFieldDown(c.entries, c.highlighted, category);
        const std::string label = c.entries.join(", ").toStdString() + " at " + std::to_string(c.highlighted);
        EXPECT_EQ(move.entries, c.expected) << label;
        EXPECT_EQ(move.highlighted, c.expectedHighlight) << label;
        EXPECT_EQ(move.broken, c.broken) << label;
    }
}
