// What a replacement displaced is looked at.
#include "store/report/ReportWriter.h"

#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/ReplaceSteps.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

const store::ReportHead Header{QStringLiteral("Mine"), QStringLiteral("Contact"), QStringLiteral("Contact"), 75};

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Another's file put in place by a rename, as a save of theirs does.
void Plant(const QString& path, const QByteArray& bytes)
{
    WriteBytes(path + QStringLiteral(".new"), bytes);
    ::rename(QFile::encodeName(path + QStringLiteral(".new")).constData(), QFile::encodeName(path).constData());
}

} // namespace

// A change that comes between the last look and the replacing rename is what
// the exchange displaces: it is put back and asked about, and No keeps it.
TEST(SaveGuard, AChangeBetweenTheLastLookAndTheRenameIsPutBackAndAskedAbout)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rep.rpt"));
        const std::optional<store::ReportVersion> known = store::WriteReportFile(path, Header, {});
        ASSERT_TRUE(known);
        bool planted = false;
        const ReplaceSteps watched([&](base::ReplaceStep step, const QString&) {
            if (step == base::ReplaceStep::Exchange && !std::exchange(planted, true))
                Plant(path, "theirs");
            return 0;
        });
        std::vector<store::ReportChange::Kind> asked;
        const store::ReportHead mine{QStringLiteral("Changed"), Header.typeLine, Header.categoryLine, 75};
        const auto written = store::WriteReportFile(path, mine, {}, {known, [&](const store::ReportChange& change) {
                                                                         asked.push_back(change.kind);
                                                                         return yes;
                                                                     }});
        EXPECT_EQ(asked, std::vector{store::ReportChange::Kind::Changed});
        EXPECT_EQ(written.has_value(), yes);
        EXPECT_EQ(ReadBytes(path).startsWith("Changed\r\n"), yes);
        EXPECT_EQ(ReadBytes(path) == "theirs", !yes);
        EXPECT_EQ(Entries(dir), QStringList{"rep.rpt"});
    }
}
