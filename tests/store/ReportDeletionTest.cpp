#include "store/ReportDeletion.h"
#include "store/ReportDirectory.h"

#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>

// Delete removes the report as it was listed; a file changed since, even while
// the question is open, is deleted only on Yes.
TEST(ReportDeletion, AReportChangedSinceItWasListedIsDeletedOnlyOnYes)
{
    enum class Change { None, Before, WhileAsked };
    const struct {
        const char* name;
        Change change;
        std::vector<bool> answers;
        store::Deletion result;
    } cases[] = {
        {"unchanged: no question", Change::None, {}, store::Deletion::Deleted},
        {"changed, No", Change::Before, {false}, store::Deletion::Kept},
        {"changed, Yes", Change::Before, {true}, store::Deletion::Deleted},
        {"changed again while asked, Yes then No", Change::WhileAsked, {true, false}, store::Deletion::Kept},
        {"changed again while asked, Yes twice", Change::WhileAsked, {true, true}, store::Deletion::Deleted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("REP1.RPT"));
        WriteBytes(path, "Mine\r\nContact\r\n");
        const store::ReportListing listing = store::ListReports(dir.path());
        ASSERT_EQ(listing.reports.size(), 1u);
        if (c.change != Change::None) {
            QFile::remove(path); // a colleague's save replaces the file
            WriteBytes(path, "Theirs\r\nContact\r\n");
        }
        std::size_t asked = 0;
        const store::Deletion result = store::DeleteReport(path, listing.reports[0].stamp, [&](const store::ReportStamp&) {
            if (c.change == Change::WhileAsked && asked == 0)
                WriteBytes(path, "Theirs again, longer\r\nContact\r\n");
            return asked < c.answers.size() && c.answers[asked++];
        });
        EXPECT_EQ(asked, c.answers.size());
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(QFile::exists(path), c.result == store::Deletion::Kept);
    }
}
