// The column layout under the positions grids: its boxes, the keys and the
// mouse on them, and the labels it gives the fields.
#include "design/ReportDesign.h"
#include "wizard/view/ColumnLayoutView.h"

#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"
#include "rules/FieldLabels.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QImage>
#include <QPalette>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

// A positions grid (Field, Line, Starting At, Ending At) at a printable width of
// 75, with the view under it.
class LayoutView : public testing::Test {
protected:
    LayoutView()
    {
        const QStringList rows[] = {
            {"Name", "1", "1", "37"},   // 0
            {"Phone", "2", "60", "90"}, // 1: beyond the width
            {"Notes", "0", "30", "20"}, // 2: no line, ending before it starts
            {"Memo", "", "0", "20"},    // 3: no line, starting before 1
        };
        grid.setRowCount(int(std::size(rows)));
        for (int row = 0; row < grid.rowCount(); ++row)
            for (int column = 0; column < 4; ++column)
                grid.setItem(row, column, new QTableWidgetItem(rows[row][column]));
        view.resize(477, 100);
        view.show();
    }

    QString cell(int row, int column) const { return grid.item(row, column)->text(); }
    QStringList span(int row) const { return {cell(row, 2), cell(row, 3)}; }

    QTableWidget grid{0, 4};
    wizard::ColumnLayoutView view{grid, {}, {[] { return 75; }, {}}};
};

} // namespace

TEST_F(LayoutView, FieldsWithoutALineHaveBoxesInABandOfTheirOwnBelowTheLines)
{
    const QRectF line1 = view.boxRect(0);
    const QRectF line2 = view.boxRect(1);
    const QRectF notes = view.boxRect(2);
    const QRectF memo = view.boxRect(3);
    ASSERT_FALSE(notes.isEmpty());
    ASSERT_FALSE(memo.isEmpty());
    EXPECT_LT(line1.top(), line2.top());
    EXPECT_GT(notes.top(), line2.top());
    EXPECT_DOUBLE_EQ(notes.top(), memo.top());
    EXPECT_TRUE(view.boxRect(4).isEmpty());
}

TEST_F(LayoutView, KeysAndPressesOnABoxBeyondTheBoundsMoveItOnlyAsAsked)
{
    const auto press = [this](int row, bool atEnd, bool moved) {
        const QRectF box = view.boxRect(row);
        const QPoint at(int(atEnd ? box.right() - 1 : box.center().x()), int(box.center().y()));
        QTest::mousePress(&view, Qt::LeftButton, {}, at);
        if (moved)
            QTest::mouseMove(&view, at);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, at);
    };
    const struct {
        int row;
        std::function<void()> act;
        QStringList expected;
    } cases[] = {
        {1, [&] { press(1, true, true); }, {"60", "90"}},
        {1, [&] { press(1, false, true); }, {"60", "90"}},
        {3, [&] { press(3, false, false); }, {"0", "20"}},
        {1, [&] { QTest::keyClick(&view, Qt::Key_Right); }, {"61", "91"}},
        {3, [&] { QTest::keyClick(&view, Qt::Key_Left); }, {"-1", "19"}},
        {1, [&] { QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier); }, {"61", "90"}},
    };
    for (const auto& c : cases) {
        grid.setCurrentCell(c.row, 2);
        c.act();
        EXPECT_EQ(span(c.row), c.expected) << "row " << c.row;
    }
}

// What a screen reader says of the selected box follows the selection and each
// change of the grid.
TEST_F(LayoutView, DescribesInWordsWhatTheCheckFindsWithTheSelectedField)
{
    const struct {
        int row;
        std::function<void()> act;
        const char* words;
    } cases[] = {
        {0, [] {}, "Name runs from 1 to 37 on line 1; the check finds no fault with it. Also at fault: "
                   "Phone ends at 90, past the printable width of 75. Notes ends at 20, before it starts at 30."},
        {1, [] {}, "Phone ends at 90, past the printable width of 75. Also at fault: "
                   "Notes ends at 20, before it starts at 30."},
        {0, [this] { grid.item(0, 3)->setText(QStringLiteral("80")); },
         "Name ends at 80, past the printable width of 75. Also at fault: "
         "Phone ends at 90, past the printable width of 75. Notes ends at 20, before it starts at 30."},
        {2, [] {}, "Notes ends at 20, before it starts at 30. Also at fault: "
                   "Name ends at 80, past the printable width of 75. Phone ends at 90, past the printable width of 75."},
    };
    for (const auto& c : cases) {
        grid.setCurrentCell(c.row, 2);
        c.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(view.accessibleDescription(), QString::fromLatin1(c.words));
    }
}

// The words name a field as the grid does, not by the label its box is drawn with.
TEST_F(LayoutView, NamesTheFieldsAsTheGridDoes)
{
    wizard::ColumnLayoutView labelled{grid, {}, {[] { return 75; }, [] { return QHash<QString, QString>{{"Phone", "Telephone"}}; }}};
    labelled.show();
    grid.setCurrentCell(1, 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(labelled.accessibleDescription().startsWith(QStringLiteral("Phone ends at 90")))
        << labelled.accessibleDescription().toStdString();
}

// The view is drawn in the palette's colours; a box at fault is clear red on a
// light and a dark palette alike, hatched in a second colour.
TEST_F(LayoutView, TakesItsColoursFromThePaletteAndHatchesAFault)
{
    for (const QColor base : {QColor(Qt::white), QColor(0x1E, 0x1E, 0x1E)}) {
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, base);
        view.setPalette(palette);
        const QImage image = view.grab().toImage();
        EXPECT_EQ(image.pixelColor(5, 5), base);
        const QRect fault = view.boxRect(1).toAlignedRect().adjusted(3, 3, -3, -3);
        QSet<QRgb> colours;
        for (int x = fault.left(); x <= fault.right(); ++x)
            colours.insert(image.pixel(x, fault.top()));
        EXPECT_TRUE(colours.contains(qRgb(0xE5, 0x1C, 0x1C))) << "base " << base.name().toStdString();
        EXPECT_TRUE(colours.contains(qRgb(0x80, 0x00, 0x00))) << "base " << base.name().toStdString();
    }
}

namespace {

struct Stored {
    const char* field;
    int dbType;
    const char* header;
};

// The working table in an empty alias directory, open, holding the rows.
class LayoutLabels : public testing::Test {
protected:
    LayoutLabels() : table(alias.session())
    {
        store::RecreateWorkingTable(table, QStringLiteral("OMNIV"));
        table.Open();
        int order = 0;
        for (const Stored& row : {Stored{"LastName", 0, "LastName"}, Stored{"EventDate", 1, "EventDate"},
                                  Stored{"Company", 0, "Firm"}, Stored{"City", 0, ""}}) {
            table.Insert();
            table.FieldByName(QStringLiteral("Field")).SetAsString(QString::fromLatin1(row.field));
            table.FieldByName(QStringLiteral("Order")).SetAsInteger(++order);
            table.FieldByName(QStringLiteral("DbType")).SetAsInteger(row.dbType);
            table.FieldByName(QStringLiteral("Header")).SetAsString(QString::fromLatin1(row.header));
            table.Post();
        }
    }

    TempAlias alias{TempAlias::Content::Empty};
    store::Table table;
};

} // namespace

// Each field is labelled with the header it has, a header being typed included;
// an untouched one by the name the pages show.
TEST_F(LayoutLabels, AreTheHeadersAsTheyStandOrTheNamesThePagesShow)
{
    ASSERT_TRUE(table.FindKey({QStringLiteral("LastName")}));
    for (const bool typing : {false, true}) {
        if (typing)
            table.FieldByName(QStringLiteral("Header")).SetAsString(QStringLiteral("Surname"));
        const QHash<QString, QString> labels = design::ReportDesign(table).fieldLabels(QStringLiteral("CALL"));
        const QHash<QString, QString> expected{
            {"LastName", typing ? "Surname" : "LastName"},
            {"EventDate", "Phone call date"},
            {"Phone call date", "Phone call date"},
            {"Company", "Firm"},
            {"City", "City"},
        };
        EXPECT_EQ(labels, expected) << "typing " << typing;
        EXPECT_EQ(table.State(), typing ? store::TableState::Edit : store::TableState::Browse);
        EXPECT_EQ(table.FieldByName(QStringLiteral("Field")).AsString(), QStringLiteral("LastName"));
    }
}

// A move by the keys, while the view has the keyboard, is said: a notification
// of the window shows with the words that follow the move, and the view stays
// the object a screen reader holds. A change of the grid made elsewhere is not said.
TEST_F(LayoutView, AMoveByTheKeysIsSaid)
{
    auto identity = [this] { return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&view)); };
    auto said = [this]() -> QString {
        auto* notice = view.window()->findChild<QWidget*>(QStringLiteral("announceNotice"));
        return notice && notice->isVisible() ? notice->accessibleName() : QString();
    };
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    grid.setCurrentCell(0, 2);
    const QAccessible::Id before = identity();
    grid.item(0, 3)->setText(QStringLiteral("36"));
    QTest::qWait(50);
    EXPECT_EQ(said(), QString()) << "the view does not have the keyboard";
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::qWait(50);
    EXPECT_TRUE(view.accessibleDescription().startsWith(QStringLiteral("Name runs from 2 to 37")));
    EXPECT_EQ(said(), view.accessibleDescription());
    EXPECT_EQ(identity(), before);
}
