#include "design/ReportSession.h"

#include "store/report/ReportReader.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QByteArray OneField = Lines({"Phones", "Contact", "Contact", "75", "1", "0", "", "", "Name", "LastName", "1",
                                   "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});

// A session over the working table of an empty alias directory.
class Session : public ::testing::Test {
protected:
    Session()
    {
        session_.setAlias(QStringLiteral("OMNIV"));
        session_.rows().recreate(QStringLiteral("OMNIV"));
        session_.rows().clear();
    }
    ~Session() override { session_.rows().close(); }

    // Loads the report at path as the wizard does after its head.
    std::vector<store::FieldRow> load(const QString& path)
    {
        store::ReportReader reader(path);
        const store::ReportHead head = store::ReadReportHead(reader);
        return session_.load(reader, path, store::FieldCountOf(head, reader), [](const auto&) {});
    }

    TempAlias alias_{TempAlias::Content::Empty};
    design::ReportSession session_{alias_.session()};
};

} // namespace

// The session knows the file it loaded or saved last, in the version it read
// or wrote, and says so when that changes.
TEST_F(Session, KnowsTheFileLoadedOrSavedLast)
{
    const QString loaded = alias_.path(QStringLiteral("phones.rpt"));
    WriteBytes(loaded, OneField);
    QSignalSpy fileChanged(&session_, &design::ReportSession::fileChanged);

    const std::vector<store::FieldRow> rows = load(loaded);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].field, QStringLiteral("LastName"));
    EXPECT_EQ(session_.knownAt(loaded), store::VersionOfBytes(OneField));
    EXPECT_EQ(fileChanged.count(), 1);

    const design::ReportHead head{"Phones", store::ReportType::Contact, store::Category::Contact, 75, false};
    EXPECT_EQ(session_.report(head), (design::Report{head, rows}));
    const QString copy = alias_.path(QStringLiteral("copy.rpt"));
    ASSERT_TRUE(session_.save(copy, head, {}));
    EXPECT_EQ(ReadBytes(copy), OneField);
    EXPECT_EQ(session_.knownAt(copy), store::VersionOfBytes(OneField));
    EXPECT_EQ(session_.knownAt(loaded), std::nullopt);
    EXPECT_EQ(fileChanged.count(), 2);

    // Kept their file: nothing written, the file known stays the one saved last.
    WriteBytes(loaded, "theirs\r\n");
    const auto no = [](const store::ReportChange&) { return false; };
    EXPECT_FALSE(session_.save(loaded, head, {session_.knownAt(loaded), no}));
    EXPECT_EQ(ReadBytes(loaded), QByteArray("theirs\r\n"));
    EXPECT_EQ(session_.knownAt(copy), store::VersionOfBytes(OneField));

    // A load that fails knows no file.
    session_.rows().clear();
    WriteBytes(loaded, Lines({"Bad", "Contact", "Contact", "75", "1", "0", "", "", "Name", ""}));
    EXPECT_THROW(load(loaded), base::Error);
    EXPECT_EQ(session_.knownAt(loaded), std::nullopt);
    EXPECT_EQ(session_.knownAt(copy), std::nullopt);
}
