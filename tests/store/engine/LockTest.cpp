#include "tests/store/engine/EngineFixture.h"

#include "store/paradox/PxTable.h"

#include <QDir>
#include <QFile>
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
