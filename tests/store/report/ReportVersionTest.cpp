// A report's version covers the whole file, however little of it loading reads:
// any change by someone else is seen, an identical rewrite is not a change.
#include "store/report/ReportReader.h"

#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Kind = store::ReportChange::Kind;

namespace {

// The five header lines loading reads, then far more than it reads with them.
QByteArray Report()
{
    QByteArray bytes = "Phone list\r\nContact\r\nContact\r\n75\r\n0\r\n";
    for (int i = 0; i < 1000; ++i)
        bytes += "trailing line\r\n";
    return bytes;
}

} // namespace

TEST(ReportVersion, EveryChangeToTheFileIsSeenAndAnIdenticalRewriteIsNot)
{
    const QByteArray report = Report();
    const struct {
        const char* name;
        QByteArray after; // empty: deleted
        Kind kind;
    } cases[] = {
        {"rewritten the same", report, Kind::None},
        {"grown at the end", report + "one more\r\n", Kind::Changed},
        {"shrunk at the end", report.chopped(2), Kind::Changed},
        {"same size, changed at the end", report.chopped(1) + "X", Kind::Changed},
        {"same size, changed at the start", "X" + report.sliced(1), Kind::Changed},
        {"deleted", {}, Kind::Deleted},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("phonelst.rpt"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(path, report);
        store::ReportReader reader(path);
        for (int line = 0; line < 5; ++line)
            reader.nextLine();
        const store::ReportVersion loaded = reader.version();
        EXPECT_EQ(loaded, store::VersionOfBytes(report)); // as loaded, so as written
        QFile::remove(path);
        if (!c.after.isEmpty())
            WriteBytes(path, c.after);
        const store::ReportChange change = store::ChangeSince(path, loaded);
        EXPECT_EQ(change.kind, c.kind);
        EXPECT_EQ(change.now.has_value(), !c.after.isEmpty());
        // What is there now is known once seen: looking again finds no change.
        EXPECT_EQ(store::ChangeSince(path, change.now).kind, Kind::None);
    }
    EXPECT_EQ(store::ChangeSince(dir.filePath(QStringLiteral("new.rpt")), std::nullopt).kind, Kind::None);
    WriteBytes(path, report);
    EXPECT_EQ(store::ChangeSince(path, std::nullopt).kind, Kind::Appeared);
}
