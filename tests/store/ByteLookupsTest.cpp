// The looks at the alias directory that go by the names' bytes: the working
// table's companion files, stale temporaries and report names in any letter case.
#include "tests/store/engine/EngineFixture.h"

#include "base/AtomicFile.h"
#include "base/DirectoryNames.h"
#include "base/Paths.h"
#include "store/ReportNames.h"
#include "store/report/StaleTemporaries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Makes an empty file named by its bytes, which need not be UTF-8.
void MakeFile(const QString& directory, const QByteArray& name)
{
    const int fd = ::open((base::FileNameBytes(directory) + '/' + name).constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0) << name.constData();
    ::close(fd);
}

QByteArrayList NamesIn(const QString& directory)
{
    const base::DirectoryNames names(directory);
    QByteArrayList list;
    for (qsizetype i = 0; i < names.size(); ++i)
        list << names.name(i).toByteArray();
    std::sort(list.begin(), list.end());
    return list;
}

class ByteLookupsTest : public EngineTest {};

TEST_F(ByteLookupsTest, RecreatingTheWorkingTableInOnePassRemovesExactlyItsCompanionsAndStaleTemporaries)
{
    const QString directory = path(QString());
    const QByteArrayList companions = {"TRDATA.PX", "TRDATA.px", "TRDATA.Mb",  "TRDATA.vAl", "TRDATA.x0a",
                                       "TRDATA.YZ9", "TRDATA.y00", "TRDATA.XQQ", "TRDATA.MB"};
    const QByteArrayList lookAlikes = {"trdata.px",     "Trdata.PX",    "TRDATA2.PX",    "XTRDATA.PX",
                                       "TRDATA.PX.bak", "TRDATA.PXX",   "TRDATA.X0",     "TRDATA.X0AB",
                                       "TRDATA.X_1",    "TRDATA.\xd8X", "TRDATA.P",      "TRDATA..PX",
                                       "OTHER.X01",     "TRDATA.TXT",   "PDOXUSRS.LCK",  "\xff\xfe.PX"};
    for (const QByteArray& name : companions + lookAlikes)
        MakeFile(directory, name);
    ASSERT_TRUE(QDir(directory).mkdir(QStringLiteral("TRDATA.X01")));
    // Killed writers' temporaries: the table's go at once, a report's when an hour old, which this one is not.
    const QByteArray tableTemporary = base::TemporaryName(QStringLiteral("DB"), 7);
    const QByteArray reportTemporary = base::TemporaryName(QStringLiteral("rpt"), 8);
    MakeFile(directory, tableTemporary);
    MakeFile(directory, reportTemporary);
    const QByteArrayList before = NamesIn(directory);

    {
        const base::OnePass pass;
        store::Table table(session());
        store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
        store::RemoveStaleReportTemporaries(directory);
    }
    QByteArrayList expected = before;
    expected.removeIf([&](const QByteArray& name) { return companions.contains(name) || name == tableTemporary; });
    EXPECT_EQ(NamesIn(directory), expected);
}

// A small directory is read; in a large one each spelling of the name is looked up: both give the same answers.
TEST(ByteLookups, AReportNameResolvesInAnyLetterCaseAndTwoThatDifferOnlyInCaseAreRefused)
{
    for (const int others : {0, 6000}) {
        SCOPED_TRACE(others);
        QTemporaryDir dir;
        for (int i = 0; i < others; ++i)
            MakeFile(dir.path(), "other" + QByteArray::number(i) + ".rpt");
        for (const QByteArray name : {"Plain.rpt", "MIXED.Rpt", "r\xe9sum\xe9.rpt", "caf\xc3\xa9.rpt", "TWIN.rpt",
                                      "twin.RPT", "ONE.RPT.x", "x.rpt"})
            MakeFile(dir.path(), name);
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("X.RPT")));
        ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("Plain.rpt")), dir.filePath(QStringLiteral("Link.rpt"))));
        const struct {
            QByteArray asked;
            QByteArray onDisk; // empty: refused as a name of two files
        } cases[] = {
            {"plain.rpt", "Plain.rpt"},
            {"PLAIN.RPT", "Plain.rpt"},
            {"mixed.rpt", "MIXED.Rpt"},
            {"R\xe9SUM\xe9.RPT", "r\xe9sum\xe9.rpt"}, // bytes that are not UTF-8 keep themselves
            {"CAF\xc3\xa9.rpt", "caf\xc3\xa9.rpt"},  // only A to Z fold: the accented letter matches itself
            {"caf\xc3\x89.rpt", "caf\xc3\x89.rpt"},  // and its capital is another name, a new file
            {"one.rpt", "one.rpt"},
            {"x.rpt", "x.rpt"}, // the directory X.RPT does not count
            {"LINK.RPT", "Link.rpt"},
            {"twin.rpt", ""},
            {"Twin.Rpt", ""},
        };
        for (const auto& c : cases) {
            const QString asked = base::FileNameText(c.asked);
            SCOPED_TRACE(c.asked.toStdString());
            if (c.onDisk.isEmpty()) {
                EXPECT_THROW(store::ResolveReportName(dir.path(), asked), base::FileError);
                EXPECT_TRUE(store::ReportNameTaken(dir.path(), asked));
            } else {
                EXPECT_EQ(base::FileNameBytes(store::ResolveReportName(dir.path(), asked)), c.onDisk);
            }
        }
        EXPECT_TRUE(store::ReportNameTaken(dir.path(), QStringLiteral("x.rpt")));
        EXPECT_FALSE(store::ReportNameTaken(dir.path(), QStringLiteral("y.rpt")));
    }
}

} // namespace
