// Report files as a shared folder may hold them: pipes and devices in a
// report's place, lines without end, temporary files of killed writers.
#include "base/AtomicFile.h"
#include "base/EngineError.h"
#include "store/ReportDirectory.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportReader.h"
#include "store/report/StaleTemporaries.h"
#include "tests/store/report/ListedHead.h"
#include "tests/support/FileBytes.h"
#include "tests/support/QtPrinting.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

QString ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const base::Error& e) {
        return e.text();
    }
    return QStringLiteral("<no error>");
}

} // namespace

// A pipe would block the load for ever and a device such as /dev/zero feed it
// without end; both are refused at once. The pipe here has a writer and bytes
// waiting, so a reader that takes it reads a line instead of refusing.
TEST(NonRegularFiles, LoadingRefusesPipesAndDevicesWithoutWaiting)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.rpt");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "Pipe\r\n", 6), 6);
    const QString device = dir.filePath("null.rpt");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), device));
    for (const QString& path : {fifo, device})
        EXPECT_EQ(ErrorOf([&] { store::ReportReader(path).nextLine(); }),
                  QStringLiteral("Cannot open report %1: it is not a regular file.").arg(path));
    ::close(writer);
}

TEST(Bounds, TheListingReadsTheStartOfALineWithoutEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.rpt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(64 * 1024 * 1024)); // sparse: no disk space, no line end
    }
    const store::ReportHead head = ListedHead(path);
    EXPECT_EQ(head.description.size(), store::ReportReader::Listing.bytes);
    EXPECT_EQ(head.description.count(QChar(0)), head.description.size());
    EXPECT_TRUE(head.typeLine.isEmpty());
}

// A pipe or a device swapped in after the directory was read is refused on the
// file opened, as the listing and a check meet it, without waiting on the pipe.
TEST(NonRegularFiles, AnEntryIsRefusedOnTheFileOpenedNotOnItsName)
{
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.rpt")).constData(), 0644), 0);
    const int at = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int dev = ::open("/dev", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(at, 0);
    ASSERT_GE(dev, 0);
    const store::DirectoryEntry entries[] = {{at, "pipe.rpt", dir.path()}, {dev, "zero", QStringLiteral("/dev")}};
    for (const store::DirectoryEntry& entry : entries) {
        const QString path = QDir(entry.directory).filePath(QString::fromLatin1(entry.fileName));
        const QString refused = QStringLiteral("Cannot open report %1: it is not a regular file.").arg(path);
        EXPECT_EQ(ErrorOf([&] { store::ReadReportHeadLines(entry); }), refused);
        EXPECT_EQ(ErrorOf([&] { store::ReadReport(entry); }), refused);
    }
    ::close(at);
    ::close(dev);
}

// A line of any length is read: loading keeps its first 65,536 characters and
// the listing its first 1,024, and both read the next line after it.
TEST(Bounds, AnOverLongLineIsCutAndTheNextLineIsRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.rpt");
    for (const qsizetype length : {qsizetype(70000), qsizetype(1) << 20}) {
        WriteBytes(path, QByteArray(length, 'x') + "\r\nCall\r\n");
        store::ReportReader reader(path);
        EXPECT_EQ(reader.nextLine(), QString(store::ReportReader::Loading.bytes, u'x')) << length;
        EXPECT_EQ(reader.nextLine(), QStringLiteral("Call")) << length;
        const store::ReportHead head = ListedHead(path);
        EXPECT_EQ(head.description, QString(store::ReportReader::Listing.bytes, u'x')) << length;
        EXPECT_EQ(head.typeLine, QStringLiteral("Call")) << length;
        const store::ReportListing listing = store::ListReports(dir.path());
        ASSERT_EQ(listing.reports.size(), 1u);
        EXPECT_EQ(listing.reports[0].typeWord, QStringLiteral("Call")) << length;
    }
}

// Only temporaries of reports whose writer is gone (no lock, an hour old) go.
TEST(StaleTemporaries, OnlyUnlockedOldTemporariesOfReportsAreRemoved)
{
    QTemporaryDir dir;
    const auto make = [&dir](const char* name, bool old) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteBytes(path, "partial");
        if (old) {
            const struct timeval twoHoursAgo[2] = {{::time(nullptr) - 7200, 0}, {::time(nullptr) - 7200, 0}};
            ::utimes(QFile::encodeName(path).constData(), twoHoursAgo);
        }
        return path;
    };
    make(".tabrep-00000000000000a1.rpt.tmp", true);
    make(".tabrep-00000000000000a2.rpt.tmp", false);
    make(".notes.rpt.0123abcd.tmp", true);
    make(".tabrep-00000000000000a3.db.tmp", true);
    const QString locked = make(".tabrep-00000000000000a4.rpt.tmp", true);
    ASSERT_TRUE(QFile::link(dir.filePath(".notes.rpt.0123abcd.tmp"), dir.filePath(".tabrep-00000000000000a5.rpt.tmp")));
    const int writer = ::open(QFile::encodeName(locked).constData(), O_RDWR);
    struct flock lock {F_WRLCK, SEEK_SET, 0, 0, 0}; // as a writer at work holds it
    ASSERT_EQ(::fcntl(writer, F_OFD_SETLK, &lock), 0);

    store::RemoveStaleReportTemporaries(dir.path());
    ::close(writer);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name),
              (QStringList{".notes.rpt.0123abcd.tmp", ".tabrep-00000000000000a2.rpt.tmp",
                           ".tabrep-00000000000000a3.db.tmp", ".tabrep-00000000000000a4.rpt.tmp",
                           ".tabrep-00000000000000a5.rpt.tmp"}));
}

// A lock's probe left by a killed process goes when an hour old; a fresh one (its maker may be between making and
// deleting it) and anything else stay.
TEST(StaleTemporaries, OnlyOldLockProbesAreRemoved)
{
    QTemporaryDir dir;
    const auto make = [&dir](const QByteArray& name, std::time_t age) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteBytes(path, QByteArray());
        const struct timeval then[2] = {{::time(nullptr) - age, 0}, {::time(nullptr) - age, 0}};
        ::utimes(QFile::encodeName(path).constData(), then);
    };
    make(base::TemporaryName(QStringLiteral("lck"), 0xb1), 7200);
    make(base::TemporaryName(QStringLiteral("lck"), 0xb2), 60);
    make(base::TemporaryName(QStringLiteral("rpt"), 0xb3), 60);
    make(".tabrep-00000000000000b4.lck", 7200);
    make("PDOXUSRS.LCK", 7200);

    store::RemoveStaleLockProbes(dir.path());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".tabrep-00000000000000b2.lck.tmp", ".tabrep-00000000000000b3.rpt.tmp",
                           ".tabrep-00000000000000b4.lck", "PDOXUSRS.LCK"}));
}
