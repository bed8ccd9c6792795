// Report files as a shared folder may hold them: pipes and devices in a
// report's place, lines without end, temporary files of killed writers.
#include "base/EngineError.h"
#include "store/report/ReportReader.h"
#include "store/report/StaleTemporaries.h"
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
    } catch (const base::EngineError& e) {
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
    const store::ReportHeadLines head = store::ReadReportHeadLines(path);
    EXPECT_EQ(head.description.size(), store::ReportReader::Listing.bytes);
    EXPECT_EQ(head.description.count(QChar(0)), head.description.size());
    EXPECT_TRUE(head.typeWord.isEmpty());
}

// A device swapped in after the directory was read feeds the listing without end;
// it reads no more than two lines can take.
TEST(Bounds, TheListingStopsReadingADeviceSwappedInForAReport)
{
    const int dev = ::open("/dev", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(dev, 0);
    const store::ReportHeadLines head =
        store::ReadReportHeadLines(store::DirectoryEntry{dev, "zero", QStringLiteral("/dev")});
    ::close(dev);
    EXPECT_EQ(head.description.size(), store::ReportReader::Listing.bytes);
    EXPECT_TRUE(head.typeWord.isEmpty());
}

TEST(Bounds, LoadingRefusesALineLongerThanItsBoundAndNamesFileAndLine)
{
    QTemporaryDir dir;
    const qsizetype most = store::ReportReader::Loading.bytes;
    const struct {
        qsizetype length;
        bool refused;
    } cases[] = {{most, false}, {most + 1, true}};
    for (const auto& c : cases) {
        const QString path = dir.filePath("long.rpt");
        WriteBytes(path, "Description\r\n" + QByteArray(c.length, 'x') + "\r\nCall\r\n");
        store::ReportReader reader(path);
        EXPECT_EQ(reader.nextLine(), QStringLiteral("Description"));
        if (c.refused) {
            EXPECT_EQ(ErrorOf([&] { reader.nextLine(); }),
                      QStringLiteral("Line 2 of report %1 is longer than %2 characters, which no report line is; "
                                     "the file cannot be loaded.")
                          .arg(path)
                          .arg(most));
        } else {
            EXPECT_EQ(reader.nextLine().size(), most);
            EXPECT_EQ(reader.nextLine(), QStringLiteral("Call"));
        }
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
