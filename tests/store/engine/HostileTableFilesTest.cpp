// The working table's own files in a directory others write: planted links,
// a full disk, and the temporary files of killed writers.
#include "tests/store/engine/EngineFixture.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>


namespace {

using Links = EngineTest;
using Messages = EngineTest;
using StaleTemporaries = EngineTest;

QStringList Entries(const QString& directory)
{
    QStringList names =
        QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

} // namespace

// The table is written as a new file renamed into place: a link at its name,
// planted before start-up or swapped in while the table is held, is replaced.
TEST_F(Links, ALinkAtTheWorkingTableIsReplacedAndItsTargetNeverWritten)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    const QString table = path(store::WorkingTableName);
    for (const bool swappedWhileHeld : {false, true}) {
        SCOPED_TRACE(swappedWhileHeld ? "swapped in while held" : "planted before start-up");
        QFile::remove(victim);
        std::unique_ptr<store::Table> held = swappedWhileHeld ? openWorkingTable() : nullptr;
        if (held)
            addRow(*held, QStringLiteral("Company"), 1);
        ASSERT_TRUE(QFile::remove(table));
        ASSERT_TRUE(QFile::link(victim, table));
        if (held) {
            addRow(*held, QStringLiteral("LastName"), 2);
            held->FlushBuffers();
        } else {
            store::Table maker(session());
            store::RecreateWorkingTable(maker, QStringLiteral("OMNIV"));
        }
        EXPECT_FALSE(QFileInfo(table).isSymLink());
        EXPECT_TRUE(QFileInfo(table).isFile());
        EXPECT_FALSE(QFileInfo::exists(victim));
    }
}

TEST_F(Links, ALinkAtTheLockFileStopsWithAMessageNamingIt)
{
    QTemporaryDir outside;
    const QString victim = outside.filePath("victim");
    const QString lock = path(store::WorkingTableName + QStringLiteral(".lock"));
    QFile::remove(lock);
    ASSERT_TRUE(QFile::link(victim, lock));
    store::Table maker(session());
    EXPECT_EQ(errorOf([&] { store::RecreateWorkingTable(maker, QStringLiteral("OMNIV")); }),
              QStringLiteral("Cannot use the lock file %1: it is a symbolic link or not a regular file, which this "
                             "program never makes. Remove it and start again.")
                  .arg(tablePath(store::WorkingTableName + QStringLiteral(".lock"))));
    EXPECT_FALSE(QFileInfo::exists(victim));
}

// A write that fails part-way, as on a full disk, gives the system's reason.
TEST_F(Messages, AFailedWriteOfTheWorkingTableSaysWhy)
{
    auto table = openWorkingTable();
    QString text;
    {
        const FileSizeLimit limit(1000);
        text = errorOf([&] {
            addRow(*table, QStringLiteral("Company"), 1);
            table->FlushBuffers();
        });
    }
    EXPECT_EQ(text, QStringLiteral("Cannot write table: %1 (File too large)").arg(tablePath(store::WorkingTableName)));
}

// A pipe or a device at a table's name is said to be what it is, without
// waiting on it: nobody writes into the pipe here.
TEST_F(Messages, ATableThatIsAPipeOrADeviceIsNamedAsNotARegularFile)
{
    for (const QString& name : {QStringLiteral("CONTACT.DB"), store::WorkingTableName}) {
        for (const bool pipe : {true, false}) {
            QFile::remove(path(name));
            if (pipe)
                ASSERT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0644), 0);
            else
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path(name)));
            store::Table table(session());
            table.SetDatabaseName(QStringLiteral("OMNIV"));
            table.SetTableName(name);
            EXPECT_EQ(errorOf([&] { table.Open(); }),
                      QStringLiteral("Cannot read table: %1 (it is not a regular file)").arg(tablePath(name)));
        }
    }
}

// What killed writers of tables left goes once the working table is held
// exclusively; a user's files, whatever their names, reports' temporaries and
// links stay.
TEST_F(StaleTemporaries, TheWorkingTablesTemporariesGoWhenItIsHeldExclusively)
{
    const QStringList gone{".tabrep-0123456789abcdef.db.tmp", ".tabrep-00000000000000ff.mb.tmp"};
    const QStringList kept{"TRDATA.DB.bAckup", "TRDATA.DB.dBhlEz", "TRDATA.MB.yXdYJH", ".TRDATA.DB.0123abcd.tmp",
                           ".tabrep-0123456789abcdef.rpt.tmp", ".tabrep-0123456789ABCDEF.db.tmp",
                           ".tabrep-0123.db.tmp", "x.tabrep-0123456789abcdef.db.tmp"};
    for (const QString& name : gone + kept) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(path(QStringLiteral("TRDATA.DB.bAckup")), path(QStringLiteral(".tabrep-000000000000000a.db.tmp"))));
    auto table = openWorkingTable(true);
    QStringList expected = kept + QStringList{".tabrep-000000000000000a.db.tmp", "TRDATA.DB", "TRDATA.DB.lock"};
    expected.sort();
    EXPECT_EQ(Entries(path(QString())), expected);
}
