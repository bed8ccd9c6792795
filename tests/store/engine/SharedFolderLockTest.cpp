// The working table's hold in a folder that several accounts and machines share.
#include "tests/store/engine/EngineFixture.h"

#include "tests/support/FileBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using store::Session;
using store::detail::LockRecord;
using store::detail::TableLock;

namespace {

// Plays another machine (its name and machine id) in this process while it lives.
struct OnMachine {
    OnMachine(const char* host, const char* id) { store::detail::SetThisMachine(QString::fromLatin1(host), QString::fromLatin1(id)); }
    ~OnMachine() { store::detail::SetThisMachine({}, {}); }
};

// This machine's clock set off by seconds while it lives.
struct ClockOff {
    explicit ClockOff(qint64 seconds)
    {
        store::detail::SetLockClock([seconds] { return QDateTime::currentSecsSinceEpoch() + seconds; });
    }
    ~ClockOff() { store::detail::SetLockClock({}); }
};

void SetModified(const QString& path, qint64 secondsFromNow)
{
    const struct timespec times[2] = {{QDateTime::currentSecsSinceEpoch() + secondsFromNow, 0},
                                      {QDateTime::currentSecsSinceEpoch() + secondsFromNow, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// A child process; what it writes to out comes back from Result().
struct Child {
    pid_t pid = -1;
    int out = -1;

    template <typename Body>
    static Child Run(Body body)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return {};
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            body(fds[1]);
            _exit(0);
        }
        ::close(fds[1]);
        return {pid, fds[0]};
    }
    // Everything the child writes, until it ends or (untilByte) writes that byte.
    QByteArray read(bool untilByte = false) const
    {
        QByteArray all;
        char c = 0;
        while (::read(out, &c, 1) == 1 && !(untilByte && c == '\n'))
            all += c;
        return all;
    }
    void end(int signal = 0)
    {
        if (signal)
            ::kill(pid, signal);
        ::waitpid(pid, nullptr, 0);
        ::close(out);
    }
};

void Say(int fd, const QByteArray& text)
{
    [[maybe_unused]] const ssize_t written = ::write(fd, text.constData(), std::size_t(text.size()));
}

// Takes the table exclusively as the account uid of group gid: "held" or the error.
void HoldAs(uid_t uid, gid_t gid, mode_t mask, const QString& table, int out, bool stay)
{
    const gid_t groups[] = {gid};
    if (::setgroups(1, groups) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
        return Say(out, "cannot become the account");
    ::umask(mask);
    try {
        TableLock lock(table);
        lock.hold(TableLock::Level::Exclusive);
        Say(out, "held\n");
        while (stay)
            ::pause();
    } catch (const base::EngineError& e) {
        Say(out, e.text().toUtf8());
    }
}

class SharedFolderLock : public EngineTest {
protected:
    // Without the record that making the table left: the tests play other machines.
    void SetUp() override
    {
        EngineTest::SetUp();
        QFile::remove(lockPath());
    }

    QString lockPath() const { return path(store::WorkingTableName + QStringLiteral(".lock")); }
    QString refusal(Session& other)
    {
        return errorOf([&] { openWorkingTable(true, &other); });
    }
};

} // namespace

// Two accounts of one group in a setgid folder: the second is told who holds
// the table, and takes it once the first was killed, whatever the first one's
// umask; an account that may not change the folder is told what to remove.
TEST(SharedFolderAccounts, TheSecondAccountIsToldWhoHoldsTheTableAndTakesItOnceTheFirstIsGone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "playing two accounts needs root";
    const gid_t group = 47011;
    const gid_t otherGroup = 47015;
    const uid_t first = 47012;
    const uid_t second = 47013;
    const struct {
        const char* name;
        mode_t mask;
        gid_t secondGroup;
        bool takesOver;
    } cases[] = {
        {"group may write the lock file (umask 002)", 002, group, true},
        {"only its maker may write it (umask 022)", 022, group, true},
        {"an account outside the group", 002, otherGroup, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("shared"));
        ASSERT_TRUE(QDir().mkdir(folder));
        ::chmod(QFile::encodeName(root.path()).constData(), 0755);
        ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 0, group), 0);
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 02775), 0);
        const QString table = folder + QStringLiteral("/TRDATA.DB");
        const QString lock = TableLock::lockPathOf(table);

        Child holder = Child::Run([&](int out) { HoldAs(first, group, c.mask, table, out, true); });
        ASSERT_EQ(holder.read(true), QByteArray("held"));
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(lock).constData(), &info), 0);
        EXPECT_EQ(info.st_gid, group) << "the folder's group";
        EXPECT_EQ(info.st_mode & 0060, c.mask == 002 ? 0060u : 0040u);

        Child refused = Child::Run([&](int out) { HoldAs(second, c.secondGroup, 002, table, out, false); });
        const QString busy = QString::fromUtf8(refused.read());
        refused.end();
        EXPECT_TRUE(busy.startsWith(QStringLiteral("Table is busy: ")) &&
                    busy.contains(QStringLiteral("process %1)").arg(holder.pid)))
            << busy.toStdString();

        holder.end(SIGKILL);
        Child after = Child::Run([&](int out) { HoldAs(second, c.secondGroup, 002, table, out, false); });
        const QString then = QString::fromUtf8(after.read());
        after.end();
        if (c.takesOver)
            EXPECT_EQ(then, QStringLiteral("held\n"));
        else
            EXPECT_TRUE(then.contains(QStringLiteral("ended without closing")) &&
                        then.contains(QStringLiteral("The folder's owner can remove %1").arg(lock)))
                << then.toStdString();
    }
}

// A read lock, which any account that can read the folder can take, keeps
// nobody out, and the lock file still goes at the end.
TEST_F(SharedFolderLock, AReadersLockKeepsNobodyOut)
{
    WriteBytes(lockPath(), QByteArray());
    const int reader = ::open(QFile::encodeName(lockPath()).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    struct flock readLock {};
    readLock.l_type = F_RDLCK;
    readLock.l_whence = SEEK_SET;
    ASSERT_EQ(::fcntl(reader, F_OFD_SETLK, &readLock), 0);

    auto view = openWorkingTable(false);
    view->Close();
    auto holder = openWorkingTable(true);
    Session other(configPath());
    EXPECT_TRUE(refusal(other).startsWith(QStringLiteral("Table is busy: "))) << "the holder still keeps others out";
    store::CloseWorkingTable(*holder);
    EXPECT_FALSE(QFile::exists(lockPath()));
    ::close(reader);
}

// A lock that is not this program's is named as such, with its process.
TEST_F(SharedFolderLock, ALockOfAnotherProgramIsNamedWithItsProcess)
{
    WriteBytes(lockPath(), QByteArray());
    Child other = Child::Run([&](int out) {
        const int fd = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        Say(out, fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0 ? "locked\n" : "failed\n");
        ::pause();
    });
    ASSERT_EQ(other.read(true), QByteArray("locked"));
    Session session2(configPath());
    const QString error = refusal(session2);
    other.end(SIGKILL);
    EXPECT_TRUE(error.contains(QStringLiteral("is locked by another program, not by this one: process %1 (")
                                   .arg(other.pid)))
        << error.toStdString();
}

// Where locks stay on one machine, a record decides; its age is told by the
// file server's clock (the lock file's time), never by the times it gives.
TEST_F(SharedFolderLock, ARecordIsBelievedByItsFilesAgeNotByTheTimesItGives)
{
    const LocksStayOnOneMachine simulated;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const auto record = [&](const char* host, const char* machine, qint64 pid, qint64 seen) {
        return QStringLiteral("user=pat\nname=Pat Doe\nhost=%1\nmachine=%2\npid=%3\nsince=%4\nseen=%5\ntoken=1\n")
            .arg(QString::fromLatin1(host), QString::fromLatin1(machine))
            .arg(pid)
            .arg(now - 3600)
            .arg(seen)
            .toUtf8();
    };
    const struct {
        const char* name;
        QByteArray record;
        qint64 written; // the lock file's time, from now
        bool refused;
    } cases[] = {
        {"written 100 s ago", record("far", "m2", 4242, now), -100, true},
        {"written 200 s ago", record("far", "m2", 4242, now), -200, false},
        {"its holder's clock 4 minutes slow", record("far", "m2", 4242, now - 240), -10, true},
        {"a record from the future, written long ago", record("far", "m2", 4242, 99999999999), -200, false},
        {"a record from the future, written just now", record("far", "m2", 4242, 99999999999), 0, false},
        {"its holder's clock 4 minutes fast", record("far", "m2", 4242, now + 240), -10, true},
        {"a file time in the future", record("far", "m2", 4242, now), 3600, false},
        {"this computer's name, another machine", record("here", "m2", getpid(), now), -10, true},
    };
    const OnMachine here("here", "m1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(lockPath(), c.record);
        SetModified(lockPath(), c.written);
        const QString error = refusal(session());
        EXPECT_EQ(error.startsWith(QStringLiteral("Table is busy: ")), c.refused) << error.toStdString();
        if (!c.refused)
            store::CloseWorkingTable(*openWorkingTable(true)); // taken: ours now, then let go
    }
}

// Clocks minutes apart and one computer name on two machines: the holder is
// never taken over while it refreshes its record.
TEST_F(SharedFolderLock, SkewedClocksAndASharedComputerNameNeverTakeTheTableFromItsHolder)
{
    const LocksStayOnOneMachine simulated;
    for (const qint64 skew : {-240, 240}) {
        for (const char* secondHost : {"office", "desk"}) {
            SCOPED_TRACE(QStringLiteral("%1 s, %2").arg(skew).arg(QString::fromLatin1(secondHost)).toStdString());
            Session first(configPath());
            Session second(configPath());
            std::unique_ptr<store::Table> holder;
            {
                const OnMachine a("office", "m1");
                const ClockOff slow(skew);
                holder = openWorkingTable(true, &first);
            }
            {
                const OnMachine b(secondHost, "m2");
                EXPECT_TRUE(refusal(second).startsWith(QStringLiteral("Table is busy: ")));
            }
            const OnMachine a("office", "m1");
            store::CloseWorkingTable(*holder);
        }
    }
}

// The refresh writes a new time into the record, and the file's time moves
// with it: a holder at work for ten minutes is still believed.
TEST_F(SharedFolderLock, TheRefreshKeepsTheRecordNew)
{
    const LocksStayOnOneMachine simulated;
    std::optional<OnMachine> a(std::in_place, "office", "m1");
    TableLock lock(tablePath(store::WorkingTableName));
    {
        const ClockOff tenMinutesAgo(-600);
        lock.hold(TableLock::Level::Exclusive);
    }
    SetModified(lockPath(), -600);
    lock.refresh();
    EXPECT_GE(LockRecord::parse(ReadBytes(lockPath())).seen, QDateTime::currentSecsSinceEpoch() - 1);
    a.reset();
    const OnMachine b("office", "m2");
    EXPECT_TRUE(refusal(session()).startsWith(QStringLiteral("Table is busy: ")));
}

// A copy that slept while another took the table over writes nothing at its
// flush or close, nor into the other's record; the other goes on.
TEST_F(SharedFolderLock, ACopyThatLostTheTableWritesNothing)
{
    const LocksStayOnOneMachine simulated;
    Session second(configPath());
    std::unique_ptr<store::Table> sleeper;
    {
        const OnMachine a("laptop", "m1");
        sleeper = openWorkingTable(true); // in the session that made the table
        addRow(*sleeper, QStringLiteral("Company"), 1);
        sleeper->FlushBuffers();
    }
    SetModified(lockPath(), -600); // its record went silent while it slept
    std::unique_ptr<store::Table> taker;
    {
        const OnMachine b("desk", "m2");
        store::Table maker(second); // another copy's start-up
        store::RecreateWorkingTable(maker, QStringLiteral("OMNIV"));
        taker = openWorkingTable(true, &second);
        addRow(*taker, QStringLiteral("Phone"), 1);
        taker->FlushBuffers();
    }
    const QByteArray theirs = ReadBytes(path(store::WorkingTableName));
    const QByteArray theirRecord = ReadBytes(lockPath());
    {
        const OnMachine a("laptop", "m1");
        addRow(*sleeper, QStringLiteral("Fax"), 2);
        EXPECT_TRUE(errorOf([&] { sleeper->FlushBuffers(); })
                        .startsWith(QStringLiteral("Table was replaced by another copy of the program: ")));
        store::CloseWorkingTable(*sleeper);
    }
    EXPECT_EQ(ReadBytes(path(store::WorkingTableName)), theirs);
    EXPECT_EQ(ReadBytes(lockPath()), theirRecord);
    const OnMachine b("desk", "m2");
    addRow(*taker, QStringLiteral("Email"), 2);
    EXPECT_EQ(errorOf([&] { taker->FlushBuffers(); }), QStringLiteral("(no error)"));
    store::CloseWorkingTable(*taker);
}
