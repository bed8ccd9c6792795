// The pages between the field selection and "Make Report", through the window:
// field order, columns and rows, column positions and field attributes.
#include "design/ReportDesign.h"
#include "tests/support/WizardDriver.h"

#include "store/engine/Table.h"

#include <QCheckBox>
#include <QLabel>

namespace {

using FieldLayout = ShownWizardDriver;

const QString CustomIdFirst = QStringLiteral("The CustomID field must appear FIRST on the list");
const QString MemoLast = QStringLiteral("The Memo Field must be last.");
const QString RowLimit = QStringLiteral("You cannot have more than 18 fields!");
const QStringList TwentyFiveFields{"ContactID", "Salutation", "FirstName",   "LastName", "Title",    "Company",
                                   "Department", "Address1",  "Address2",    "City",     "State",    "ZipCode",
                                   "Country",   "HomePhone",  "WorkPhone",   "FaxPhone", "MobilePhone", "Email",
                                   "Birthday",  "Anniversary", "LastContact", "Active",  "Children", "Rating",
                                   "Visits"};

// The rows and columns that the preview's counts give fill the preview, each
// one whole inside it.
void ExpectTheBlockFillsThePreview(QTableWidget* preview, int columns, int rows)
{
    const QSize inside = preview->viewport()->size();
    const int bottom = preview->rowViewportPosition(rows - 1) + preview->rowHeight(rows - 1);
    const int right = preview->columnViewportPosition(columns - 1) + preview->columnWidth(columns - 1);
    EXPECT_LE(bottom, inside.height()) << rows << " rows";
    EXPECT_GT(bottom, inside.height() - rows) << rows << " rows";
    EXPECT_LE(right, inside.width()) << columns << " columns";
    EXPECT_GT(right, inside.width() - columns) << columns << " columns";
}

} // namespace

TEST_F(FieldLayout, MovesKeepCustomIdFirstAndTheNotesLastAndRefusedOnesAreUndone)
{
    createUpToFieldSelection("RbContactOrdered", "RbCall", "Order");
    tick("PickEventField", "Phone call notes");
    tick("PickContactField", "FirstName");
    tick("PickContactField", "LastName");
    nextTo(7);
    const QStringList built{"CustomID", "FirstName", "LastName", "Phone call notes"};
    const QStringList swapped{"CustomID", "LastName", "FirstName", "Phone call notes"};
    ASSERT_EQ(items("lbAllFields"), built);

    const struct {
        const char* button;
        int highlighted;           // -1: none
        QStringList after;
        int highlightedAfter;      // -1: none
        const QString* message;
    } presses[] = {
        {"BtnMoveUp", 2, swapped, 1, nullptr},
        {"BtnDown", 0, swapped, -1, &CustomIdFirst},
        {"BtnMoveUp", 1, swapped, -1, &CustomIdFirst},
        {"BtnMoveUp", 3, swapped, -1, &MemoLast},
        {"BtnDown", 2, swapped, -1, &MemoLast},
        {"BtnMoveUp", 0, swapped, 0, nullptr},
        {"BtnDown", 3, swapped, 3, nullptr},
        {"BtnDown", -1, swapped, -1, nullptr},
        {"BtnDown", 1, built, 2, nullptr},
        {"BtnMoveUp", 2, swapped, 1, nullptr},
    };
    auto* list = child<QListWidget>("lbAllFields");
    for (const auto& press : presses) {
        const QStringList before = items("lbAllFields");
        modal.clear();
        list->setCurrentRow(press.highlighted);
        click(press.button);
        const std::string which = std::string(press.button) + " on " + std::to_string(press.highlighted);
        EXPECT_EQ(items("lbAllFields"), press.after) << which;
        EXPECT_EQ(items("lbMirror"), before) << which;
        const QList<QListWidgetItem*> highlighted = list->selectedItems();
        EXPECT_EQ(highlighted.isEmpty() ? -1 : list->row(highlighted.front()), press.highlightedAfter) << which;
        EXPECT_EQ(modal.texts(), press.message ? QStringList{*press.message} : QStringList{}) << which;
        if (press.message) {
            EXPECT_EQ(modal.shown().front().caption, QStringLiteral("Error"));
        }
    }
    EXPECT_FALSE(child("lbMirror")->isVisible());

    nextTo(10);
    saveAs(QStringLiteral("order"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("order.rpt")),
              Crlf({"Order", "Contact", "Call", "75", "4",
                    "0", "", "", "CustomID", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "LastName", "LastName", "1", "26", "37", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "FirstName", "FirstName", "1", "38", "49", "FALSE", "FALSE", "FALSE", "FALSE",
                    "FALSE",
                    "1", "", "", "Memo", "Memo", "1", "50", "61", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
    expectRoundTrip(QStringLiteral("order.rpt"));
}

TEST_F(FieldLayout, ColumnsDefaultToTheFieldCountAtMostTwentyAndNextWaitsUntilTheFieldsFit)
{
    const QStringList fields = TwentyFiveFields;
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Wide", "RBAmPor", "rbCustNo");
    for (const QString& field : fields)
        tick("PickContactField", field);
    nextTo(8);
    EXPECT_EQ(text("SpinCol"), QStringLiteral("20"));
    EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("2"));
    EXPECT_EQ(gridRows("StringGrid1").value(0), fields.mid(0, 20));
    EXPECT_EQ(gridRows("StringGrid1").value(1), fields.mid(20) + QStringList(15, QStringLiteral("BLANK")));
    auto* preview = child<QTableWidget>("StringGrid1");
    ExpectTheBlockFillsThePreview(preview, 20, 2);

    modal.clear();
    type("SpinCol", QStringLiteral("1"));
    EXPECT_EQ(modal.texts(), QStringList{RowLimit});
    EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("19"));
    ExpectTheBlockFillsThePreview(preview, 1, 19);
    next();
    EXPECT_EQ(modal.texts(), QStringList({RowLimit, RowLimit}));
    expectSettledOn(8);

    modal.clear();
    type("SpinCol", QStringLiteral("2"));
    EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("13"));
    ExpectTheBlockFillsThePreview(preview, 2, 13);
    next();
    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
    expectSettledOn(9);
    const QList<QStringList> positions = gridRows("sgCol");
    ASSERT_EQ(positions.size(), 25);
    EXPECT_EQ(positions.front(), QStringList({"ContactID", "1", "1", "37"}));
    EXPECT_EQ(positions.back(), QStringList({"Visits", "13", "1", "37"}));
}

TEST_F(FieldLayout, TheRowLimitMessageComesOnceWhileTheColumnsBoxCorrectsItselfBehindIt)
{
    // Twenty fields laid out over 20 columns fit on one row. Emptied or 0, the
    // box is laid out as one column, which needs 20 rows; the message box takes
    // the focus, and the box brings its text to 1 without a second pass.
    const QStringList twenty = TwentyFiveFields.mid(0, 20);
    const struct {
        const char* detailLevel;
        QStringList ticked;
        const char* typed;
    } cases[] = {
        {"rbCustNo", twenty, ""},
        {"rbCustYes", QStringList{"CustomID"} + twenty, "0"},
    };
    for (const auto& c : cases) {
        backToStart();
        createUpToFieldSelection("RbContactOrdered", "RBContact", "Limit", "RBAmPor", c.detailLevel);
        for (const QString& field : ticked("PickContactField"))
            tick("PickContactField", field);
        for (const QString& field : c.ticked)
            tick("PickContactField", field);
        nextTo(8);
        type("SpinCol", QStringLiteral("20"));
        ASSERT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("1")) << messages();
        ASSERT_TRUE(child("SpinCol")->hasFocus());

        modal.clear();
        type("SpinCol", QString::fromLatin1(c.typed));
        EXPECT_EQ(modal.texts(), QStringList{RowLimit}) << c.detailLevel;
        EXPECT_EQ(text("SpinCol"), QStringLiteral("1"));
        EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("19"));
        EXPECT_TRUE(child("SpinCol")->hasFocus());

        modal.clear();
        type("SpinCol", QStringLiteral("2"));
        EXPECT_TRUE(modal.texts().isEmpty()) << messages();
        EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("10"));
    }
}

TEST_F(FieldLayout, DefaultPositionsFollowTheDetailLevelAndTheFieldsOnTheFirstLine)
{
    const struct {
        const char* detailLevel;
        QStringList ticked;
        const char* columns;
        QList<QStringList> positions;
    } cases[] = {
        {"rbCustNo", {"LastName", "CustomID"}, "2", {{"CustomID", "1", "1", "37"}, {"LastName", "1", "38", "74"}}},
        {"rbCustNo", {"Company", "LastName"}, "1", {{"LastName", "1", "1", "74"}, {"Company", "2", "1", "74"}}},
        {"rbCustYes", {"CustomID"}, "1", {{"CustomID", "1", "1", "25"}}},
        {"rbCustNo",
         {"Company", "LastName", "FirstName"},
         "3",
         {{"FirstName", "1", "1", "24"}, {"LastName", "1", "25", "48"}, {"Company", "1", "49", "72"}}},
    };
    for (const auto& c : cases) {
        backToStart();
        createUpToFieldSelection("RbContactOrdered", "RBContact", "Positions", "RBAmPor", c.detailLevel);
        for (const QString& field : ticked("PickContactField"))
            tick("PickContactField", field);  // what an earlier case left ticked
        for (const QString& field : c.ticked)
            tick("PickContactField", field);
        nextTo(8);
        type("SpinCol", QString::fromLatin1(c.columns));
        next();
        EXPECT_EQ(gridRows("sgCol"), c.positions) << c.ticked.join(u',').toStdString();
        prior(); // back on the columns page, the count typed stays
        EXPECT_EQ(text("SpinCol"), QString::fromLatin1(c.columns)) << c.ticked.join(u',').toStdString();
        next();
    }

    modal.clear();
    click("BtnCheck");
    EXPECT_EQ(modal.texts(), QStringList{"Columns appear OK."});
    EXPECT_EQ(modal.shown().front().kind, ui::MessageKind::Information);

    const struct {
        int row;
        const char* start;
        const char* end;
        const char* warning;
    } edits[] = {
        {2, "49", "76", "RIGHT margin greater than Right margin MAX of 75"},
        {2, "49", "75", nullptr},
        {1, "24", "48", "There are overlaps for right margin 24"},
        {0, "30", "24", "LEFT Margin is greater than RIGHT margin"},
    };
    for (const auto& edit : edits) {
        modal.clear();
        setCell("sgCol", edit.row, 2, QString::fromLatin1(edit.start));
        setCell("sgCol", edit.row, 3, QString::fromLatin1(edit.end));
        click("BtnCheck");
        ASSERT_EQ(modal.shown().size(), 1u) << messages();
        EXPECT_EQ(modal.shown().front().kind,
                  edit.warning ? ui::MessageKind::Warning : ui::MessageKind::Information);
        EXPECT_EQ(modal.texts().front(), QString::fromLatin1(edit.warning ? edit.warning : "Columns appear OK."));
    }
    expectSettledOn(9);
    // The layout view under the grid is the last stop of Tab, after every control of the window.
    EXPECT_EQ(child("btExit")->nextInFocusChain(), child("LayoutView"));
}

TEST_F(FieldLayout, APositionThatIsNoNumberKeepsTheWizardOnTheColumnWidthsPage)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Numbers", "RBAmPor", "rbCustNo");
    tick("PickContactField", "LastName");
    tick("PickContactField", "Company");
    nextTo(9);
    setCell("sgCol", 1, 2, QStringLiteral("4x"));
    modal.clear();
    next();
    EXPECT_EQ(modal.texts(), QStringList{"'4x' is not a valid integer value for field 'LPosition'"});
    expectSettledOn(9);
    EXPECT_FALSE(window.wizard().design().editing());

    setCell("sgCol", 1, 2, QStringLiteral("40"));
    modal.clear();
    next();
    expectSettledOn(10);
    saveAs(QStringLiteral("numbers"));
    click("btMakeReport");
    EXPECT_EQ(bytes(QStringLiteral("numbers.rpt")),
              Crlf({"Numbers", "Contact", "Contact", "75", "2",
                    "0", "", "", "LastName", "LastName", "1", "1", "37", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Company", "Company", "1", "40", "74", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
    expectRoundTrip(QStringLiteral("numbers.rpt"));
}

TEST_F(FieldLayout, SummariesOfferedFollowTheContactTableTypeOfEachField)
{
    createUpToFieldSelection("RbContactOrdered", "RbCall", "Types");
    for (const char* field : {"LastName", "Birthday", "Active", "Visits", "Money1", "firstlast"})
        tick("PickContactField", QString::fromLatin1(field));
    tick("PickEventField", "Phone call date");
    nextTo(10);
    EXPECT_EQ(child<QListWidget>("LBFieldDefs")->currentRow(), 0);

    const char* const boxes[] = {"DBCBTotal", "DBCBCount", "DBCBAverage", "DBCBMax", "DBCBMin"};
    const struct {
        const char* field;
        bool offered[5];  // Totaled, Counted, Averaged, Max Value, Min Value
    } cases[] = {
        {"CustomID", {false, true, false, false, false}},  // text
        {"LastName", {false, true, false, false, false}},  // text
        {"Birthday", {false, true, false, true, true}},     // date
        {"Active", {false, true, false, false, false}},    // logical
        {"Visits", {true, true, true, true, true}},         // integer
        {"Money1", {true, true, true, true, true}},         // currency
        {"firstlast", {false, true, false, false, false}}, // combination
        {"Phone call date", {false, true, false, false, false}},  // event field
    };
    for (const auto& c : cases) {
        if (QLatin1String(c.field) != QLatin1String("CustomID"))
            pickDefinition(QString::fromLatin1(c.field));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(child(boxes[i])->isVisible(), c.offered[i]) << c.field << " " << boxes[i];
        EXPECT_TRUE(child("cbDotLead")->isVisible()) << c.field;
        EXPECT_TRUE(child("cbDotTrail")->isVisible()) << c.field;
    }
    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
}
