// The field-definitions page: each flag box stores, and shows, the flag of the
// field it is bound to, and no other; entered and shown, it lists the report's
// fields and edits the row of the field picked, an event field's under its
// stored name.
#include "design/HostTables.h"
#include "tests/wizard/pages/PageFixture.h"
#include "wizard/pages/FieldDefinitionsPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct DefinitionsFixture : PageFixture {
    DefinitionsFixture() : PageFixture(TempAlias::Content::DemoData)
    {
        session.setEventCategory(QStringLiteral("CALL"));
        hostTables.setAlias(QStringLiteral("OMNIV"));
    }
    design::HostTables hostTables{alias.session()};
    wizard::FieldDefinitionsPage page{state, session, hostTables, orderedFields, &window};
};

} // namespace

TEST(FieldDefinitionsPage, EachFlagBoxIsBoundToItsOwnFlag)
{
    using enum store::FieldFlag;
    DefinitionsFixture f;
    wizard::FieldDefinitionsPage& page = f.page;
    f.session.rows().place({"LastName", "LastName", 1, "1", "1", "25"});
    ASSERT_TRUE(f.session.rows().goTo(QStringLiteral("LastName")));
    const struct {
        const char* box;
        store::FieldFlag flag;
        bool store::FieldRow::*plain;
        std::optional<bool> store::FieldRow::*summary;
    } flags[] = {{"cbDotLead", Leaders, &store::FieldRow::leaders, nullptr},
                 {"cbDotTrail", Trailers, &store::FieldRow::trailers, nullptr},
                 {"DBCBCount", Count, nullptr, &store::FieldRow::count},
                 {"DBCBMax", Max, nullptr, &store::FieldRow::maxValue},
                 {"DBCBMin", Min, nullptr, &store::FieldRow::minValue},
                 {"DBCBTotal", Total, nullptr, &store::FieldRow::total},
                 {"DBCBAverage", Average, nullptr, &store::FieldRow::average}};
    auto box = [&](const char* name) { return page.findChild<QCheckBox*>(QString::fromLatin1(name)); };
    for (const auto& flag : flags) {
        ASSERT_NE(box(flag.box), nullptr) << flag.box;
        ASSERT_FALSE(box(flag.box)->isChecked()) << flag.box;
        box(flag.box)->click();
        const std::optional<store::FieldRow> stored = f.session.rows().current();
        ASSERT_TRUE(stored);
        for (const auto& other : flags)
            EXPECT_EQ(store::IsSet(*stored, other.flag), &other == &flag) << flag.box << " stored as " << other.box;
        box(flag.box)->click();

        store::FieldRow row;
        row.header = QStringLiteral("Header");
        if (flag.plain)
            row.*flag.plain = true;
        else
            row.*flag.summary = true;
        page.showDefinition(row);
        for (const auto& other : flags)
            EXPECT_EQ(box(other.box)->isChecked(), &other == &flag) << flag.box << " shown on " << other.box;
        page.showDefinition(std::nullopt);
    }
}

TEST(FieldDefinitionsPage, EditsTheRowOfTheFieldPicked)
{
    DefinitionsFixture f;
    f.fields = {QStringLiteral("Phone call date"), QStringLiteral("LastName")};
    f.session.rows().place({"EventDate", "Date", 1, "1", "1", "25"});
    f.session.rows().place({"LastName", "Name", 2, "1", "26", "50"});
    auto* list = f.page.findChild<QListWidget*>(QStringLiteral("LBFieldDefs"));
    auto* header = f.page.findChild<QLineEdit*>(QStringLiteral("DBEdit1"));
    ASSERT_TRUE(list && header);

    ASSERT_TRUE(f.page.enter(wizard::PageTurn::Forward));
    f.page.show();
    f.page.shown();
    EXPECT_EQ(list->count(), 2);
    const struct {
        int picked; // -1: the first, as shown() picks it
        const char* row;
        const char* header;
    } cases[] = {{-1, "EventDate", "Date"}, {1, "LastName", "Name"}, {0, "EventDate", "Date"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        if (c.picked >= 0)
            list->setCurrentRow(c.picked);
        EXPECT_EQ(f.session.rows().current().value_or(store::FieldRow{}).field, QString::fromLatin1(c.row));
        EXPECT_EQ(header->text(), QString::fromLatin1(c.header));
    }
    QTest::keyClicks(header, QStringLiteral("d"));
    EXPECT_EQ(f.session.rows().current().value_or(store::FieldRow{}).header, QStringLiteral("Dated"));
    EXPECT_TRUE(f.modal.texts().isEmpty());
}
