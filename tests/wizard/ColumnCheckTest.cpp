#include "ColumnCheck.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

using namespace wizard;

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
        {OneLine({{1, 999}, {1000, 1005}}), std::nullopt},
        {OneLine({{-20, -5}, {1, 10}}), std::nullopt},
        {OneLine({{-5, 10}, {-10, 20}}), -5},
        {OneLine({{1, 25}, {10, 30}}, 11), std::nullopt},
        {OneLine({{1, 25}, {10, 30}}, 0), std::nullopt},
        {OneLine({{1, 25}, {10, 30}}, 10), 25},
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
         "LEFT Margin is less than RIGHT margin"},
        {"beyond the maximum before an overlap", OneLine({{1, 25}, {10, 90}}),
         "RIGHT margin greater than Right margin MAX of 75"},
        {"overlap", OneLine({{1, 25}, {25, 50}}), "There are overlaps for right margin 25"},
        {"missing values read as 0", {ColumnRecord{1, 1, 0, 0}, ColumnRecord{1, 2, 0, 10}},
         "There are overlaps for right margin 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColumnCheckFailure(75, c.records), QString::fromLatin1(c.expected)) << c.name;
}
