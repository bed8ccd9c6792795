// The report laid out on small tables made here: columns, pages, blocks,
// joins, summaries and what the data says about the columns.
#include "base/Error.h"
#include "preview/Paper.h"
#include "preview/Preview.h"
#include "tests/support/QtPrinting.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using px::FieldCode;
using px::Value;
using preview::Align;
using preview::PreviewField;
using preview::PreviewReport;
using preview::Summary;

Value Text(const char* text) { return Value::ofText(QString::fromUtf8(text)); }
Value Day(int year, int month, int day) { return Value::ofDate(QDate(year, month, day).toJulianDay() - 1721425); }
Value Hour(int hour) { return Value::ofTime(hour * 3600000); }

PreviewField Field(const char* name, int line, int left, int right, bool event = false)
{
    PreviewField field;
    field.name = QString::fromUtf8(name);
    field.header = field.name;
    field.line = line;
    field.left = left;
    field.right = right;
    field.event = event;
    return field;
}

// An alias directory with a CONTACT.DB and, when asked, an EVENT.DB.
class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void Contacts(int count, bool link = true)
    {
        px::TableDefinition table;
        table.fields = {{link ? QStringLiteral("CustomID") : QStringLiteral("Code"), FieldCode::Alpha, 10},
                        {QStringLiteral("LastName"), FieldCode::Alpha, 30},
                        {QStringLiteral("FirstName"), FieldCode::Alpha, 20},
                        {QStringLiteral("Salutation"), FieldCode::Alpha, 10},
                        {QStringLiteral("City"), FieldCode::Alpha, 20},
                        {QStringLiteral("State"), FieldCode::Alpha, 4},
                        {QStringLiteral("ZipCode"), FieldCode::Alpha, 10},
                        {QStringLiteral("Money1"), FieldCode::Currency, 8},
                        {QStringLiteral("Active"), FieldCode::Logical, 1},
                        {QStringLiteral("Memo"), FieldCode::Memo, 20}};
        px::writeTable(path("CONTACT.DB"), table, count, [](std::int64_t i) {
            std::vector<Value> row = {Text(QStringLiteral("ID%1").arg(i + 1, 3, 10, QLatin1Char('0')).toUtf8()),
                                      Value::ofText(QStringLiteral("Name%1").arg(i + 1) + QString(int(i % 7), u'x')),
                                      Text("Ann"), Text("Ms."), Text("Springfield"), Text("IL"), Text("62701"),
                                      Value::ofFloat(double(i + 1) * 1.5), Value::ofBoolean(i % 2 == 0),
                                      Text("first line\nsecond line")};
            return row;
        });
    }

    // Events as (link, date, hour, type, subject), stored in this order.
    void Events(const std::vector<std::vector<Value>>& rows)
    {
        px::TableDefinition table;
        table.fields = {{QStringLiteral("CustomID"), FieldCode::Alpha, 10},
                        {QStringLiteral("EventDate"), FieldCode::Date, 4},
                        {QStringLiteral("EventTime"), FieldCode::Time, 4},
                        {QStringLiteral("Type"), FieldCode::Alpha, 10},
                        {QStringLiteral("Summary"), FieldCode::Alpha, 40}};
        px::writeTable(path("EVENT.DB"), table, rows);
    }

    QString path(const char* name) const { return QDir(dir_.path()).filePath(QLatin1String(name)); }

    // Every page's lines, and the outcome.
    preview::PreviewResult Run(const PreviewReport& report, std::vector<preview::Page>* pages = nullptr,
                               int stopAfter = -1)
    {
        preview::PreviewOptions options;
        options.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        options.page = [&](const preview::Page& page) {
            if (pages)
                pages->push_back(page);
            return page.number != stopAfter;
        };
        return preview::MakePreview(report, dir_.path(), options);
    }

    QTemporaryDir dir_;
};

TEST(ColumnText, CutsMarksAlignsAndFillsWithDots)
{
    struct Case {
        const char* text;
        Align align;
        int capacity;
        bool leaders;
        bool trailers;
        const char* shown;
        bool cut;
    };
    const Case cases[] = {
        {"Smith", Align::Left, 8, false, false, "Smith   ", false},
        {"Smith", Align::Left, 8, true, false, "...Smith", false},
        {"Smith", Align::Left, 8, false, true, "Smith...", false},
        {"Smith", Align::Left, 8, true, true, "Smith...", false},
        {"12.50", Align::Right, 8, false, false, "   12.50", false},
        {"12.50", Align::Right, 8, true, true, "...12.50", false},
        {"12.50", Align::Right, 8, false, true, "12.50...", false},
        {"Montgomery", Align::Left, 6, true, false, "Montg\u2026", true},
        {"Smith", Align::Left, 5, false, false, "Smith", false},
        {"Smith", Align::Left, 1, false, false, "\u2026", true},
        {"", Align::Left, 4, true, true, "    ", false},
    };
    for (const Case& c : cases) {
        bool cut = false;
        EXPECT_EQ(preview::ColumnText({QString::fromUtf8(c.text), c.align}, c.capacity, c.leaders, c.trailers, &cut),
                  QString::fromUtf8(c.shown))
            << c.text << " in " << c.capacity;
        EXPECT_EQ(cut, c.cut) << c.text;
    }
}

TEST(PageLines, FollowThePaperOfTheWidth)
{
    const std::pair<int, int> cases[] = {{75, 66}, {77, 70}, {110, 51}, {115, 49}, {60, 66}, {200, 66}};
    for (const auto& [width, lines] : cases)
        EXPECT_EQ(preview::PageLines(width), lines) << width;
}

TEST_F(PreviewTest, BlocksOverTwoLinesFillPagesUnderTheHeadersAndEndWithTheSummaries)
{
    Contacts(40);
    PreviewReport report;
    report.fields = {Field("CustomID", 1, 1, 10), Field("LastName", 1, 11, 16), Field("Money1", 1, 17, 26),
                     Field("citystatezip", 2, 1, 30), Field("Active", 2, 31, 35), Field("Memo", 2, 36, 50)};
    report.fields[1].trailers = true;
    report.fields[0].summaries[int(Summary::Count)] = true;
    report.fields[2].summaries[int(Summary::Total)] = true;
    report.fields[2].summaries[int(Summary::Max)] = true;
    std::vector<preview::Page> pages;
    const preview::PreviewResult result = Run(report, &pages);

    // Two lines of headers and a blank line, then 31 blocks of two lines on 66 lines; 9 more on page 2.
    ASSERT_EQ(result.pages, 2);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.blocks, 40);
    for (const preview::Page& page : pages) {
        EXPECT_EQ(page.lines[0], QStringLiteral("CustomID  LastN\u2026Money1"));
        EXPECT_EQ(page.lines[1], QStringLiteral("citystatezip                  Acti\u2026Memo"));
        EXPECT_EQ(page.lines[2], QString());
    }
    EXPECT_EQ(pages[0].lines.size(), 3 + 31 * 2);
    EXPECT_EQ(pages[0].lines[3], QStringLiteral("ID001     Name1.      1.50"));
    EXPECT_EQ(pages[0].lines[4], QStringLiteral("Springfield, IL 62701         Yes  first line"));
    // Name6 with five x is cut at its column's end, marked.
    EXPECT_EQ(pages[0].lines[3 + 2 * 5], QStringLiteral("ID006     Name6\u2026      9.00"));
    EXPECT_EQ(pages[0].lines[3 + 2 * 5 + 1].mid(30, 2), QStringLiteral("No"));
    EXPECT_EQ(pages[1].lines[3], QStringLiteral("ID032     Name3\u2026     48.00"));
    // After the last block a blank line, then Total, Count and Max in their columns, over all 40 contacts.
    const QStringList tail = pages[1].lines.mid(pages[1].lines.size() - 4);
    EXPECT_EQ(tail[0], QString());
    EXPECT_EQ(tail[1], QStringLiteral("                   1230.00"));
    EXPECT_EQ(tail[2], QStringLiteral("  Count 40"));
    EXPECT_EQ(tail[3], QStringLiteral("                 Max 60.00"));
    EXPECT_EQ(result.summaryLines, std::vector<QString>(tail.begin() + 1, tail.end()));
}

TEST_F(PreviewTest, CalendarShowsEventsByDateAndTimeWithTheirContacts)
{
    Contacts(3);
    Events({{Text("ID002"), Day(2024, 3, 5), Hour(9), Text("Call"), Text("Second")},
            {Text("ID001"), Day(2024, 1, 2), Hour(15), Text("Note"), Text("First")},
            {Text("ID009"), Day(2024, 3, 5), Hour(8), Text("Call"), Text("Nobody's")},
            {Text("ID001"), Day(2024, 7, 1), Hour(10), Text("Letter"), Text("Last")}});
    PreviewReport report;
    report.dateOrdered = true;
    report.events = preview::EventKind::Every;
    report.fields = {Field("EventDate", 1, 1, 10, true), Field("Summary", 1, 11, 20, true),
                     Field("LastName", 1, 21, 30)};
    std::vector<preview::Page> pages;
    const preview::PreviewResult result = Run(report, &pages);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].lines.mid(2), QStringList({QStringLiteral("1/2/24    First     Name1"),
                                                  QStringLiteral("3/5/24    Nobody's"),
                                                  QStringLiteral("3/5/24    Second    Name2x"),
                                                  QStringLiteral("7/1/24    Last      Name1")}));
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_TRUE(result.notices[0].contains(QStringLiteral("1"))) << result.notices[0].toStdString();
}

TEST_F(PreviewTest, ContactOrderedReportGivesABlockForEachEventOfTheCategory)
{
    Contacts(3);
    Events({{Text("ID002"), Day(2024, 3, 5), Hour(9), Text("Call"), Text("Later call")},
            {Text("ID002"), Day(2024, 1, 2), Hour(15), Text("CALL"), Text("Early call")},
            {Text("ID002"), Day(2024, 2, 1), Hour(8), Text("Note"), Text("A note")}});
    PreviewReport report;
    report.events = preview::EventKind::Call;
    report.fields = {Field("CustomID", 1, 1, 10), Field("Summary", 1, 11, 30, true)};
    std::vector<preview::Page> pages;
    Run(report, &pages);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].lines.mid(2), QStringList({QStringLiteral("ID001"), QStringLiteral("ID002     Early call"),
                                                  QStringLiteral("ID002     Later call"), QStringLiteral("ID003")}));
}

TEST_F(PreviewTest, TablesWithoutTheLinkColumnAreSaidSoAndNotGuessed)
{
    Contacts(2, false);
    Events({{Text("ID001"), Day(2024, 1, 2), Hour(9), Text("Call"), Text("Call")}});
    PreviewReport report;
    report.dateOrdered = true;
    report.events = preview::EventKind::Every;
    report.fields = {Field("Summary", 1, 1, 10, true), Field("LastName", 1, 11, 20)};
    std::vector<preview::Page> pages;
    const preview::PreviewResult result = Run(report, &pages);
    EXPECT_EQ(pages.at(0).lines.mid(2), QStringList{QStringLiteral("Call")});
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_TRUE(result.notices[0].contains(QStringLiteral("CustomID"))) << result.notices[0].toStdString();
}

TEST_F(PreviewTest, FieldsThatDoNotFitAreCountedWithASpanThatPassesTheCheck)
{
    Contacts(14);
    PreviewReport report;
    report.width = 40;
    // LastName values are Name1 to Name14 with 0 to 6 x: 5 to 12 characters.
    report.fields = {Field("CustomID", 1, 1, 6), Field("LastName", 1, 7, 12), Field("FirstName", 1, 30, 34)};
    const preview::PreviewResult result = Run(report);
    ASSERT_EQ(result.fits.size(), 1u);
    const preview::FieldFit& fit = result.fits[0];
    EXPECT_EQ(fit.field, 1);
    EXPECT_EQ(fit.capacity, 6);
    EXPECT_EQ(fit.values, 14);
    EXPECT_EQ(fit.longest, 12);
    EXPECT_EQ(fit.cut, 10);
    ASSERT_TRUE(fit.all);
    EXPECT_EQ(fit.all->left, 7);
    EXPECT_EQ(fit.all->right, 18);
    EXPECT_EQ(fit.all->holds, 14);
    ASSERT_TRUE(fit.most);
    EXPECT_GE(fit.most->right - fit.most->left + 1, 11);
}

TEST_F(PreviewTest, APassStopsWhereThePageSinkSaysAndSaysItIsIncomplete)
{
    Contacts(200);
    PreviewReport report;
    report.fields = {Field("CustomID", 1, 1, 10)};
    std::vector<preview::Page> pages;
    const preview::PreviewResult result = Run(report, &pages, 1);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(pages.size(), 1u);
    EXPECT_LT(result.blocks, 200);
}

TEST_F(PreviewTest, MissingOrTruncatedTablesAreRefusedByNameAndNothingIsWritten)
{
    struct Case {
        const char* table;
        bool truncated;
    };
    const Case cases[] = {{"CONTACT.DB", false}, {"CONTACT.DB", true}, {"EVENT.DB", false}, {"EVENT.DB", true}};
    PreviewReport report;
    report.dateOrdered = true;
    report.events = preview::EventKind::Every;
    report.fields = {Field("Summary", 1, 1, 10, true), Field("LastName", 1, 11, 20)};
    for (const Case& c : cases) {
        Contacts(50);
        std::vector<std::vector<Value>> events;
        for (int i = 0; i < 300; ++i)
            events.push_back({Text("ID001"), Day(2024, 1, 2), Hour(9), Text("Call"), Text("Call")});
        Events(events);
        QFile file(path(c.table));
        if (c.truncated) {
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.resize(file.size() / 2);
            file.close();
        } else {
            ASSERT_TRUE(file.remove());
        }
        const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
        try {
            Run(report);
            ADD_FAILURE() << c.table << " was read";
        } catch (const base::Error& e) {
            EXPECT_TRUE(e.text().contains(QLatin1String(c.table))) << e.text().toStdString();
        }
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), before) << c.table;
    }
}

TEST_F(PreviewTest, AKeyedContactTableOutOfKeyOrderIsShownAsStoredAndSaidSo)
{
    struct Case {
        std::vector<const char*> ids;
        bool said;
    };
    const Case cases[] = {{{"A1", "A2", "B1"}, false}, {{"A1", "B1", "A2"}, true}};
    for (const Case& c : cases) {
        px::TableDefinition table;
        table.fields = {{QStringLiteral("CustomID"), FieldCode::Alpha, 10}};
        table.keyFieldCount = 1;
        std::vector<std::vector<Value>> rows;
        for (const char* id : c.ids)
            rows.push_back({Text(id)});
        px::writeTable(path("CONTACT.DB"), table, rows);
        PreviewReport report;
        report.fields = {Field("CustomID", 1, 1, 10)};
        std::vector<preview::Page> pages;
        const preview::PreviewResult result = Run(report, &pages);
        EXPECT_EQ(pages.at(0).lines.mid(2).join(u' '), QString::fromLatin1(c.ids[0]) + u' ' + QLatin1String(c.ids[1])
                                                          + u' ' + QLatin1String(c.ids[2]));
        EXPECT_EQ(result.notices.size(), c.said ? 1 : 0);
    }
}

TEST_F(PreviewTest, ProgressAndTheStopFlagEndAPass)
{
    Contacts(5000);
    PreviewReport report;
    report.fields = {Field("CustomID", 1, 1, 10)};
    preview::PreviewOptions options;
    std::vector<preview::Progress> told;
    options.progress = [&](const preview::Progress& progress) {
        told.push_back(progress);
        return false;
    };
    preview::PreviewResult result = preview::MakePreview(report, dir_.path(), options);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].blocks, 4096);
    EXPECT_EQ(told[0].rowsRead, 4096);
    EXPECT_EQ(told[0].rowsClaimed, 5000);
    EXPECT_EQ(told[0].pages, 4096 / 64);
    EXPECT_FALSE(result.complete);

    const std::atomic<bool> stop{true};
    options = {};
    options.stop = &stop;
    result = preview::MakePreview(report, dir_.path(), options);
    EXPECT_EQ(result.blocks, 0);
    EXPECT_FALSE(result.complete);
}

TEST_F(PreviewTest, HugeMemosAndControlCharactersStayWithinTheirColumns)
{
    px::TableDefinition table;
    table.fields = {{QStringLiteral("CustomID"), FieldCode::Alpha, 10}, {QStringLiteral("Memo"), FieldCode::Memo, 20}};
    const QString huge = QString(3 * 1024 * 1024, u'm') + QStringLiteral("\nmore");
    px::writeTable(path("CONTACT.DB"), table, {{Text("a\x1b[2Jb"), Value::ofText(huge)}});
    PreviewReport report;
    report.fields = {Field("CustomID", 1, 1, 10), Field("Memo", 1, 11, 20)};
    std::vector<preview::Page> pages;
    const preview::PreviewResult result = Run(report, &pages);
    EXPECT_EQ(pages.at(0).lines.at(2), QString::fromUtf8("a\x1b[2Jb    mmmmmmmmm\u2026"));
    ASSERT_EQ(result.fits.size(), 1u);
    EXPECT_EQ(result.fits[0].longest, 3 * 1024 * 1024);
}

TEST_F(PreviewTest, ABlockTallerThanAPageIsRefused)
{
    Contacts(1);
    PreviewReport report;
    report.fields = {Field("CustomID", 40, 1, 10)};
    EXPECT_THROW(Run(report), base::Error);
}

} // namespace
