#include "rules/DefaultPositions.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

using namespace rules;

namespace rules {
void PrintTo(const PositionRow& row, std::ostream* out)
{
    *out << '{' << row.field.toStdString() << ", " << row.line.toStdString() << ", " << row.start.toStdString()
         << ", " << row.end.toStdString() << '}';
}
} // namespace rules

TEST(DefaultPositions, GivesEachFieldItsLineAndPlace)
{
    struct Case {
        const char* name;
        PositionInput input;
        QList<PositionRow> expected;
    };
    const Case cases[] = {
        {"five fields in two columns",
         {{"F1", "F2", "F3", "F4", "F5"}, {{"F1", "F2"}, {"F3", "F4"}, {"F5", "BLANK"}}, 75, false, false},
         {{"F1", "1", "1", "37"},
          {"F2", "1", "38", "74"},
          {"F3", "2", "1", "37"},
          {"F4", "2", "38", "74"},
          {"F5", "3", "1", "37"}}},
        {"detail level with four fields in two columns",
         {{"CustomID", "F1", "F2", "F3", "F4"}, {{"F1", "F2"}, {"F3", "F4"}}, 75, true, true},
         {{"CustomID", "1", "1", "25"},
          {"F1", "1", "26", "41"},
          {"F2", "1", "42", "57"},
          {"F3", "2", "26", "41"},
          {"F4", "2", "42", "57"}}},
        {"three fields on one line",
         {{"F1", "F2", "F3"}, {{"F1", "F2", "F3"}}, 75, false, false},
         {{"F1", "1", "1", "24"}, {"F2", "1", "25", "48"}, {"F3", "1", "49", "72"}}},
        {"CustomID alone", {{"CustomID"}, {{"BLANK", "BLANK"}}, 75, true, true}, {{"CustomID", "1", "1", "25"}}},
        {"CustomID as an ordinary field without the detail level",
         {{"City", "CustomID", "Memo"}, {{"City", "CustomID", "Memo"}}, 75, false, false},
         {{"City", "1", "1", "24"}, {"CustomID", "1", "25", "48"}, {"Memo", "1", "49", "72"}}},
        {"CustomID not placed while only widths are edited",
         {{"CustomID", "F1", "F2"}, {{"F1", "F2"}}, 75, true, false},
         {{"CustomID", "", "", ""}, {"F1", "1", "1", "37"}, {"F2", "1", "38", "74"}}},
        {"names match letter for letter",
         {{"city", "City"}, {{"City", "city"}}, 75, false, false},
         {{"city", "1", "1", "37"}, {"City", "1", "38", "74"}}},
        {"width too small truncates toward zero",
         {{"CustomID", "F1", "F2"}, {{"F1", "F2"}}, 19, true, true},
         {{"CustomID", "1", "1", "25"}, {"F1", "1", "26", "23"}, {"F2", "1", "24", "21"}}},
        {"nothing on line 1 gives no width",
         {{"F1"}, {{"BLANK"}}, 75, false, false},
         {{"F1", "", "1", "0"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefaultPositions(c.input), c.expected) << c.name;
}
