#include "base/EngineError.h"
#include "shell/TFrmTabrep.h"
#include "shell/TFrmUser.h"
#include "store/Alias.h"
#include "store/engine/Session.h"
#include "store/engine/Table.h"
#include "store/paradox/PxTable.h"
#include "tests/support/FindControl.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"

#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <functional>

namespace {

using Grid = std::vector<QStringList>; // the grid's rows

const QStringList RowHeads{
    "USER FIELD", "User1", "User2", "User3", "User4",  "User5",  "User6",  "User7", "User8", "User9", "User10",
    "Date1",      "Date2", "Date3", "Date4", "Date5",  "Date6",  "Date7",  "Date8", "Date9", "Date10", "Num1",
    "Num2",       "Num3",  "Num4",  "Num5",  "Money1", "Money2", "Money3", "Money4", "Money5"};

// Opens "&User Fields" and reads the grid as the dialog shows it.
Grid OpenUserFields(shell::TFrmTabrep& window, RecordingModal& modal)
{
    Grid grid;
    modal.onDialog([&grid](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("User Field Definitions"));
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
        EXPECT_NE(table, nullptr);
        for (int row = 0; table && row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* item = table->item(row, column);
                cells << (item ? item->text() : QString());
                EXPECT_FALSE(item && (item->flags() & Qt::ItemIsEditable)) << row << "," << column;
                // No label is cut off: each fits its column, with the cell's margins.
                EXPECT_LE(table->fontMetrics().horizontalAdvance(cells.back()) + 6, table->columnWidth(column))
                    << cells.back().toStdString();
                // A screen reader names a cell's column and row by the headers' data: the texts shown
                // in the fixed row and column.
                if (const QTableWidgetItem* head = table->item(0, column)) {
                    EXPECT_EQ(table->model()->headerData(column, Qt::Horizontal).toString(), head->text());
                }
                if (const QTableWidgetItem* head = table->item(row, 0)) {
                    EXPECT_EQ(table->model()->headerData(row, Qt::Vertical).toString(), head->text());
                }
            }
            grid.push_back(cells);
        }
        return int(QDialog::Accepted);
    });
    Child<QPushButton>(window, "BtnUser")->click();
    return grid;
}

QStringList Column(const Grid& grid, int column)
{
    QStringList cells;
    for (const QStringList& row : grid)
        cells << row.value(column);
    return cells;
}

// The text of the engine's error for an action on the table.
QString EngineText(const std::function<void(store::Table&)>& action)
{
    store::Table table(store::Session::defaultSession());
    table.SetDatabaseName(QStringLiteral("OMNIV"));
    table.SetTableName(QStringLiteral("DATABASE.DB"));
    try {
        action(table);
    } catch (const base::EngineError& e) {
        return e.text();
    }
    ADD_FAILURE() << "the engine raised no error";
    return {};
}

} // namespace

TEST(UserFields, OneColumnPerDatabaseRecordHeadedByItsName)
{
    TempAlias alias;
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const Grid grid = OpenUserFields(window, modal);
    EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();
    ASSERT_EQ(grid.size(), 31u);
    ASSERT_EQ(grid[0].size(), 4);
    EXPECT_EQ(Column(grid, 0), RowHeads);
    const struct {
        int row;
        QStringList cells;
    } rows[] = {
        {0, {"USER FIELD", "OMNIV", "SALES", "CLUB"}},
        {1, {"User1", "Spouse", "Territory", "Member no."}},
        {5, {"User5", "", "Competitor", ""}},
        {11, {"Date1", "Last order", "Next follow-up", "Joined"}},
        {13, {"Date3", "", "Last visit", ""}},
        {21, {"Num1", "Orders placed", "Units ordered", "Events attended"}},
        {26, {"Money1", "Total sales", "Quota", "Dues paid"}},
        {28, {"Money3", "", "Last invoice", ""}},
        {30, {"Money5", "", "", ""}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(grid[r.row], r.cells) << "row " << r.row;
}

TEST(UserFields, AMissingColumnShowsTheEngineErrorAndKeepsWhatWasFilled)
{
    TempAlias alias;
    px::TableDefinition definition;
    for (const char* name : {"DB", "User1", "User2", "User3", "User4", "User5", "User6", "User7", "User8", "User9",
                             "User10", "Date1", "Date2", "Date4"})
        definition.fields.push_back({QString::fromLatin1(name), px::FieldCode::Alpha, 20});
    std::vector<std::vector<px::Value>> records;
    for (const char* db : {"MAIN", "SECOND", "THIRD"}) {
        std::vector<px::Value> record(definition.fields.size());
        record[0] = px::Value::ofText(QString::fromLatin1(db));
        record[1] = px::Value::ofText(QString::fromLatin1(db).toLower() + QStringLiteral(" user1"));
        record[12] = px::Value::ofText(QString::fromLatin1(db).toLower() + QStringLiteral(" date2"));
        records.push_back(record);
    }
    px::writeTable(alias.path(QStringLiteral("DATABASE.DB")), definition, records);

    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const Grid grid = OpenUserFields(window, modal);
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(modal.shown()[0].text, EngineText([](store::Table& t) {
                  t.Open();
                  t.FieldByName(QStringLiteral("Date3"));
              }));
    ASSERT_EQ(grid.size(), 31u);
    ASSERT_EQ(grid[0].size(), 4);
    EXPECT_EQ(Column(grid, 0), RowHeads);
    QStringList first(31);
    first[0] = QStringLiteral("MAIN");
    first[1] = QStringLiteral("main user1");
    first[12] = QStringLiteral("main date2");
    EXPECT_EQ(Column(grid, 1), first);
    EXPECT_EQ(Column(grid, 2), QStringList(31));
    EXPECT_EQ(Column(grid, 3), QStringList(31));
}

TEST(UserFields, AMissingTableShowsTheEngineErrorAndOnlyTheRowHeads)
{
    TempAlias alias;
    ASSERT_TRUE(QFile::remove(alias.path(QStringLiteral("DATABASE.DB"))));
    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const Grid grid = OpenUserFields(window, modal);
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].text, EngineText([](store::Table& t) { t.Open(); }));
    ASSERT_EQ(grid.size(), 31u);
    ASSERT_EQ(grid[0].size(), 1);
    EXPECT_EQ(Column(grid, 0), RowHeads);
}

// A table of many records (65 million crashed the grid) shows the first 500
// and says that it stopped there.
TEST(Bounds, TheUserFieldGridShowsAtMost500DatabasesAndSaysWhenItStopped)
{
    TempAlias alias;
    px::TableDefinition definition;
    definition.fields.push_back({QStringLiteral("DB"), px::FieldCode::Alpha, 8});
    for (const QString& name : shell::TFrmUser::UserFieldNames())
        definition.fields.push_back({name, px::FieldCode::Alpha, 4});
    const QString table = alias.path(QStringLiteral("DATABASE.DB"));
    px::writeTable(table, definition, 502, [&definition](std::int64_t i) {
        std::vector<px::Value> record(definition.fields.size());
        record[0] = px::Value::ofText(QStringLiteral("DB%1").arg(i + 1));
        return record;
    });

    RecordingModal modal;
    shell::TFrmTabrep window(alias.session());
    ASSERT_TRUE(window.created());
    const Grid grid = OpenUserFields(window, modal);
    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown()[0].kind, ui::MessageKind::Information);
    EXPECT_EQ(modal.shown()[0].text,
              QStringLiteral("%1 holds more than 500 databases; only the first 500 are shown.").arg(table));
    ASSERT_EQ(grid.size(), 31u);
    ASSERT_EQ(grid[0].size(), 501);
    EXPECT_EQ(grid[0][500], QStringLiteral("DB500"));
}
