#include "base/EngineError.h"
#include "store/ReportNames.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using store::IsPlainReportName;
using store::ReportNameTaken;
using store::ResolveReportName;

TEST(ReportNames, APlainNameHasOnlyAsciiLettersAndDigits)
{
    const struct {
        const char* name;
        bool plain;
    } cases[] = {
        {"rep1", true}, {"ABCdef12", true}, {"0", true},     {"", false},       {"ab-c", false},
        {"a b", false}, {"a.b", false},     {"a_b", false}, {"m\xc3\xbc", false}, {"\xef\xbc\xa1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainReportName(QString::fromUtf8(c.name)), c.plain) << c.name;
}

TEST(ReportNames, ResolvesANameToItsEntryOnDiskIgnoringLetterCase)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    WriteBytes(d.filePath(QStringLiteral("exact.rpt")), "x");
    WriteBytes(d.filePath(QStringLiteral("REP1.RPT")), "x");
    WriteBytes(d.filePath(QStringLiteral(".Hidden.rpt")), "x");
    d.mkdir(QStringLiteral("Folder.rpt"));
    const struct {
        const char* asked;
        const char* onDisk;
    } cases[] = {
        {"exact.rpt", "exact.rpt"},     {"rep1.rpt", "REP1.RPT"}, {"Rep1.Rpt", "REP1.RPT"},
        {".hidden.rpt", ".Hidden.rpt"}, {"new.rpt", "new.rpt"},   {"folder.rpt", "folder.rpt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveReportName(dir.path(), QString::fromLatin1(c.asked)), QString::fromLatin1(c.onDisk))
            << c.asked;
}

TEST(ReportNames, ANameThatFitsTwoFilesIsAnErrorNamingBoth)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath(QStringLiteral("a.rpt")), "x");
    WriteBytes(dir.filePath(QStringLiteral("A.RPT")), "x");
    try {
        ResolveReportName(dir.path(), QStringLiteral("a.rpt"));
        FAIL() << "two matches were not reported";
    } catch (const base::FileError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("A.RPT, a.rpt"))) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(dir.path())) << e.text().toStdString();
    }
}

TEST(ReportNames, ANameIsTakenByAnyEntryOfTheSameNameInAnyLetterCase)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath(QStringLiteral("rep1.rpt")), "x");
    QDir(dir.path()).mkdir(QStringLiteral("SUB.RPT"));
    const struct {
        const char* name;
        bool taken;
    } cases[] = {{"rep1.rpt", true}, {"REP1.rpt", true}, {"sub.rpt", true}, {"rep2.rpt", false}, {"rep1.rp", false}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportNameTaken(dir.path(), QString::fromLatin1(c.name)), c.taken) << c.name;
}
