#include "base/EngineError.h"
#include "store/ReportDirectory.h"
#include "store/report/ReportReader.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Row {
    QString description;
    QString typeWord;
    QString name;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out)
{
    *out << '{' << row.description.toStdString() << " | " << row.typeWord.toStdString() << " | "
         << row.name.toStdString() << '}';
}

std::vector<Row> Rows(const store::ReportListing& listing)
{
    std::vector<Row> rows;
    for (const auto& r : listing.reports)
        rows.push_back({r.description, r.typeWord, r.name});
    return rows;
}

QString Latin(const char* text)
{
    return QString::fromLatin1(text);
}

} // namespace

TEST(ReportDirectory, SortsByDescriptionWithSmallLettersAsCapitalsInTheHostsCharacterCodes)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"b.rpt", "beta\r\nContact\r\nContact\r\n"},
        {"a1.rpt", "Alpha\r\nCalendar\r\n"},
        {"a2.rpt", "alpha2\r\nContact\r\n"},
        {"under.rpt", "_under\r\nContact\r\n"},
        {"zeta.rpt", "Zeta\r\nContact\r\n"},
        {"brack.rpt", "[x\r\nContact\r\n"},
        {"euro.rpt", "\x80uro\r\nContact\r\n"},     // the euro sign is 0x80 in Windows-1252
        {"umlaut1.rpt", "\xc4rger\r\nContact\r\n"}, // capital A umlaut, 0xC4
        {"umlaut2.rpt", "\xe4rger\r\nContact\r\n"}, // small a umlaut stays small: 0xE4
        {"one.rpt", "Only one line"},
        {"empty.rpt", ""},
    };
    for (const auto& f : files)
        WriteBytes(QDir(dir.path()).filePath(Latin(f.name)), f.bytes);

    const store::ReportListing listing = store::ListReports(dir.path());
    const std::vector<Row> expected = {
        {"", "", "empty.rpt"},
        {"Alpha", "Calendar", "a1.rpt"},
        {"alpha2", "Contact", "a2.rpt"},
        {"beta", "Contact", "b.rpt"},
        {"Only one line", "", "one.rpt"},
        {"Zeta", "Contact", "zeta.rpt"},
        {"[x", "Contact", "brack.rpt"},
        {"_under", "Contact", "under.rpt"},
        {QStringLiteral("\u20acuro"), "Contact", "euro.rpt"},
        {QStringLiteral("\u00c4rger"), "Contact", "umlaut1.rpt"},
        {QStringLiteral("\u00e4rger"), "Contact", "umlaut2.rpt"},
    };
    EXPECT_EQ(Rows(listing), expected);
    EXPECT_TRUE(listing.unreadable.isEmpty());
}

TEST(ReportDirectory, ListsReportNamesOfAnyLetterCaseAndHiddenOnesButNoDirectoriesPipesOrOtherFiles)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    for (const char* name : {"REP1.RPT", "Mixed.Rpt", ".hidden.rpt", "notes.txt", "old.rpt.bak", "rpt"})
        WriteBytes(d.filePath(Latin(name)), QByteArray(name) + "\r\nContact\r\n");
    d.mkdir(QStringLiteral("x.rpt"));
    WriteBytes(d.filePath(QStringLiteral("x.rpt/inner.rpt")), "inner\r\n");
    // Opening a pipe for reading would wait for a writer forever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(d.filePath(QStringLiteral("pipe.rpt"))).constData(), 0600), 0);

    const std::vector<Row> expected = {
        {".hidden.rpt", "Contact", ".hidden.rpt"},
        {"Mixed.Rpt", "Contact", "mixed.rpt"},
        {"REP1.RPT", "Contact", "rep1.rpt"},
    };
    EXPECT_EQ(Rows(store::ListReports(dir.path())), expected);
}

namespace {

// Builds a directory with one good report and one made unreadable by
// spoil(path); the listing keeps the good one and names the other.
void ExpectUnreadableNamedAndOthersKept(const std::function<bool(const QString&)>& spoil)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    WriteBytes(d.filePath(QStringLiteral("good.rpt")), "Good\r\nContact\r\n");
    const QString bad = d.filePath(QStringLiteral("bad.rpt"));
    ASSERT_TRUE(spoil(bad));

    const store::ReportListing listing = store::ListReports(dir.path());
    const std::vector<Row> expected = {{"Good", "Contact", "good.rpt"}};
    EXPECT_EQ(Rows(listing), expected);
    ASSERT_EQ(listing.unreadable.size(), 1);
    EXPECT_TRUE(listing.unreadable.front().contains(bad)) << listing.unreadable.front().toStdString();
}

} // namespace

TEST(ReportDirectory, AReportWhoseContentsCannotBeReadIsNamedAndTheOthersStay)
{
    // Reading a process's memory at address 0 fails with an input/output
    // error, for every user.
    ExpectUnreadableNamedAndOthersKept(
        [](const QString& path) { return QFile::link(QStringLiteral("/proc/self/mem"), path); });
}

TEST(ReportDirectory, AReportWithoutReadPermissionIsNamedAndTheOthersStay)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, where a file without read permission can still be read";
    ExpectUnreadableNamedAndOthersKept([](const QString& path) {
        WriteBytes(path, "Locked\r\nContact\r\n");
        return QFile::setPermissions(path, {});
    });
}

// A large directory is read in two halves at once: the listing is in the one order all the same, equal
// descriptions by name and then by the name on disk, and what the check refuses is named in the order of the names.
TEST(ReportDirectory, ALargeDirectoryReadInHalvesKeepsTheOneOrder)
{
    QTemporaryDir dir;
    std::vector<std::pair<QString, QString>> expected; // description, name on disk
    std::vector<QString> refused;
    for (int i = 0; i < 300; ++i) { // enough for two halves
        // Pairs of names that differ in their letters' case only, with one description in two spellings.
        const QString name = (i % 2 ? QStringLiteral("R%1.rpt") : QStringLiteral("r%1.RPT")).arg(i / 2, 3, 10, QChar(u'0'));
        const QString description = ((i / 40) % 2 ? QStringLiteral("Topic %1") : QStringLiteral("topic %1")).arg(i / 2 % 20);
        WriteBytes(QDir(dir.path()).filePath(name), description.toLatin1() + (i % 7 ? "\r\nContact\r\n" : "\r\nNone\r\n"));
        if (i % 7)
            expected.emplace_back(description, name);
        else
            refused.push_back(name);
    }
    std::sort(expected.begin(), expected.end(), [](const auto& a, const auto& b) {
        return std::tuple(a.first.toUpper(), a.second.toLower(), a.second) < std::tuple(b.first.toUpper(), b.second.toLower(), b.second);
    });
    std::sort(refused.begin(), refused.end());

    const store::ReportListing listing = store::ListReports(
        dir.path(), store::ListingLines::Heads, [](const store::ReportHead& head, const store::DirectoryEntry& entry) {
            if (head.typeLine == QStringLiteral("None"))
                throw base::EngineError(QStringLiteral("refused ") + QString::fromLatin1(entry.fileName));
        });
    std::vector<std::pair<QString, QString>> listed;
    for (const store::ReportEntry& report : listing.reports)
        listed.emplace_back(report.description, report.fileName);
    EXPECT_EQ(listed, expected);
    QStringList named;
    for (const QString& name : refused)
        named << QStringLiteral("refused ") + name;
    EXPECT_EQ(listing.unreadable, named);
}

// The check visits the reports in the byte order of their names, which share
// their first eight bytes or not, and may be shorter than eight.
TEST(ReportDirectory, VisitsReportFilesInTheByteOrderOfTheirNames)
{
    QTemporaryDir dir;
    const std::vector<std::string> inOrder = {"Z.rpt",          "ab.rpt",        "abc.rpt",
                                              "abcdefgh.rpt",   "abcdefgh1.rpt", "abcdefgh10.rpt",
                                              "abcdefgh2.rpt",  "\xe9t\xe9.rpt"};
    for (auto name = inOrder.rbegin(); name != inOrder.rend(); ++name)
        std::ofstream(QFile::encodeName(dir.path()).toStdString() + '/' + *name) << "D\r\n";
    std::vector<std::string> visited;
    store::ForEachReportFile(dir.path(),
                             [&](const store::DirectoryEntry& entry) { visited.push_back(entry.fileName); });
    EXPECT_EQ(visited, inOrder);
}
