#include "rules/ReportSettings.h"

#include "tests/support/QtPrinting.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

store::ReportContent Report(const char* type, const char* category, int width, QStringList fields = {})
{
    store::ReportContent report;
    report.typeLine = type;
    report.categoryLine = category;
    report.width = width;
    for (const QString& field : fields)
        report.fields.push_back({int(report.fields.size()) + 1, 0, false, false, {},
                                 store::FieldText(field.toStdString()), 1, 1, 1, {}, {}, {}, {}, {}});
    return report;
}

} // namespace

TEST(ReportSettings, AsLoadingDerivesThem)
{
    struct Case {
        store::ReportContent report;
        const char* type;
        const char* category;
        int width;
        bool detailLevel;
    };
    const Case cases[] = {
        {Report("CONTACT", "to-do", 75, {"LastName", "customid"}), "Contact", "TO-DO", 75, true},
        {Report("calendar", "Note", 115), "Calendar", "Event", 115, false},
        {Report("Contacts", "Call", 0, {"CustomIDs"}), "", "Call", 1, false},
        {Report("Contact", "Sales", 500), "Contact", "", 200, false},
    };
    for (const Case& c : cases) {
        const wizard::ReportSettings settings = wizard::SettingsOf(c.report);
        EXPECT_EQ(settings.typeWord, QString::fromLatin1(c.type)) << c.report.typeLine;
        EXPECT_EQ(settings.categoryWord, QString::fromLatin1(c.category)) << c.report.typeLine;
        EXPECT_EQ(settings.printableWidth, c.width) << c.report.typeLine;
        EXPECT_EQ(settings.detailLevel, c.detailLevel) << c.report.typeLine;
    }
}

// The fields of each line in file order, the lines in ascending order and a
// field without a line first; checked against the width as the page takes it.
TEST(ReportSettings, ChecksColumnsInReportOrderAgainstTheTakenWidth)
{
    store::ReportContent report = Report("Contact", "Contact", 75);
    const auto add = [&report](std::optional<int> line, int start, int end) {
        report.fields.push_back({int(report.fields.size()) + 1, 0, false, false, {}, {}, line, start, end,
                                 {}, {}, {}, {}, {}});
    };
    add(2, 1, 10);
    add(1, 1, 25);
    add(std::nullopt, 5, 5);
    add(1, 26, 75);
    std::vector<int> order;
    for (const store::ReportFieldRecord* record : wizard::InReportOrder(report))
        order.push_back(record->order);
    EXPECT_EQ(order, (std::vector<int>{3, 2, 4, 1}));
    EXPECT_EQ(wizard::CheckReportColumns(report), "");
    report.fields[3].lposition = 20;
    EXPECT_EQ(wizard::CheckReportColumns(report), "There are overlaps for right margin 25");
    report.width = 0;
    EXPECT_EQ(wizard::CheckReportColumns(report), "RIGHT margin greater than Right margin MAX of 1");
}
