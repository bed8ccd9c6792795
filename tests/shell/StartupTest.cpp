#include "base/AtomicFile.h"
#include "shell/ProgramFiles.h"
#include "shell/TFrmTabrep.h"
#include "store/Alias.h"
#include "store/engine/Session.h"
#include "store/engine/TableLockRecord.h"
#include "store/paradox/PxTable.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "tools/demodata/DemoData.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList FieldNames(const QString& path)
{
    QStringList names;
    const auto table = px::TableFile::open(path);
    for (const auto& f : table.header().fields)
        names << f.name;
    return names;
}


} // namespace

TEST(Startup, OpensOnTheFirstPageWithAFreshEmptyWorkingTable)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created()) << modal.texts().join(u'\n').toStdString();
    EXPECT_TRUE(modal.shown().empty());
    EXPECT_EQ(store::DatabaseAlias, QStringLiteral("OMNIV"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tabulon Personal"));
    EXPECT_EQ(Child<QLabel>(window, "Label1")->text(), QStringLiteral("Tabulon Personal"));
    EXPECT_EQ(Child<QStackedWidget>(window, "Notebook1")->currentIndex(), 0);
    EXPECT_EQ(window.state().PageIndex, 0);
    EXPECT_FALSE(Child<QPushButton>(window, "BtnPrior")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(window, "BtnNext")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(window, "rbCustYes")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(window, "RBCreate")->isChecked());
    EXPECT_TRUE(window.state().ColumnsGridReady);
    EXPECT_EQ(window.size(), QSize(624, 434));

    const QString trdata = alias.path(QStringLiteral("TRDATA.DB"));
    const QStringList expected{"Field", "Order", "Header", "LDots", "RDots", "Total", "Count",
                               "Average", "Min", "Max", "DbType", "Line", "LPosition", "RPosition"};
    EXPECT_EQ(FieldNames(trdata), expected);
    EXPECT_EQ(px::TableFile::open(trdata).header().recordCount, 0);
}

TEST(Startup, ReplacesAWorkingTableLeftByAnEarlierRun)
{
    TempAlias alias;
    const QString trdata = alias.path(QStringLiteral("TRDATA.DB"));
    px::TableDefinition definition;
    definition.fields = {{QStringLiteral("Field"), px::FieldCode::Alpha, 50}, {QStringLiteral("Stale"), px::FieldCode::Long, 4}};
    px::writeTable(trdata, definition, {{px::Value::ofText(QStringLiteral("Company")), px::Value::ofInteger(3)}});
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    EXPECT_EQ(FieldNames(trdata).size(), 14);
    EXPECT_EQ(px::TableFile::open(trdata).header().recordCount, 0);
}

// Nothing an old table or a killed writer left is looked for before the first paint (that reads the whole
// folder); once the window has been painted it is gone, in any letter case, and a look-alike stays.
TEST(Startup, RemovesWhatAnOldTableAndKilledWritersLeftAfterTheFirstPaint)
{
    TempAlias alias;
    const QStringList left = {QStringLiteral("TRDATA.px"), QStringLiteral("TRDATA.X01"),
                              QString::fromLatin1(base::TemporaryName(QStringLiteral("DB"), 7))};
    const QString lookAlike = QStringLiteral("TRDATA2.PX");
    for (const QString& name : left + QStringList{lookAlike})
        ASSERT_TRUE(QFile(alias.path(name)).open(QIODevice::WriteOnly));
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    for (const QString& name : left)
        EXPECT_TRUE(QFile::exists(alias.path(name))) << name.toStdString();
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(alias.path(left[0])); }));
    for (const QString& name : left)
        EXPECT_FALSE(QFile::exists(alias.path(name))) << name.toStdString();
    EXPECT_TRUE(QFile::exists(alias.path(lookAlike)));
    EXPECT_EQ(FieldNames(alias.path(QStringLiteral("TRDATA.DB"))).size(), 14);
}

// Only "/" separates a directory from a file name, and an alias without PATH=
// names the start directory even after the current directory has changed.
TEST(Startup, FindsTheTablesInTheDirectoryTheAliasNames)
{
    TempAlias alias(TempAlias::Content::Empty);
    const QString directory = alias.path(QStringLiteral("b\\"));
    ASSERT_TRUE(QDir().mkpath(directory));
    demo::makeDemoData(directory, {.contacts = 5, .sampleReports = false});
    const QString start = QDir::currentPath();
    for (const QString& config : {QStringLiteral("[OMNIV]\nPATH=%1\n").arg(directory), QStringLiteral("[OMNIV]\n")}) {
        SCOPED_TRACE(config.toStdString());
        QFile::remove(directory + QStringLiteral("/TRDATA.DB"));
        ASSERT_TRUE(QDir::setCurrent(directory));
        alias.writeConfig(config);
        QDir::setCurrent(start);
        RecordingModal modal;
        shell::TFrmTabrep window(alias.session());
        EXPECT_TRUE(window.created()) << modal.texts().join(u'\n').toStdString();
        EXPECT_EQ(FieldNames(directory + QStringLiteral("/TRDATA.DB")).size(), 14);
        EXPECT_EQ(QDir(alias.dataDir()).entryList(QDir::Files), QStringList());
    }
}

TEST(Startup, FailsWithTheAliasAndTheFileToEditWhenTheAliasIsMissing)
{
    TempAlias alias(TempAlias::Content::Empty);
    alias.writeConfig(QStringLiteral("[OTHER]\nPATH=/tmp\n"));
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    EXPECT_FALSE(window.created());
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(modal.shown()[0].text.contains(QStringLiteral("OMNIV")));
    EXPECT_TRUE(modal.shown()[0].text.contains(alias.configPath()));
}

TEST(Startup, FailsWhenTheWorkingTableCannotBeCreated)
{
    TempAlias alias(TempAlias::Content::Empty);
    alias.writeConfig(QStringLiteral("[OMNIV]\nPATH=%1\n").arg(alias.path(QStringLiteral("no/such/dir"))));
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    EXPECT_FALSE(window.created());
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_TRUE(modal.shown()[0].text.contains(alias.configPath()));
}

TEST(Startup, ASecondCopyRefusedTheWorkingTableIsNotSentToTheAliasFile)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep first(alias.session());
    ASSERT_TRUE(first.created());
    Child<QPushButton>(first, "BtnNext")->click();  // the first copy now holds the working table
    ASSERT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();

    store::Session secondSession(alias.configPath());
    shell::TFrmTabrep second(secondSession);
    EXPECT_FALSE(second.created());
    ASSERT_EQ(modal.shown().size(), 1u);
    // The next copy is told who holds the table, since when, and what to do.
    const QString text = modal.shown()[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Table is busy: %1\nAnother program or session has it open.\n\n")
                                    .arg(alias.path(QStringLiteral("TRDATA.DB")))))
        << text.toStdString();
    const auto me = store::detail::LockRecord::ofThisProcess();
    EXPECT_TRUE(text.contains(QStringLiteral("(%1 on %2, process %3) has been designing a report in this folder since ")
                                  .arg(me.user, me.host)
                                  .arg(me.pid)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ask %1 to finish").arg(me.name))) << text.toStdString();
}

// The lock file goes when the program that held the table ends, and only then.
TEST(Startup, TheLockFileGoesWithTheProgramThatHeldTheTable)
{
    TempAlias alias;
    RecordingModal modal;
    const QString lock = alias.path(QStringLiteral("TRDATA.DB.lock"));
    auto first = std::make_unique<shell::TFrmTabrep>(alias.session());
    Child<QPushButton>(*first, "BtnNext")->click();
    ASSERT_TRUE(QFile::exists(lock));
    store::Session other(alias.configPath());
    {
        shell::TFrmTabrep refused(other);
        EXPECT_FALSE(refused.created());
    }
    EXPECT_TRUE(QFile::exists(lock)) << "removed by a copy that did not hold it";
    first.reset();
    EXPECT_FALSE(QFile::exists(lock));
    shell::TFrmTabrep next(other);
    EXPECT_TRUE(next.created()) << modal.texts().join(u'\n').toStdString();
}

TEST(Startup, HidesTheSalesAndQuoteOptionsEveryTimeTheWindowIsShown)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    for (int round = 0; round < 2; ++round) {
        for (const char* name : {"rbSale", "lblSale1", "rbQuote", "lblQuote1"})
            Child<QWidget>(window, name)->setVisible(true);
        window.show();
        for (const char* name : {"rbSale", "lblSale1", "rbQuote", "lblQuote1"})
            EXPECT_TRUE(Child<QWidget>(window, name)->isHidden()) << name << " round " << round;
        EXPECT_TRUE(Child<QPushButton>(window, "BtnNext")->hasFocus() || !window.isActiveWindow());
        window.hide();
    }
}

TEST(Startup, SlideshowNeedsBothFilesBesideTheProgram)
{
    const struct {
        bool player;
        bool data;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        if (c.player)
            QFile(dir.filePath(QStringLiteral("player.exe"))).open(QIODevice::WriteOnly);
        if (c.data)
            QFile(dir.filePath(QStringLiteral("omvaddon.dmr"))).open(QIODevice::WriteOnly);
        EXPECT_EQ(programfiles::SlideshowAvailable(dir.path()), c.player && c.data);
    }
}
