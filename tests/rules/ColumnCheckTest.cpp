#include "rules/ColumnCheck.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>
#include <algorithm>

using namespace rules;

namespace {

// Fields of one line given as start and end, in their order.
QList<ColumnRecord> OneLine(std::initializer_list<std::pair<int, int>> spans, int line = 1)
{
    QList<ColumnRecord> records;
    int order = 0;
    for (const auto& [left, right] : spans)
        records.append(ColumnRecord{line, ++order, left, right});
    return records;
}

} // namespace

TEST(ColumnCheck, FindsTheFirstPositionOutOfPlace)
{
    struct Case {
        QList<ColumnRecord> records;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {{}, std::nullopt},
        {OneLine({{1, 25}, {26, 50}}), std::nullopt},
        {OneLine({{1, 25}, {25, 50}}), 25},
        {OneLine({{1, 25}, {10, 30}}), 25},
        {OneLine({{30, 40}, {1, 25}}), 30},
        {OneLine({{10, 10}, {11, 20}}), 10},
        {OneLine({{1, 25}, {26, 26}}), std::nullopt},
        {OneLine({{1, 25}, {1, 25}}), 1},
        {OneLine({{1, 25}, {25, 25}}), 25},
        {OneLine({{5, 5}, {5, 5}}), 5},
        {OneLine({{1, 25}, {26, 40}, {1, 25}}), 1},
        {OneLine({{1, 999}, {1000, 1005}}), std::nullopt},
        {OneLine({{-20, -5}, {1, 10}}), std::nullopt},
        {OneLine({{-5, 10}, {-10, 20}}), -5},
        {OneLine({{1, 25}, {10, 30}}, 0), std::nullopt},
        {OneLine({{1, 25}, {10, 30}}, -3), std::nullopt},
        {OneLine({{1, 25}, {10, 30}}, 10), 25},
        // Every line in use is checked, however many the report has, in ascending order.
        {OneLine({{1, 25}, {10, 30}}, 11), 25},
        {OneLine({{1, 30}, {20, 50}}, 19), 30},
        {OneLine({{1, 30}, {20, 50}}, 4000), 30},
        {OneLine({{1, 37}, {38, 74}}, 1) + OneLine({{5, 30}, {20, 50}}, 2) + OneLine({{1, 30}, {20, 50}}, 11), 30},
        {OneLine({{1, 37}, {38, 74}}, 1) + OneLine({{1, 37}, {38, 74}}, 2), std::nullopt},
        {OneLine({{1, 37}, {38, 74}}, 1) + OneLine({{1, 37}, {30, 74}}, 2), 37},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindOverlap(c.records), c.expected) << c.records.size() << " records";
}

TEST(ColumnCheck, NamesTheFirstFailingRule)
{
    struct Case {
        const char* name;
        QList<ColumnRecord> records;
        const char* expected;
    };
    const Case cases[] = {
        {"empty table", {}, ""},
        {"right end on the maximum", OneLine({{1, 37}, {38, 75}}), ""},
        {"one position wide", OneLine({{5, 5}}), ""},
        {"right end beyond the maximum", OneLine({{1, 37}, {38, 76}}),
         "RIGHT margin greater than Right margin MAX of 75"},
        {"start after end before an overlap", OneLine({{1, 25}, {30, 20}, {10, 40}}),
         "LEFT Margin is greater than RIGHT margin"},
        {"beyond the maximum before an overlap", OneLine({{1, 25}, {10, 90}}),
         "RIGHT margin greater than Right margin MAX of 75"},
        {"overlap", OneLine({{1, 25}, {25, 50}}), "There are overlaps for right margin 25"},
        {"missing values read as 0", {ColumnRecord{1, 1, 0, 0}, ColumnRecord{1, 2, 0, 10}},
         "There are overlaps for right margin 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnCheckFailure(75, c.records), QString::fromLatin1(c.expected)) << c.name;
}

// The fields marked are those the check reports.
TEST(ColumnCheck, MarksTheFieldsAtFault)
{
    struct Case {
        const char* name;
        QList<ColumnRecord> records;
        QList<bool> expected;
    };
    const bool X = true;
    const bool o = false;
    const Case cases[] = {
        {"apart", OneLine({{1, 25}, {26, 50}}), {o, o}},
        {"sharing a position", OneLine({{1, 25}, {25, 50}}), {X, X}},
        {"crossing", OneLine({{1, 25}, {10, 30}, {31, 40}}), {X, X, o}},
        {"out of order", OneLine({{30, 40}, {1, 25}}), {X, X}},
        {"inside an earlier one, not beside it", OneLine({{1, 10}, {20, 30}, {5, 6}, {40, 50}}), {X, X, X, o}},
        {"one position wide, followed", OneLine({{10, 10}, {11, 20}}), {X, o}},
        {"one position wide, last", OneLine({{1, 25}, {26, 26}}), {o, o}},
        {"one position wide, last of its line, another line after",
         OneLine({{1, 25}, {26, 26}}) + OneLine({{1, 30}, {31, 40}}, 2), {o, o, o, o}},
        {"one position wide, last of a line whose other fields overlap",
         OneLine({{1, 25}, {20, 30}, {40, 40}}), {X, X, o}},
        {"the same span twice", OneLine({{1, 25}, {1, 25}}), {X, X}},
        {"ending before it starts", OneLine({{30, 20}, {40, 50}}), {X, o}},
        {"beyond the maximum", OneLine({{1, 37}, {38, 76}}), {o, X}},
        {"on line 11 too", OneLine({{1, 25}, {25, 50}}, 11), {X, X}},
        {"on line 19 too", OneLine({{1, 37}, {38, 74}}) + OneLine({{1, 30}, {20, 50}}, 19), {o, o, X, X}},
        {"not on line 0", OneLine({{1, 25}, {25, 50}}, 0), {o, o}},
        {"on line 0 by the margin rules", OneLine({{30, 20}, {40, 90}}, 0), {X, X}},
        {"each line by itself", OneLine({{1, 37}, {38, 74}}, 1) + OneLine({{1, 37}, {30, 74}}, 2), {o, o, X, X}},
    };
    for (const Case& c : cases) {
        const QList<bool> marked = FieldsAtFault(75, c.records);
        EXPECT_EQ(marked, c.expected) << c.name;
        // Something is marked exactly when the check fails.
        EXPECT_EQ(marked.contains(true), !ColumnCheckFailure(75, c.records).isEmpty()) << c.name;
    }
}
