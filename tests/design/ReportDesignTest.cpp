#include "design/HostTables.h"
#include "design/ReportDesign.h"

#include "base/EngineError.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "store/paradox/PxTable.h"
#include "tests/support/QtPrinting.h"
#include "tests/support/TempAlias.h"
#include "tools/demodata/DatabaseTable.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// A design over the working table of an empty alias directory, open.
class DesignRows : public ::testing::Test {
protected:
    DesignRows() : alias_(TempAlias::Content::Empty), table_(alias_.session())
    {
        store::RecreateWorkingTable(table_, QStringLiteral("OMNIV"));
        table_.Open();
    }

    // The Order of each row, by its Field.
    QMap<QString, int> orders()
    {
        QMap<QString, int> result;
        for (const store::FieldRow& row : design_.rowsInReportOrder())
            result.insert(row.field, row.order);
        return result;
    }

    TempAlias alias_;
    store::Table table_;
    design::ReportDesign design_{table_};
};

} // namespace

TEST_F(DesignRows, NumbersEveryEntryWithARowWhateverComesBefore)
{
    struct Case {
        const char* name;
        QList<std::pair<QString, int>> rows; // field and data side
        QStringList entries;
        QString category;
        QMap<QString, int> expected;
    };
    const Case cases[] = {
        {"an entry without a row in the middle",
         {{"Company", 0}, {"City", 0}},
         {"Company", "Gone", "City"}, "GENERIC",
         {{"Company", 1}, {"City", 3}}},
        {"event fields by their display names",
         {{"Company", 0}, {"EventDate", 1}, {"Memo", 1}},
         {"Phone call notes", "Company", "Phone call date"}, "CALL",
         {{"Memo", 1}, {"Company", 2}, {"EventDate", 3}}},
        {"a contact field named like an event field's display name",
         {{"Notes", 0}, {"Company", 0}},
         {"Company", "Notes"}, "NOTE",
         {{"Company", 1}, {"Notes", 2}}},
        {"that contact field and the event field it is named like",
         {{"Notes", 0}, {"Memo", 1}, {"Company", 0}},
         {"Notes", "Company", "Notes"}, "NOTE",
         {{"Notes", 1}, {"Company", 2}, {"Memo", 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design_.clear();
        for (const auto& [field, side] : c.rows)
            design_.recordDataSide(field, side);
        design_.numberFields(c.entries, c.category);
        EXPECT_EQ(orders(), c.expected);
    }
}

// The column-widths page's placing: a key without a row gets one with its
// header and order; a text the engine refuses throws and leaves every row as
// it was, none half-edited and none made.
TEST_F(DesignRows, PlacesAFieldAndARefusedTextChangesNoRow)
{
    design_.recordDataSide(QStringLiteral("Company"), 0);
    design_.place({QStringLiteral("Company"), {}, 0, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("25")});
    const std::vector<store::FieldRow> placed = design_.rowsInReportOrder();
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed[0].line, 1);
    EXPECT_EQ(placed[0].lposition, 1);
    EXPECT_EQ(placed[0].rposition, 25);

    const design::ReportDesign::Placement refused[] = {
        {QStringLiteral("Company"), {}, 0, QStringLiteral("2"), QStringLiteral("x"), QStringLiteral("30")},
        {QStringLiteral("City"), QStringLiteral("Town"), 2, QStringLiteral("1"), QStringLiteral("26"), QStringLiteral("1.5")},
    };
    for (const design::ReportDesign::Placement& placement : refused) {
        SCOPED_TRACE(placement.key.toStdString());
        EXPECT_THROW(design_.place(placement), base::EngineError);
        EXPECT_FALSE(design_.editing());
        EXPECT_EQ(design_.rowsInReportOrder(), placed);
    }

    design_.place({QStringLiteral("City"), QStringLiteral("Town"), 2, QStringLiteral("2"), QStringLiteral("5"),
                   QStringLiteral("9")});
    const std::vector<store::FieldRow> rows = design_.rowsInReportOrder();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].field, QStringLiteral("City"));
    EXPECT_EQ(rows[1].header, QStringLiteral("Town"));
    EXPECT_EQ(rows[1].order, 2);
    EXPECT_EQ(std::tuple(rows[1].line, rows[1].lposition, rows[1].rposition), std::tuple(2, 5, 9));
}

// The field-definitions page edits its current field in place: each flag sets
// its own column and no other, the header is typed into the row, and a field
// without a row leaves the cursor where it was.
TEST_F(DesignRows, EditsTheCurrentFieldsHeaderAndEachFlagInItsOwnColumn)
{
    using enum store::FieldFlag;
    const store::FieldFlag flags[] = {Leaders, Trailers, Count, Max, Min, Total, Average};
    design_.recordDataSide(QStringLiteral("Company"), 0);
    design_.recordDataSide(QStringLiteral("City"), 0);
    for (const store::FieldFlag flag : flags) {
        SCOPED_TRACE(int(flag));
        ASSERT_TRUE(design_.goTo(QStringLiteral("City")));
        for (const store::FieldFlag other : flags)
            design_.setCurrentFlag(other, false);
        design_.setCurrentFlag(flag, true);
        design_.setCurrentHeader(QStringLiteral("Town"));
        EXPECT_FALSE(design_.goTo(QStringLiteral("Gone")));
        EXPECT_EQ(design_.current()->field, QStringLiteral("City"));
        const std::vector<store::FieldRow> rows = design_.rowsInReportOrder(); // stores the edit
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[1].header, QStringLiteral("Town"));
        for (const store::FieldFlag other : flags)
            EXPECT_EQ(store::IsSet(rows[1], other), other == flag) << int(other);
        EXPECT_EQ(rows[0], (store::FieldRow{"Company", 1, "Company", false, false, false, false, false, false, false, 0}));
    }
}

// The user-field dialog shows at most `most` databases and says when there are more.
TEST(UserFieldLabels, SaysThereAreMoreOnlyWhenTheTableHoldsMore)
{
    for (const int records : {499, 500, 501}) {
        SCOPED_TRACE(records);
        TempAlias alias(TempAlias::Content::Empty);
        const std::vector<std::vector<px::Value>> one = demo::databaseRecords();
        ASSERT_FALSE(one.empty());
        px::writeTable(alias.path(QStringLiteral("DATABASE.DB")), demo::databaseTableDefinition(), records,
                       [&](std::int64_t) { return one.front(); });
        const design::UserFieldLabels labels(alias.session(), QStringLiteral("OMNIV"), 500);
        EXPECT_EQ(labels.count(), std::min(records, 500));
        EXPECT_EQ(labels.more(), records > 500);
    }
}
