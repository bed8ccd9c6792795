#include "design/Report.h"

#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using store::Category;
using store::ReportType;

store::ReportContent Content(const char* type, const char* category, int width, QStringList fields = {})
{
    store::ReportContent report;
    report.typeLine = type;
    report.categoryLine = category;
    report.width = width;
    for (const QString& field : fields)
        report.fields.push_back({field, int(report.fields.size()) + 1, {}, false, false, {}, {}, {}, {}, {}, 0, 1, 1, 1});
    return report;
}

} // namespace

TEST(ReportValue, LoadingTakesTheHeadAsAWizardAsItStarts)
{
    struct Case {
        store::ReportContent report;
        std::optional<ReportType> type;
        std::optional<Category> category;
        int width;
        bool detailLevel;
    };
    const Case cases[] = {
        {Content("CONTACT", "to-do", 75, {"LastName", "customid"}), ReportType::Contact, Category::Todo, 75, true},
        {Content("calendar", "Note", 115), ReportType::Calendar, Category::Event, 115, false},
        {Content("Contacts", "Call", 0, {"CustomIDs"}), std::nullopt, Category::Call, 1, false},
        {Content("Contact", "Sales", 500), ReportType::Contact, std::nullopt, 200, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report.typeLine.toStdString());
        const design::Report report = design::ReportOf(c.report);
        EXPECT_EQ(report.head.type, c.type);
        EXPECT_EQ(report.head.category, c.category);
        EXPECT_EQ(report.head.width, c.width);
        EXPECT_EQ(report.head.detailLevel, c.detailLevel);
        EXPECT_EQ(report.fields.size(), c.report.fields.size());
    }
}

// By line, a field without one first, then by order; equal places keep theirs.
TEST(ReportValue, FieldsInTheReportsOrder)
{
    std::vector<store::FieldRow> fields;
    const auto add = [&fields](const char* name, std::optional<int> line, int order) {
        store::FieldRow row;
        row.field = QString::fromLatin1(name);
        row.line = line;
        row.order = order;
        fields.push_back(row);
    };
    add("A", 2, 1);
    add("B", 1, 3);
    add("C", std::nullopt, 5);
    add("D", 1, 2);
    add("E", 1, 2);
    QStringList names;
    for (const store::FieldRow& row : design::InReportOrder(fields))
        names << row.field;
    EXPECT_EQ(names, QStringList({"C", "D", "E", "B", "A"}));
}

// A report written as the wizard writes it is read into one value and written
// back byte for byte, the fields in the report's order whatever order the value
// holds them in.
TEST(ReportValue, LoadedAndSavedStaysTheSameBytes)
{
    QTemporaryDir dir;
    const QByteArray bytes = Lines({"Calls", "Contact", "Call", "77", "2",
                                    "0", "..............................", "", "Firm", "Company", "1", "1", "40",
                                    "TRUE", "FALSE", "FALSE", "FALSE", "TRUE",
                                    "1", "", "", "Subject", "Summary", "2", "", "20",
                                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
    const QString in = dir.filePath("in.rpt");
    WriteBytes(in, bytes);

    design::Report report = design::LoadReport(in);
    EXPECT_EQ(report.head, (design::ReportHead{"Calls", ReportType::Contact, Category::Call, 77, false}));
    std::reverse(report.fields.begin(), report.fields.end());
    const QString out = dir.filePath("out.rpt");
    const std::optional<store::ReportVersion> written = design::SaveReport(out, report);
    EXPECT_EQ(ReadBytes(out), bytes);
    EXPECT_EQ(written, store::VersionOfBytes(bytes));
    // The value read back is the value saved, up to the order of its fields.
    std::reverse(report.fields.begin(), report.fields.end());
    EXPECT_EQ(design::LoadReport(out), report);
}
