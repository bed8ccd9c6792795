#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"

#include "base/EngineError.h"
#include "tests/store/report/ListedHead.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using store::ReportReader;

namespace {

class ReportLines : public testing::Test {
protected:
    QStringList linesOf(const QByteArray& bytes, int count)
    {
        const QString path = dir.filePath("lines.rpt");
        WriteBytes(path, bytes);
        ReportReader reader(path);
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << reader.nextLine();
        return lines;
    }
    QString errorOpening(const QString& path)
    {
        try {
            ReportReader reader(path);
            reader.nextLine();
        } catch (const base::FileError& e) {
            return e.text();
        }
        return QStringLiteral("<no error>");
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ReportLines, SplitByTheHostsRules)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"CR LF line ends", "a\r\nb\r\n", {"a", "b", "", ""}},
        {"bare CR line ends", "a\rb\r", {"a", "b", ""}},
        {"bare LF line ends", "a\nb\nc\n", {"a", "b", "c", ""}},
        {"mixed line ends", "a\nb\r\nc\rd", {"a", "b", "c", "d", ""}},
        {"CR then CR LF is an empty line", "a\r\r\nb", {"a", "", "b"}},
        {"only one LF is skipped after CR", "a\r\n\nb", {"a", "", "b"}},
        {"LF then CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"byte 26 ends the input", QByteArray("ab\x1a\r\ncd\r\n"), {"ab", "", ""}},
        {"byte 26 at the start", QByteArray("\x1a" "ab\r\n"), {"", ""}},
        {"byte 26 after a line end", QByteArray("x\r\n\x1a"), {"x", "", ""}},
        {"empty file", "", {"", "", ""}},
        {"no final line end", "last", {"last", "", ""}},
        {"Windows-1252 text", QByteArray("\x80 caf\xe9 \x9f\x81\r\n"), {QStringLiteral("\u20AC caf\u00E9 \u0178\u0081"), ""}},
        {"NUL bytes are text", QByteArray("a\0b\r\n", 5), {QString::fromLatin1("a\0b", 3), ""}},
        {"other control bytes are text", QByteArray("a\tb\x01\x19" "c\x1b\r\nd"),
         {"a\tb\x01\x19" "c\x1b", "d"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(linesOf(c.bytes, int(c.lines.size())), c.lines) << c.name;
}

// The reader fetches the file in pieces; lines and line ends that straddle a
// piece's edge, and lines far longer than a piece, come back whole.
TEST_F(ReportLines, LongLinesAndLineEndsAcrossReadsComeWhole)
{
    for (const int length : {1, 4094, 4095, 4096, 4097, 8191, 8192, 65536}) {
        const QByteArray line(length, 'b');
        EXPECT_EQ(linesOf(line + "\r\nz\r\n", 3), (QStringList{QString(length, u'b'), "z", ""})) << length;
        EXPECT_EQ(linesOf(line + "\r\r\nz", 3), (QStringList{QString(length, u'b'), "", "z"})) << length;
        EXPECT_EQ(linesOf(line + "\nz\n", 3), (QStringList{QString(length, u'b'), "z", ""})) << length;
        EXPECT_EQ(linesOf(line + "\x1a" "z", 2), (QStringList{QString(length, u'b'), ""})) << length;
    }
}

// The search for a line's end takes eight bytes at a time: an end at any place
// within a word is found, and bytes just above the ends (27, the escape) or far
// above them, and other control bytes, before an end never end a line.
TEST_F(ReportLines, LineEndsAreFoundAtEveryPlaceOfAWord)
{
    const QByteArray pattern("x\x1b\x01\xff\x1b\x00\x19\x80\x1cz\x1b", 11);
    for (const QByteArray& ending : {QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r"), QByteArray("\x1a")}) {
        for (int length = 0; length <= 17; ++length) {
            QByteArray line;
            for (int i = 0; i < length; ++i)
                line += pattern[i % pattern.size()];
            const QString text = store::DecodeCp1252(line);
            const QStringList lines = linesOf(line + ending + "next\r\n", 2);
            EXPECT_EQ(lines.value(0), text) << length;
            EXPECT_EQ(lines.value(1), ending == "\x1a" ? QString() : QStringLiteral("next")) << length;
        }
    }
}

TEST_F(ReportLines, FileThatCannotBeOpenedIsNamed)
{
    EXPECT_EQ(errorOpening(dir.filePath("missing.rpt")),
              QStringLiteral("Cannot open report %1: File not found").arg(dir.filePath("missing.rpt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.rpt"));
    EXPECT_EQ(errorOpening(dir.filePath("folder.rpt")),
              QStringLiteral("Cannot open report %1: it is not a regular file.").arg(dir.filePath("folder.rpt")));
}

TEST_F(ReportLines, HeadLinesAreTheFirstTwoLines)
{
    WriteBytes(dir.filePath("full.rpt"), "Sales by region\r\nCalendar\r\nEvent\r\n75\r\n0\r\n");
    WriteBytes(dir.filePath("short.rpt"), "Only a description");
    const store::ReportHead full = ListedHead(dir.filePath("full.rpt"));
    const store::ReportHead shortFile = ListedHead(dir.filePath("short.rpt"));
    EXPECT_EQ(full.description, QStringLiteral("Sales by region"));
    EXPECT_EQ(full.typeLine, QStringLiteral("Calendar"));
    EXPECT_EQ(shortFile.description, QStringLiteral("Only a description"));
    EXPECT_EQ(shortFile.typeLine, QString());
    EXPECT_THROW(ListedHead(dir.filePath("missing.rpt")), base::FileError);
}

// The listing keeps a line's start but finds line 2 after any first line that
// loading accepts, whatever ends the lines.
TEST_F(ReportLines, TheListingFindsTheTypeAfterAnyDescriptionLoadingAccepts)
{
    const qsizetype shown = ReportReader::Listing.bytes;
    const struct {
        qsizetype length;
        const char* lineEnd;
    } cases[] = {{5, "\n"}, {16 * 1024 + 1, "\r\n"}, {ReportReader::Loading.bytes, "\n"},
                 {ReportReader::Loading.bytes, "\r\n"}};
    for (const auto& c : cases) {
        const QString path = dir.filePath("long.rpt");
        WriteBytes(path, QByteArray(c.length, 'd') + c.lineEnd + "Calendar" + c.lineEnd + "Event" + c.lineEnd);
        const store::ReportHead head = ListedHead(path);
        EXPECT_EQ(head.description, QString(std::min(c.length, shown), u'd')) << c.length;
        EXPECT_EQ(head.typeLine, QStringLiteral("Calendar")) << c.length;
    }
}

TEST(ReportWords, MatchInAnyLetterCaseButNothingElse)
{
    using store::Category;
    using store::ReportType;
    const struct {
        const char* line;
        std::optional<ReportType> type;
        std::optional<Category> category;
    } cases[] = {
        {"Contact", ReportType::Contact, Category::Contact},
        {"contact", ReportType::Contact, Category::Contact},
        {"CaLeNdAr", ReportType::Calendar, std::nullopt},
        {"to-do", std::nullopt, Category::Todo},
        {"TODO", std::nullopt, std::nullopt},
        {"Contact ", std::nullopt, std::nullopt},
        {" Event", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"Meetings", std::nullopt, std::nullopt},
        {"mEETING", std::nullopt, Category::Meeting},
        {"NOTE", std::nullopt, Category::Note},
        {"call", std::nullopt, Category::Call},
        {"Letter", std::nullopt, Category::Letter},
        {"event", std::nullopt, Category::Event},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(store::ReportTypeNamed(QString::fromLatin1(c.line)), c.type) << c.line;
        EXPECT_EQ(store::CategoryNamed(QString::fromLatin1(c.line)), c.category) << c.line;
    }
    // Each word is written as the host writes it, and read back as itself.
    const std::pair<Category, const char*> written[] = {
        {Category::Contact, "Contact"}, {Category::Event, "Event"},     {Category::Note, "Note"},
        {Category::Call, "Call"},       {Category::Letter, "Letter"},   {Category::Meeting, "Meeting"},
        {Category::Todo, "TO-DO"},
    };
    for (const auto& [category, word] : written) {
        EXPECT_EQ(store::WordOf(category), QLatin1StringView(word));
        EXPECT_EQ(store::CategoryNamed(store::WordOf(category).toString()), category) << word;
    }
    EXPECT_EQ(store::WordOf(ReportType::Contact), QLatin1StringView("Contact"));
    EXPECT_EQ(store::WordOf(ReportType::Calendar), QLatin1StringView("Calendar"));
}
