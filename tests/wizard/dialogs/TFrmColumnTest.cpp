#include "wizard/dialogs/TFrmColumn.h"

#include "store/Alias.h"
#include "store/WorkingTable.h"
#include "store/engine/Session.h"
#include "store/engine/Table.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/RecordingModal.h"
#include "tests/support/TempAlias.h"
#include "wizard/view/ColumnLayoutView.h"
#include "design/FieldGridModel.h"
#include "design/ReportDesign.h"
#include "ui/DialogKit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QAccessible>
#include <gtest/gtest.h>
#include <vector>
#include <functional>
#include <optional>

namespace {

enum Column { FieldColumn, LineColumn, LeftColumn, RightColumn };

struct Row {
    const char* field;
    int order;
    int line;
    int left;
    int right;
};

// Inserted out of report order; under "iOrder" they read Company, Contact, Phone, Address.
const Row Rows[] = {
    {"Phone", 3, 1, 51, 70},
    {"Company", 1, 1, 1, 25},
    {"Address", 4, 2, 1, 40},
    {"Contact", 2, 1, 26, 50},
};

// The working table held exclusively as the main window holds it, with four fields.
class ColumnEditor : public testing::Test {
protected:
    ColumnEditor() : main(alias.session())
    {
        store::DatabaseAlias = QStringLiteral("OMNIV");
        store::RecreateWorkingTable(main, store::DatabaseAlias);
        main.SetExclusive(true);
        main.Open();
        Fill();
    }

    // Puts the four fields back as they were at the start.
    void Fill()
    {
        store::EmptyTable(main);
        for (const Row& row : Rows) {
            main.Insert();
            main.FieldByName(QStringLiteral("Field")).SetAsString(QString::fromLatin1(row.field));
            main.FieldByName(QStringLiteral("Order")).SetAsInteger(row.order);
            main.FieldByName(QStringLiteral("Line")).SetAsInteger(row.line);
            main.FieldByName(QStringLiteral("LPosition")).SetAsInteger(row.left);
            main.FieldByName(QStringLiteral("RPosition")).SetAsInteger(row.right);
            main.Post();
        }
    }

    // What the main cursor reads for a field after re-reading the shared rows.
    int Stored(const char* field, const char* column)
    {
        main.Refresh();
        EXPECT_TRUE(main.FindKey({QString::fromLatin1(field)})) << field;
        return main.FieldByName(QString::fromLatin1(column)).AsInteger();
    }

    // Shows the dialog with the grid focused, as the user meets it.
    static QTableView* Open(wizard::TFrmColumn& form)
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return Grid(form);
    }

    static QTableView* Grid(wizard::TFrmColumn& form) { return form.findChild<QTableView*>(QStringLiteral("DBGrid1")); }

    static QString Cell(QTableView* grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }

    // Opens the cell's editor and types the text into it, leaving the editor open.
    static QLineEdit* Type(QTableView* grid, int row, int column, const QString& text)
    {
        const QModelIndex cell = grid->model()->index(row, column);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        EXPECT_NE(editor, nullptr) << "no editor on " << row << "," << column;
        if (editor) {
            editor->selectAll();
            if (text.isEmpty())
                QTest::keyClick(editor, Qt::Key_Delete);
            else
                QTest::keyClicks(editor, text);
        }
        return editor;
    }

    TempAlias alias{TempAlias::Content::Empty};
    RecordingModal modal;
    store::Table main;
};

TEST_F(ColumnEditor, ShowsTheFieldsInReportOrderUnderTheFourTitles)
{
    wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
    QTableView* grid = Open(form);
    EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'\n').toStdString();
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("LblReportName"))->text(), QStringLiteral("Phone list"));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("LblMargin"))->text(), QStringLiteral("75"));
    // A screen reader reads the caption with its number.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.findChild<QLabel*>(QStringLiteral("LblRightJust")))
                  ->text(QAccessible::Name),
              QStringLiteral("Right Margin Max: 75"));
    ASSERT_NE(grid, nullptr);
    QAbstractItemModel* model = grid->model();
    const QStringList titles{"Field", "Line", "Left Margin", "Right Margin"};
    ASSERT_EQ(model->columnCount(), titles.size());
    for (int column = 0; column < titles.size(); ++column)
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), titles[column]);
    const QStringList expected[] = {{"Company", "1", "1", "25"},
                                    {"Contact", "1", "26", "50"},
                                    {"Phone", "1", "51", "70"},
                                    {"Address", "2", "1", "40"}};
    // The rows were stored out of report order: the editor's cursor walks them in it.
    ASSERT_EQ(model->rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(Cell(grid, row, column), expected[row][column]) << row << "," << column;
    EXPECT_EQ(grid->currentIndex().row(), 0);

    // The editor's cursor shares the table: with the main window's exclusive
    // hold gone, another program still opens it, which an exclusive hold refuses.
    main.Close();
    store::Session other(alias.configPath());
    store::Table reader(other);
    reader.SetDatabaseName(store::DatabaseAlias);
    reader.SetTableName(store::WorkingTableName);
    EXPECT_NO_THROW(reader.Open());
}

TEST_F(ColumnEditor, RefusesBadValuesWithTheEngineMessageAndKeepsTheUserOnTheCell)
{
    struct Case {
        Column column;
        const char* typed;
        bool leaveRow; // commit by moving to another row, else to another cell of the row
        const char* message;
    };
    const Case cases[] = {
        {LineColumn, "10", false, "10 is not a valid value for field 'Line'. The allowed range is 1 to 9"},
        {LineColumn, "0", true, "0 is not a valid value for field 'Line'. The allowed range is 1 to 9"},
        {LeftColumn, "0", false, "0 is not a valid value for field 'Left Margin'. The allowed range is 1 to 300"},
        {RightColumn, "301", true,
         "301 is not a valid value for field 'Right Margin'. The allowed range is 1 to 300"},
        {LineColumn, "2a", false, "'2a' is not a valid integer value for field 'Line'"},
    };
    const char* storedColumn[] = {"Field", "Line", "LPosition", "RPosition"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        modal.clear();
        wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
        QTableView* grid = Open(form);
        const int before = Stored("Contact", storedColumn[c.column]);
        Type(grid, 1, c.column, QString::fromLatin1(c.typed));
        grid->setCurrentIndex(grid->model()->index(c.leaveRow ? 3 : 1, c.column == LineColumn ? LeftColumn : LineColumn));
        QApplication::processEvents();

        ASSERT_EQ(modal.shown().size(), 1u);
        EXPECT_EQ(modal.shown()[0].kind, ui::MessageKind::Error);
        EXPECT_EQ(modal.shown()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, c.column));
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), QString::fromLatin1(c.typed));
        EXPECT_TRUE(editor->hasFocus());
        EXPECT_EQ(form.design().currentRow(), 2);
        EXPECT_FALSE(form.design().editing());
        EXPECT_EQ(Stored("Contact", storedColumn[c.column]), before);
    }
}

TEST_F(ColumnEditor, DraggingAnEdgeAndTheArrowKeysChangeThePositionsAsTypingDoes)
{
    wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
    QTableView* grid = Open(form);
    auto* view = form.findChild<wizard::ColumnLayoutView*>(QStringLiteral("LayoutView"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("BitBtn1"))->nextInFocusChain(), view);
    // Company stands from 1 to 25: 25 tenths.
    const double tenth = view->boxRect(0).width() / 25;
    const QRectF contact = view->boxRect(1);
    const QPoint edge(int(contact.right()) - 1, int(contact.center().y()));
    const QPoint tenMore(int(contact.right() + 10 * tenth), edge.y());
    QTest::mousePress(view, Qt::LeftButton, {}, edge);
    QTest::mouseMove(view, tenMore);
    QTest::mouseRelease(view, Qt::LeftButton, {}, tenMore);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    EXPECT_EQ(Cell(grid, 1, LeftColumn), QStringLiteral("26"));
    EXPECT_EQ(Cell(grid, 1, RightColumn), QStringLiteral("60"));

    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Cell(grid, 1, LeftColumn), QStringLiteral("25"));
    EXPECT_EQ(Cell(grid, 1, RightColumn), QStringLiteral("60"));
    EXPECT_EQ(Stored("Contact", "RPosition"), 50) << "stored before the row is left";

    form.findChild<QPushButton*>(QStringLiteral("BtnOK"))->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Stored("Contact", "LPosition"), 25);
    EXPECT_EQ(Stored("Contact", "RPosition"), 60);
    EXPECT_EQ(Stored("Phone", "LPosition"), 51);
}

TEST_F(ColumnEditor, TheFieldColumnCannotBeEdited)
{
    wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
    QTableView* grid = Open(form);
    const QModelIndex cell = grid->model()->index(0, FieldColumn);
    EXPECT_FALSE(grid->model()->flags(cell) & Qt::ItemIsEditable);
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    EXPECT_EQ(grid->indexWidget(cell), nullptr);
    EXPECT_FALSE(grid->model()->setData(cell, QStringLiteral("Renamed")));
    EXPECT_EQ(Cell(grid, 0, FieldColumn), QStringLiteral("Company"));
    EXPECT_FALSE(form.design().editing());
}

TEST_F(ColumnEditor, AnEditFollowedAtOnceByOkReachesTheTable)
{
    const struct {
        const char* how;
        std::function<void(wizard::TFrmColumn&, QLineEdit*)> pressOk;
    } cases[] = {
        {"click on OK",
         [](wizard::TFrmColumn& form, QLineEdit*) {
             QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BtnOK")), Qt::LeftButton);
         }},
        // Enter in the open cell only finishes it; the next Enter, in the grid, presses OK.
        {"Enter in the cell, then in the grid",
         [](wizard::TFrmColumn& form, QLineEdit* editor) {
             QTest::keyClick(editor, Qt::Key_Return);
             QApplication::processEvents();
             EXPECT_TRUE(form.isVisible()) << "Enter that finishes a cell does not press OK";
             QTest::keyClick(Grid(form), Qt::Key_Return);
         }},
    };
    int right = 60;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        modal.clear();
        ++right;
        wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
        QTableView* grid = Open(form);
        QLineEdit* editor = Type(grid, 2, RightColumn, QString::number(right));
        ASSERT_NE(editor, nullptr);
        c.pressOk(form, editor);
        QApplication::processEvents();
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_FALSE(form.isVisible());
        EXPECT_TRUE(modal.texts().isEmpty()) << "success is the writer's to tell";
        EXPECT_EQ(Stored("Phone", "RPosition"), right);
    }
}

TEST_F(ColumnEditor, CheckForErrorsStoresTheCellAndReportsTheFirstFailingRule)
{
    struct Edit {
        int row;
        Column column;
        const char* typed;
    };
    const struct {
        const char* name;
        std::optional<Edit> edit;
        ui::MessageKind kind;
        const char* message;
    } cases[] = {
        {"as loaded", std::nullopt, ui::MessageKind::Information, "Columns check out OK"},
        {"right end on the maximum", Edit{2, RightColumn, "75"}, ui::MessageKind::Information,
         "Columns check out OK"},
        {"right end beyond the maximum", Edit{2, RightColumn, "76"}, ui::MessageKind::Warning,
         "RIGHT margin greater than Right margin MAX of 75"},
        {"fields sharing a position", Edit{1, LeftColumn, "25"}, ui::MessageKind::Warning,
         "There are overlaps for right margin 25"},
        {"field ending before it starts", Edit{3, LeftColumn, "41"}, ui::MessageKind::Warning,
         "LEFT Margin is greater than RIGHT margin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fill();
        modal.clear();
        wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
        QTableView* grid = Open(form);
        if (c.edit)
            Type(grid, c.edit->row, c.edit->column, QString::fromLatin1(c.edit->typed));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BtnCheck")), Qt::LeftButton);
        QApplication::processEvents();
        ASSERT_EQ(modal.shown().size(), 1u) << modal.texts().join(u'|').toStdString();
        EXPECT_EQ(modal.shown()[0].kind, c.kind);
        EXPECT_EQ(modal.shown()[0].text, QString::fromLatin1(c.message));
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected); // not closed with a result
        if (c.edit) {
            EXPECT_EQ(Cell(grid, c.edit->row, c.edit->column), QString::fromLatin1(c.edit->typed));
        }
    }
}

TEST_F(ColumnEditor, AnEmptiedValueKeepsTheUserOnTheRowAndOkStaysOpen)
{
    wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
    QTableView* grid = Open(form);
    Type(grid, 0, LineColumn, QString());
    grid->setCurrentIndex(grid->model()->index(2, RightColumn));
    QApplication::processEvents();
    EXPECT_EQ(modal.texts(), QStringList{QStringLiteral("Field 'Line' must have a value")});
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, LineColumn));
    EXPECT_EQ(form.design().currentRow(), 1);

    modal.clear();
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BtnOK")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(modal.texts(), QStringList{QStringLiteral("Field 'Line' must have a value")});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Stored("Company", "Line"), 1);
}

TEST_F(ColumnEditor, CancelKeepsTheRowsAlreadyStored)
{
    const struct {
        const char* how;
        std::function<void(wizard::TFrmColumn&)> cancel;
    } cases[] = {
        {"Cancel button",
         [](wizard::TFrmColumn& form) {
             QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
         }},
        {"Escape", [](wizard::TFrmColumn& form) { QTest::keyClick(Grid(form), Qt::Key_Escape); }},
        {"close box", [](wizard::TFrmColumn& form) { form.close(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Fill();
        modal.clear();
        wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone list"), 75);
        QTableView* grid = Open(form);
        // Company moves to line 2: stored on leaving its row, then listed after the fields of line 1.
        Type(grid, 0, LineColumn, QStringLiteral("2"));
        grid->setCurrentIndex(grid->model()->index(3, LineColumn));
        QApplication::processEvents();
        EXPECT_EQ(Cell(grid, 2, FieldColumn), QStringLiteral("Company"));
        // A refused value left in an open cell is dropped without a word.
        ASSERT_NE(Type(grid, 0, LineColumn, QStringLiteral("10")), nullptr);
        c.cancel(form);
        QApplication::processEvents();
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_TRUE(modal.shown().empty()) << modal.texts().join(u'|').toStdString();
        EXPECT_EQ(Stored("Company", "Line"), 2);
        EXPECT_EQ(Stored("Contact", "Line"), 1);
    }
}

// The grid's model on the main cursor itself, without a dialog around it.
TEST_F(ColumnEditor, GridModelFollowsItsCursorAndStoresTypedText)
{
    main.SetIndexName(QStringLiteral("iOrder"));
    design::ReportDesign design(main);
    QObject owner;
    design::FieldGridModel& model =
        *design.gridModel({{store::WorkingColumn::Field, QStringLiteral("Field"), 20, true},
                           {store::WorkingColumn::Line, QStringLiteral("Line"), 8, false}},
                          &owner);
    QSignalSpy refused(&model, &design::FieldGridModel::refused);
    ASSERT_EQ(model.rowCount(), 4);

    // A walk of the cursor with its controls live ends, and at the end.
    int walked = 0;
    for (main.First(); !main.Eof() && walked < 10; main.Next())
        ++walked;
    EXPECT_EQ(walked, 4);
    EXPECT_TRUE(main.Eof());
    EXPECT_EQ(model.currentRow(), 3);
    main.SetRecNo(2);
    EXPECT_EQ(model.currentRow(), 1);

    EXPECT_TRUE(model.setData(model.index(0, 1), QStringLiteral("5")));
    EXPECT_EQ(main.State(), store::TableState::Edit);
    EXPECT_EQ(main.RecNo(), 1);
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("5"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("I"));

    // Leaving the row posts it; under "iOrder" Company now follows the fields of line 1.
    model.moveTo(1);
    EXPECT_EQ(main.State(), store::TableState::Browse);
    EXPECT_EQ(model.index(3, 0).data().toString(), QStringLiteral("Company"));
    EXPECT_EQ(model.index(3, 1).data().toString(), QStringLiteral("5"));

    EXPECT_FALSE(model.setData(model.index(0, 1), QStringLiteral("x")));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0][2].toString(), QStringLiteral("'x' is not a valid integer value for field 'Line'"));
    EXPECT_EQ(model.index(0, 1).data().toString(), QStringLiteral("1"));
    EXPECT_EQ(main.State(), store::TableState::Browse);

    main.Close();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.currentRow(), -1);
}

} // namespace

// From the keyboard: F1 shows the topic of the column widths and Alt+C checks,
// wherever the focus is in the editor.
TEST_F(ColumnEditor, F1AndAltCWorkFromTheGrid)
{
    std::vector<int> asked;
    ui::SetHelpHandler([&asked](QWidget*, int context) { asked.push_back(context); });
    wizard::TFrmColumn form(alias.session(), QStringLiteral("Phone List"), 750);
    QTableView* grid = Open(form);
    grid->setFocus();
    QTest::keyClick(form.windowHandle(), Qt::Key_F1);
    EXPECT_EQ(asked, std::vector<int>{750});
    QTest::keyClick(form.windowHandle(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !modal.shown().empty(); })) << "the check did not run";
    ui::SetHelpHandler(nullptr);
}
