// Loading crafted report files into the wizard through "Modify an Existing Report".
#include "design/ReportDesign.h"
#include "tests/support/WizardDriver.h"

#include "store/engine/Table.h"
#include "store/paradox/PxTable.h"
#include "store/report/ReportReader.h"

#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

using LoadReport = ShownWizardDriver;

QByteArray Head(const char* type, const char* category, const char* width, const char* count)
{
    return Crlf({"Crafted", type, category, width, count});
}

// A field record with its dot lines empty, its header equal to the field and its flags clear.
QByteArray Record(const char* dbType, const char* field, const char* line = "1", const char* left = "1",
                  const char* right = "10")
{
    return Crlf({dbType, "", "", field, field, line, left, right, "FALSE", "FALSE", "FALSE", "FALSE", "FALSE"});
}

const QString Crafted = QStringLiteral("crafted.rpt");

// The fields of the working table in report order.
QStringList WorkingRows(design::ReportDesign& design)
{
    QStringList fields;
    for (const store::FieldRow& row : design.rowsInReportOrder())
        fields << row.field;
    return fields;
}

} // namespace

TEST_F(LoadReport, ThePrintableWidthChoosesThePaperOption)
{
    const struct {
        const char* width;
        const char* paper;
        const char* margin;
        bool panel;
    } cases[] = {
        {"120", "RbOther", "120", true}, {"75", "RBAmPor", "75", false},  {"250", "RbOther", "200", true},
        {"77", "RbA4Por", "77", false},  {"wide", "RbOther", "1", true},  {"110", "RbAmLan", "110", false},
        {"115", "RBA4Lan", "115", false},
    };
    for (const auto& c : cases) {
        backToStart();
        writeReport(Crafted, Head("Contact", "Contact", c.width, "1") + Record("0", "LastName"));
        openExisting("RbModify", Crafted);
        expectSettledOn(1);
        EXPECT_TRUE(checked(c.paper)) << c.width;
        EXPECT_EQ(text("SpinMargin"), QString::fromLatin1(c.margin)) << c.width;
        EXPECT_EQ(shownOnPage("PnlPrint"), c.panel) << c.width;
        EXPECT_EQ(child("SpinMargin")->isEnabled(), c.panel) << c.width;
    }
    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
}

TEST_F(LoadReport, TheTypeAndCategoryWordsChooseTheOptionsInAnyLetterCase)
{
    const struct {
        const char* type;
        const char* category;
        const char* typeOption;
        const char* categoryOption;
        const char* eventCategory;
    } cases[] = {
        {"Calendar", "Contact", "rbDateOrdered", "RBEvent", "GENERIC"},
        {"Contact", "to-do", "RbContactOrdered", "RbTodo", "TO-DO"},
        {"contact", "CALL", "RbContactOrdered", "RbCall", "CALL"},
        {"CALENDAR", "Meeting", "rbDateOrdered", "RBEvent", "GENERIC"},
        {"Contact", "letter", "RbContactOrdered", "RBLetter", "LETTER"},
        {"Contact", "Note", "RbContactOrdered", "RBNote", "NOTE"},
        {"Contact", "Contact", "RbContactOrdered", "RBContact", "NOTE"},
    };
    for (const auto& c : cases) {
        backToStart();
        writeReport(Crafted, Head(c.type, c.category, "75", "1") + Record("0", "LastName"));
        openExisting("RbModify", Crafted);
        expectSettledOn(1);
        EXPECT_TRUE(checked(c.typeOption)) << c.type << "/" << c.category;
        EXPECT_TRUE(checked(c.categoryOption)) << c.type << "/" << c.category;
        EXPECT_EQ(window.wizard().report().eventCategory(), QString::fromLatin1(c.eventCategory)) << c.type << "/" << c.category;
    }
}

TEST_F(LoadReport, TheFieldCountDecidesHowManyRecordsAreReadAndABrokenRecordEndsTheLoad)
{
    const struct {
        const char* name;
        QByteArray file;
        const char* error;         // nullptr: loads
        QStringList rows;          // the working table afterwards
    } cases[] = {
        {"count larger than the records",
         Head("Contact", "Contact", "75", "3") + Record("0", "LastName") + Record("0", "Company"),
         "Field 'Field' must have a value",
         {"LastName", "Company"}},
        {"count smaller than the records",
         Head("Contact", "Contact", "75", "1") + Record("0", "LastName") + Record("0", "Company"),
         nullptr,
         {"LastName"}},
        {"count zero", Head("Contact", "Contact", "75", "0") + Record("0", "LastName"), nullptr, {}},
        {"line that is no number",
         Head("Contact", "Contact", "75", "2") + Record("0", "LastName") + Record("0", "Company", "2a"),
         "'2a' is not a valid integer value for field 'Line'",
         {"LastName"}},
        {"field twice",
         Head("Contact", "Contact", "75", "2") + Record("0", "LastName") + Record("0", "LastName", "2"),
         "Key violation.",
         {"LastName"}},
    };
    for (const auto& c : cases) {
        backToStart();
        writeReport(Crafted, c.file);
        modal.clear();
        openExisting("RbModify", Crafted);
        EXPECT_EQ(WorkingRows(window.wizard().design()), c.rows) << c.name;
        if (c.error) {
            // The engine's text, then which record of which report it is about.
            const QString where = QStringLiteral("\n\nThis is in field record %1 of the report %2.")
                                      .arg(c.rows.size() + 1)
                                      .arg(alias.path(Crafted));
            EXPECT_EQ(modal.texts(), QStringList{QString::fromLatin1(c.error) + where}) << c.name;
            expectSettledOn(0);
        } else {
            EXPECT_TRUE(modal.texts().isEmpty()) << c.name << ": " << messages();
            expectSettledOn(1);
            EXPECT_EQ(items("lbAllFields"), c.rows) << c.name;
            EXPECT_EQ(text("SpinCol"), QString::number(std::max<qsizetype>(1, c.rows.size()))) << c.name;
        }
    }
}

TEST_F(LoadReport, ACustomIdRecordInAnyLetterCaseTurnsTheDetailLevelOn)
{
    const struct {
        const char* customId;      // nullptr: no such record
        bool detailLevel;
    } cases[] = {{"customid", true}, {nullptr, false}, {"CUSTOMID", true}, {nullptr, false}, {"CustomID", true}};
    for (const auto& c : cases) {
        backToStart();
        writeReport(Crafted, c.customId ? Head("Contact", "Contact", "75", "2") + Record("0", c.customId)
                                              + Record("0", "LastName", "1", "26", "40")
                                        : Head("Contact", "Contact", "75", "1") + Record("0", "LastName"));
        openExisting("RbModify", Crafted);
        const char* which = c.customId ? c.customId : "none";
        expectSettledOn(1);
        EXPECT_EQ(checked("rbCustYes"), c.detailLevel) << which;
        EXPECT_EQ(checked("rbCustNo"), !c.detailLevel) << which;
        EXPECT_EQ(ticked("PickContactField"),
                  c.detailLevel ? QStringList({"CustomID", "LastName"}) : QStringList{"LastName"})
            << which;
        EXPECT_EQ(shownOnPage("LblCustYes"), c.detailLevel) << which;
        EXPECT_EQ(shownOnPage("LblCustYes2"), c.detailLevel) << which;
        EXPECT_EQ(shownOnPage("LblCustNo"), !c.detailLevel) << which;
        EXPECT_EQ(text("SpinCol"), c.detailLevel ? QStringLiteral("2") : QStringLiteral("1")) << which;
    }
}

TEST_F(LoadReport, SelectionsOrderListAndColumnCountComeFromTheRecords)
{
    QByteArray wide = Head("Contact", "Contact", "200", "25");
    for (int i = 1; i <= 25; ++i)
        wide += Record("0", QByteArray("F") + QByteArray::number(i));
    const struct {
        const char* name;
        QByteArray file;
        QStringList contacts;
        QStringList events;
        QStringList order;
        const char* columns;
    } cases[] = {
        {"event summary of a call report and a field the contact table lacks",
         Head("Contact", "Call", "75", "3") + Record("0", "LastName") + Record("1", "Summary")
             + Record("0", "Fax2"),
         {"LastName"},
         {"Phone call subject"},
         {"LastName", "Summary", "Fax2"},
         "3"},
        {"the call notes, stored under their display name, moved last",
         Head("Contact", "Call", "75", "3") + Record("1", "Phone call notes") + Record("0", "LastName")
             + Record("1", "Summary"),
         {"LastName"},
         {"Phone call subject", "Phone call notes"},
         {"LastName", "Summary", "Phone call notes"},
         "3"},
        {"two lines",
         Head("Contact", "Contact", "75", "5") + Record("0", "City", "2") + Record("0", "LastName")
             + Record("0", "FirstName") + Record("0", "State", "2") + Record("0", "Company"),
         {"FirstName", "LastName", "Company", "City", "State"},
         {},
         {"LastName", "FirstName", "Company", "City", "State"},
         "3"},
        {"twenty-five on the first line", wide, {}, {}, {}, "20"},
    };
    for (const auto& c : cases) {
        backToStart();
        writeReport(Crafted, c.file);
        openExisting("RbModify", Crafted);
        expectSettledOn(1);
        EXPECT_EQ(ticked("PickContactField"), c.contacts) << c.name;
        EXPECT_EQ(ticked("PickEventField"), c.events) << c.name;
        if (!c.order.isEmpty()) {
            EXPECT_EQ(items("lbAllFields"), c.order) << c.name;
        }
        EXPECT_EQ(state().SelectedCount, items("lbAllFields").size()) << c.name;
        EXPECT_EQ(text("SpinCol"), QString::fromLatin1(c.columns)) << c.name;
    }
    EXPECT_EQ(items("lbAllFields").size(), 25);
    EXPECT_TRUE(modal.texts().isEmpty()) << messages();
}

TEST_F(LoadReport, AReportGoneBeforeItIsLoadedChangesNothing)
{
    modal.onDialog([this](QDialog& dialog) {
        QFile::remove(alias.path(QStringLiteral("callrpt.rpt")));
        auto* grid = dialogChild<QTableView>(dialog, "grid");
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, 2).data().toString() == QLatin1String("callrpt.rpt"))
                grid->selectRow(row);
        dialogChild<QPushButton>(dialog, "BtnOk")->click();
        return dialog.result();
    });
    click("RbModify");
    next();

    ASSERT_EQ(modal.shown().size(), 1u);
    EXPECT_EQ(modal.shown().front().caption, QStringLiteral("Error"));
    EXPECT_TRUE(modal.texts().front().contains(QStringLiteral("callrpt.rpt"))) << messages();
    expectSettledOn(0);
    EXPECT_TRUE(WorkingRows(window.wizard().design()).isEmpty());
    EXPECT_EQ(text("EdDescription"), QString());
}

// Counts the times TRDATA.DB is written whole (renamed into place or closed after writing).
class WorkingTableWrites {
public:
    explicit WorkingTableWrites(const QString& directory)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          watch_(inotify_add_watch(fd_, QFile::encodeName(directory).constData(), IN_MOVED_TO | IN_CLOSE_WRITE))
    {
    }
    ~WorkingTableWrites() { ::close(fd_); }
    bool watching() const { return watch_ >= 0; }
    int count() const
    {
        int writes = 0;
        alignas(inotify_event) char buffer[65536];
        ssize_t got;
        while ((got = ::read(fd_, buffer, sizeof buffer)) > 0)
            for (char* at = buffer; at < buffer + got; at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(at)->len)
                if (const auto* event = reinterpret_cast<inotify_event*>(at);
                    event->len > 0 && std::strcmp(event->name, "TRDATA.DB") == 0)
                    ++writes;
        return writes;
    }

private:
    int fd_;
    int watch_;
};

TEST_F(LoadReport, ALongReportLoadsWithoutWritingTheWorkingTableUntilItIsNeededOnDisk)
{
    constexpr int Fields = store::MaxFieldRecords;
    QByteArray report = Head("Contact", "Contact", "75", QByteArray::number(Fields).constData());
    for (int i = 0; i < Fields; ++i) {
        const QByteArray field = "Extra" + QByteArray::number(Fields - i); // not in key order
        report += Record("2", field.constData(), QByteArray::number(i / 20 + 1).constData());
    }
    writeReport(Crafted, report);
    const WorkingTableWrites writes(alias.dataDir());
    ASSERT_TRUE(writes.watching());

    openExisting("RbModify", Crafted);

    expectSettledOn(1); // after the row limit's message: twenty-six lines of twenty are too many
    EXPECT_EQ(items("lbAllFields").size(), Fields);
    const int writesOfTheLoad = writes.count();
    EXPECT_LE(writesOfTheLoad, 1); // the emptying before it at most: the rows stay in memory
    // At the end the table on disk holds every record, in key order, written once.
    window.wizard().design().close();
    EXPECT_LE(writesOfTheLoad + writes.count(), 2);
    const px::TableFile file = px::TableFile::open(alias.path(QStringLiteral("TRDATA.DB")));
    const std::vector<std::vector<px::Value>> records = file.readRecords();
    ASSERT_EQ(records.size(), std::size_t(Fields));
    EXPECT_EQ(records.front()[0].text, QStringLiteral("Extra1"));
    EXPECT_EQ(records.back()[0].text, QStringLiteral("Extra99"));
}

// A count larger than any report can hold is refused before a record is read:
// nothing is stored in the working table, on disk or in memory.
TEST_F(LoadReport, ACountNoReportCanHoldIsRefusedBeforeTheWorkingTableIsWritten)
{
    writeReport(Crafted, Head("Contact", "Contact", "75", "1000000") + Record("0", "LastName"));
    const WorkingTableWrites writes(alias.dataDir());
    ASSERT_TRUE(writes.watching());
    modal.clear();

    openExisting("RbModify", Crafted);

    EXPECT_EQ(modal.texts(), QStringList{QStringLiteral("Line 5 of report %1 gives 1000000 field records, more than "
                                                        "the 514 that any report can hold; the file cannot be loaded.")
                                             .arg(alias.path(Crafted))});
    expectSettledOn(0);
    EXPECT_TRUE(WorkingRows(window.wizard().design()).isEmpty());
    EXPECT_EQ(writes.count(), 0);
}
