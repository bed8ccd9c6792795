// Creating reports from the first page to "Make Report", compared byte for byte.
#include "tests/support/ExpectedReports.h"

#include "wizard/view/ColumnLayoutView.h"

#include <QCheckBox>
#include <QLabel>

namespace {

using CreateReport = ShownWizardDriver;

} // namespace

TEST_F(CreateReport, ContactOnlyReportWithTheDetailLevelAndOneFieldIsTheThirtyOneLineExample)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Phone List");
    tick("PickContactField", "LastName");
    nextTo(10);
    saveAs(QStringLiteral("phones"));
    click("btMakeReport");

    EXPECT_EQ(modal.texts(), QStringList{"Report successfully created."});
    EXPECT_EQ(state().ReportFileName, alias.path(QStringLiteral("phones.rpt")));
    EXPECT_EQ(bytes(QStringLiteral("phones.rpt")), PhoneListReport());
    expectSettledOn(10);
    expectRoundTrip(QStringLiteral("phones.rpt"));
}

TEST_F(CreateReport, CalendarReportGetsTheBasicEventCategoryAndStoresEventFieldsUnderTheirTableNames)
{
    createUpToFieldSelection("rbDateOrdered", nullptr, "Calendar", "RBA4Lan", "rbCustNo");
    EXPECT_TRUE(checked("RBEvent"));
    EXPECT_EQ(window.wizard().report().eventCategory(), QStringLiteral("GENERIC"));
    tick("PickEventField", "Event subject");
    tick("PickEventField", "Event date");
    tick("PickContactField", "LastName");
    nextTo(7);
    EXPECT_EQ(items("lbAllFields"), QStringList({"LastName", "Event date", "Event subject"}));
    nextTo(10);
    saveAs(QStringLiteral("calevent"));
    click("btMakeReport");

    EXPECT_EQ(bytes(QStringLiteral("calevent.rpt")), CalendarEventReport());
    expectRoundTrip(QStringLiteral("calevent.rpt"));
}

TEST_F(CreateReport, CallReportStoresEventFieldsUnderTheirTableNamesWithTheNotesLast)
{
    createUpToFieldSelection("RbContactOrdered", "RbCall", "Calls", "RbA4Por");
    EXPECT_EQ(window.wizard().report().eventCategory(), QStringLiteral("CALL"));
    tick("PickEventField", "Phone call notes");
    tick("PickEventField", "Phone call date");
    tick("PickContactField", "Company");
    nextTo(7);
    EXPECT_EQ(items("lbAllFields"), QStringList({"CustomID", "Company", "Phone call date", "Phone call notes"}));
    nextTo(8);
    EXPECT_EQ(text("SpinCol"), QStringLiteral("4"));
    nextTo(10);
    saveAs(QStringLiteral("calls"));
    click("btMakeReport");

    EXPECT_EQ(bytes(QStringLiteral("calls.rpt")),
              Crlf({"Calls", "Contact", "Call", "77", "4",
                    "0", "", "", "CustomID", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Company", "Company", "1", "26", "37", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "EventDate", "EventDate", "1", "38", "49", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "1", "", "", "Memo", "Memo", "1", "50", "61", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
    expectRoundTrip(QStringLiteral("calls.rpt"));
}

TEST_F(CreateReport, MoreFieldsThanColumnsGoOnFurtherLinesUnderTheColumnsOfTheFirst)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Two lines");
    for (const char* field : {"City", "Company", "LastName", "FirstName"})
        tick("PickContactField", QString::fromLatin1(field));
    nextTo(8);
    EXPECT_EQ(text("SpinCol"), QStringLiteral("5"));
    type("SpinCol", QStringLiteral("2"));
    EXPECT_EQ(gridRows("StringGrid1").mid(0, 2),
              QList<QStringList>({{"FirstName", "LastName"}, {"Company", "City"}}));
    EXPECT_EQ(child<QLabel>("Label111")->text(), QStringLiteral("2"));
    next();
    EXPECT_EQ(gridRows("sgCol"), QList<QStringList>({{"CustomID", "1", "1", "25"},
                                                     {"FirstName", "1", "26", "41"},
                                                     {"LastName", "1", "42", "57"},
                                                     {"Company", "2", "26", "41"},
                                                     {"City", "2", "42", "57"}}));
    nextTo(10);
    saveAs(QStringLiteral("twolines"));
    click("btMakeReport");

    EXPECT_EQ(bytes(QStringLiteral("twolines.rpt")),
              Crlf({"Two lines", "Contact", "Contact", "75", "5",
                    "0", "", "", "CustomID", "CustomID", "1", "1", "25", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "FirstName", "FirstName", "1", "26", "41", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "LastName", "LastName", "1", "42", "57", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Company", "Company", "2", "26", "41", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "City", "City", "2", "42", "57", "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
    expectRoundTrip(QStringLiteral("twolines.rpt"));
}

TEST_F(CreateReport, HeadersAndFlagsSetOnTheLastPageReachTheFile)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Money", "RBAmPor", "rbCustNo");
    tick("PickContactField", "LastName");
    tick("PickContactField", "Money1");
    nextTo(10);
    EXPECT_EQ(child<QListWidget>("LBFieldDefs")->currentItem()->text(), QStringLiteral("LastName"));
    EXPECT_EQ(text("DBEdit1"), QStringLiteral("LastName"));
    type("DBEdit1", QStringLiteral("Surname"));
    click("cbDotLead");
    click("DBCBCount");

    pickDefinition(QStringLiteral("Money1"));
    EXPECT_EQ(text("DBEdit1"), QStringLiteral("Money1"));
    EXPECT_FALSE(checked("cbDotLead"));
    type("DBEdit1", QStringLiteral("Amount"));
    for (const char* box : {"cbDotTrail", "DBCBTotal", "DBCBAverage", "DBCBMin", "DBCBMax"})
        click(box);

    // Straight to "Make Report": the edit of the current row is not lost.
    saveAs(QStringLiteral("money"));
    click("btMakeReport");
    EXPECT_EQ(modal.texts(), QStringList{"Report successfully created."});
    EXPECT_EQ(bytes(QStringLiteral("money.rpt")),
              Crlf({"Money", "Contact", "Contact", "75", "2",
                    "0", "..............................", "", "Surname", "LastName", "1", "1", "37",
                    "FALSE", "TRUE", "FALSE", "FALSE", "FALSE",
                    "0", "", "..............................", "Amount", "Money1", "1", "38", "74",
                    "TRUE", "FALSE", "TRUE", "TRUE", "TRUE"}));

    pickDefinition(QStringLiteral("LastName"));
    EXPECT_EQ(text("DBEdit1"), QStringLiteral("Surname"));
    EXPECT_TRUE(checked("cbDotLead"));
    EXPECT_TRUE(checked("DBCBCount"));
    expectRoundTrip(QStringLiteral("money.rpt"));
}

TEST_F(CreateReport, AnEdgeDraggedInTheLayoutViewReachesTheGridAndTheFile)
{
    createUpToFieldSelection("RbContactOrdered", "RBContact", "Dragged", "RBAmPor", "rbCustNo");
    tick("PickContactField", "LastName");
    tick("PickContactField", "Company");
    nextTo(9);
    auto* view = child<wizard::ColumnLayoutView>("LayoutView");
    ASSERT_NE(view, nullptr);
    // LastName from 1 to 37, Company from 38 to 74: the ending edge of LastName goes 7 tenths left.
    const QRectF lastName = view->boxRect(0);
    const double tenth = lastName.width() / 37;
    const QPoint edge(int(lastName.right()) - 1, int(lastName.center().y()));
    const QPoint target(int(lastName.right() - 7 * tenth), edge.y());
    QTest::mousePress(view, Qt::LeftButton, {}, edge);
    QTest::mouseMove(view, target);
    QTest::mouseRelease(view, Qt::LeftButton, {}, target);
    EXPECT_EQ(child<QTableWidget>("sgCol")->item(0, 3)->text(), QStringLiteral("30"));

    nextTo(10);
    saveAs(QStringLiteral("dragged"));
    click("btMakeReport");
    EXPECT_EQ(modal.texts(), QStringList{"Report successfully created."});
    EXPECT_EQ(bytes(QStringLiteral("dragged.rpt")),
              Crlf({"Dragged", "Contact", "Contact", "75", "2",
                    "0", "", "", "LastName", "LastName", "1", "1", "30",
                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE",
                    "0", "", "", "Company", "Company", "1", "38", "74",
                    "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"}));
}

TEST_F(CreateReport, EachCategoryOptionWritesItsWordAndTheSalesAndQuoteOptionsNone)
{
    const struct {
        const char* option;
        const char* word;
    } cases[] = {{"RBContact", "Contact"}, {"RBEvent", "Event"},     {"RBNote", "Note"},
                 {"RbCall", "Call"},       {"RBLetter", "Letter"},   {"RbMeeting", "Meeting"},
                 {"RbTodo", "TO-DO"},      {"rbSale", ""},           {"rbQuote", ""}};
    int made = 0;
    for (const auto& c : cases) {
        backToStart();
        createUpToFieldSelection("RbContactOrdered", c.option, QStringLiteral("Category"));
        tick("PickContactField", "LastName");
        nextTo(10);
        const QString name = QStringLiteral("cat%1").arg(++made);
        saveAs(name);
        click("btMakeReport");
        EXPECT_EQ(bytes(name + QStringLiteral(".rpt")).split('\r').value(2), QByteArray("\n") + c.word) << c.option;
    }
    EXPECT_EQ(modal.texts(), QStringList(made, QStringLiteral("Report successfully created."))) << messages();
}
