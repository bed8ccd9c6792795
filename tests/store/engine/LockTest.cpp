#include "tests/store/engine/EngineFixture.h"

#include "store/paradox/PxTable.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>
#include <sys/wait.h>
#include <unistd.h>

using store::Session;
using store::Table;

namespace {

class LockTest : public EngineTest {
protected:
    bool opensIn(Session& other, bool exclusive, QString* error = nullptr)
    {
        try {
            openWorkingTable(exclusive, &other);
            return true;
        } catch (const base::EngineError& e) {
            if (error)
                *error = e.text();
            return false;
        }
    }

    void touch(const QString& fileName)
    {
        QFile file(path(fileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QStringList filesInDirectory() { return QDir(path(QString())).entryList(QDir::Files, QDir::Name); }
};

TEST_F(LockTest, ExclusiveOpenKeepsOtherSessionsOut)
{
    Session other(configPath());
    auto holder = openWorkingTable(true);
    QString error;
    EXPECT_FALSE(opensIn(other, true, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Table is busy: ") + tablePath(store::WorkingTableName)))
        << error.toStdString();
    EXPECT_FALSE(opensIn(other, false));

    auto secondView = openWorkingTable(false); // the same session shares the hold
    EXPECT_TRUE(secondView->Active());

    holder->Close();
    EXPECT_FALSE(opensIn(other, true)) << "the shared view still holds the table";
    secondView->Close();
    EXPECT_TRUE(opensIn(other, true));
}

TEST_F(LockTest, SharedOpensLetEachOtherIn)
{
    Session other(configPath());
    auto reader = openWorkingTable(false);
    auto otherReader = openWorkingTable(false, &other);
    EXPECT_TRUE(otherReader->Active());
    EXPECT_FALSE(opensIn(other, true)) << "exclusive needs everybody else gone";
}

TEST_F(LockTest, AnotherProcessCannotOpenTheHeldTable)
{
    auto holder = openWorkingTable(true);
    for (bool exclusive : {true, false}) {
        SCOPED_TRACE(exclusive ? "exclusive" : "shared");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int code = 3;
            try {
                Session own(configPath());
                Table table(own);
                table.SetDatabaseName(QStringLiteral("OMNIV"));
                table.SetTableName(store::WorkingTableName);
                table.SetExclusive(exclusive);
                table.Open();
                code = 1;
            } catch (const base::EngineError& e) {
                code = e.text().startsWith(QStringLiteral("Table is busy")) ? 0 : 2;
            }
            _exit(code);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: it opened; 2: another error";
    }
}

TEST_F(LockTest, ReadingAHostTableLeavesNoFileBesideIt)
{
    px::TableDefinition definition;
    definition.fields = {{QStringLiteral("Name"), px::FieldCode::Alpha, 20}};
    px::writeTable(path(QStringLiteral("HOST.DB")), definition, {{px::Value::ofText(QStringLiteral("x"))}});
    const QStringList before = filesInDirectory();

    Table host(session());
    host.SetDatabaseName(QStringLiteral("OMNIV"));
    host.SetTableName(QStringLiteral("HOST.DB"));
    host.Open();
    EXPECT_EQ(host.RecordCount(), 1);
    EXPECT_EQ(errorOf([&] { host.Edit(); }).section(u'\n', 0, 0),
              QStringLiteral("Table is read only: ") + tablePath(QStringLiteral("HOST.DB")));
    EXPECT_EQ(filesInDirectory(), before);
}

TEST_F(LockTest, DeleteTableRemovesItsCompanionsOnly)
{
    for (const char* name : {"TRDATA.PX", "TRDATA.MB", "TRDATA.X02", "TRDATA.YG0", "trdata.x03", "TRDATA.VAL",
                             "PARADOX.LCK", "PDOXUSRS.LCK", "PDOXUSRS.NET", "OTHER.PX", "TRDATA.TXT"})
        touch(QString::fromLatin1(name));
    Table table(session());
    table.SetDatabaseName(QStringLiteral("OMNIV"));
    table.SetTableName(store::WorkingTableName);
    table.DeleteTable();
    EXPECT_EQ(filesInDirectory(),
              QStringList({"OTHER.PX", "PARADOX.LCK", "PDOXUSRS.LCK", "PDOXUSRS.NET", "TRDATA.TXT", "trdata.x03"}));
    EXPECT_EQ(errorOf([&] { table.DeleteTable(); }),
              QStringLiteral("Table does not exist: ") + tablePath(store::WorkingTableName));
}

TEST_F(LockTest, TableOpenElsewhereCannotBeReplacedOrDeleted)
{
    auto view = openWorkingTable(false);
    Table maker(session());
    EXPECT_EQ(errorOf([&] { store::RecreateWorkingTable(maker, QStringLiteral("OMNIV")); }),
              QStringLiteral("Table is in use: ") + tablePath(store::WorkingTableName));
    EXPECT_TRUE(view->Active());

    Session other(configPath());
    Table otherMaker(other);
    view->Close();
    auto holder = openWorkingTable(true);
    otherMaker.SetDatabaseName(QStringLiteral("OMNIV"));
    otherMaker.SetTableName(store::WorkingTableName);
    EXPECT_TRUE(errorOf([&] { otherMaker.DeleteTable(); }).startsWith(QStringLiteral("Table is busy")));
    EXPECT_TRUE(QFile::exists(path(store::WorkingTableName)));
}

} // namespace

namespace {

pid_t DeadProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

// Where the lock does not reach, the record keeps the next copy out while its
// holder may be at work; a silent, dead or unreadable one is not believed.
TEST_F(LockTest, ARecordOfAHolderAtWorkKeepsOthersOutWhereLocksStayOnOneMachine)
{
    const LocksStayOnOneMachine simulated;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString here = QSysInfo::machineHostName();
    const auto record = [&](const QString& name, const QString& host, qint64 pid, qint64 seen) {
        return QStringLiteral("user=pat\nname=%1\nhost=%2\npid=%3\nsince=%4\nseen=%5\ntoken=1\n")
            .arg(name, host)
            .arg(pid)
            .arg(now - 3600)
            .arg(seen)
            .toUtf8();
    };
    const struct {
        const char* name;
        QByteArray record;
        bool refused;
        QString shown;
    } cases[] = {
        {"another machine, just now", record("Pat Doe", "far", 4242, now), true, "Pat Doe (pat on far, process 4242)"},
        {"another machine, silent", record("Pat Doe", "far", 4242, now - 600), false, {}},
        {"this machine, alive", record("Pat Doe", here, getppid(), now), true, "ask Pat Doe to finish"},
        {"this machine, gone", record("Pat Doe", here, DeadProcess(), now), false, {}},
        {"no such process number", record("Pat Doe", here, (qint64(1) << 32) + 1, now), false, {}},
        {"control characters", record("Pat\x1b[2J\x07", "far\r", 4242, now), true, "Pat[2J (pat on far,"},
        {"garbage", QByteArray("\x01\x02pid=x\n", 9), false, {}},
    };
    const QString lockPath = path(store::WorkingTableName + QStringLiteral(".lock"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(c.record);
        lock.close();
        QString error;
        EXPECT_EQ(opensIn(session(), true, &error), !c.refused) << error.toStdString();
        if (c.refused) {
            EXPECT_TRUE(error.startsWith(QStringLiteral("Table is busy: ")));
            EXPECT_TRUE(error.contains(c.shown)) << error.toStdString();
            EXPECT_FALSE(error.contains(QRegularExpression(QStringLiteral("[\\x00-\\x09\\x0b-\\x1f]"))));
            EXPECT_TRUE(QFile::exists(lockPath));
        } else {
            ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
            EXPECT_TRUE(lock.readAll().contains(QByteArray("\npid=") + QByteArray::number(getpid()) + '\n'));
        }
    }
}

// The holder removes the lock file as the program ends; a copy that opened it
// just before locks a file that no longer has the name, and must not believe it
// holds the table.
TEST_F(LockTest, ALockFileRemovedBeforeItWasLockedIsNotBelievedHeld)
{
    Session first(configPath());
    Session third(configPath());
    Session other(configPath());
    auto holder = openWorkingTable(true, &first);
    std::unique_ptr<Table> thirdHolder;
    store::detail::TableLock::setBetweenOpenAndLock([&] {
        store::detail::TableLock::setBetweenOpenAndLock({});
        store::CloseWorkingTable(*holder);
        thirdHolder = openWorkingTable(true, &third);
    });
    QString error;
    EXPECT_FALSE(opensIn(other, true, &error));
    store::detail::TableLock::setBetweenOpenAndLock({});
    ASSERT_TRUE(thirdHolder) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Table is busy: "))) << error.toStdString();
}
