#include "rules/ReportSettings.h"

#include "tests/support/QtPrinting.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

store::ReportContent Report(const char* type, const char* category, int width)
{
    store::ReportContent report;
    report.typeLine = type;
    report.categoryLine = category;
    report.width = width;
    return report;
}

} // namespace

// Each line's fields in file order, the lines in ascending order; checked
// against the width as the page takes it.
TEST(ReportSettings, ChecksColumnsInReportOrderAgainstTheTakenWidth)
{
    store::ReportContent report = Report("Contact", "Contact", 75);
    const auto add = [&report](std::optional<int> line, int start, int end) {
        report.fields.push_back({{}, int(report.fields.size()) + 1, {}, false, false, {}, {}, {}, {}, {}, 0, line,
                                 start, end});
    };
    add(2, 1, 10);
    add(1, 1, 25);
    add(std::nullopt, 5, 5);
    add(1, 26, 75);
    EXPECT_EQ(rules::CheckReportColumns(report), "");
    report.fields[3].lposition = 20;
    EXPECT_EQ(rules::CheckReportColumns(report), "There are overlaps for right margin 25");
    report.width = 0;
    EXPECT_EQ(rules::CheckReportColumns(report), "RIGHT margin greater than Right margin MAX of 1");
}

// Loading turns on each category option its rule names, in turn: a calendar
// report ends on the basic event fields even after line 3's "Contact".
TEST(ReportSettings, CategoriesTurnedOnForLineThreeByTheReportType)
{
    using store::Category;
    using store::ReportType;
    const struct {
        std::optional<ReportType> type;
        const char* line;
        std::vector<Category> steps;
    } cases[] = {
        {ReportType::Contact, "to-do", {Category::Todo}},
        {ReportType::Contact, "CONTACT", {Category::Contact}},
        {ReportType::Contact, "Sales", {}},
        {ReportType::Calendar, "Contact", {Category::Contact, Category::Event}},
        {ReportType::Calendar, "Note", {Category::Event}},
        {ReportType::Calendar, "", {Category::Event}},
        {std::nullopt, "Call", {}},
        {std::nullopt, "contact", {Category::Contact}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rules::CategoriesTurnedOn(c.type, QString::fromLatin1(c.line)), c.steps) << c.line;
}

TEST(ReportSettings, PaperOfTheWidthOnLineFour)
{
    using rules::PaperSize;
    const std::pair<int, PaperSize> cases[] = {{75, PaperSize::UsPortrait},  {77, PaperSize::A4Portrait}, {110, PaperSize::UsLandscape},
                                           {115, PaperSize::A4Landscape}, {120, PaperSize::Other},    {0, PaperSize::Other},
                                           {-75, PaperSize::Other},       {250, PaperSize::Other}};
    for (const auto& [width, paper] : cases)
        EXPECT_EQ(rules::PaperOf(width), paper) << width;
}
