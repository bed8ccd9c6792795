// The field-definitions page on its own: each flag box tells, and shows, the
// flag of the field it is bound to, and no other.
#include "wizard/pages/FieldDefinitionsPage.h"

#include <QCheckBox>
#include <gtest/gtest.h>

TEST(FieldDefinitionsPage, EachFlagBoxIsBoundToItsOwnFlag)
{
    using enum store::FieldFlag;
    FieldDefinitionsPage page;
    std::vector<store::FieldFlag> told;
    page.setEditHandlers([](const QString&) {}, [&](store::FieldFlag flag, bool on) {
        if (on)
            told.push_back(flag);
    });
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
        told.clear();
        box(flag.box)->click();
        EXPECT_EQ(told, std::vector<store::FieldFlag>{flag.flag}) << flag.box;

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
