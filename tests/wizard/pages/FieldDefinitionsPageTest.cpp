// The field-definitions page on its own: each flag box tells, and shows, the
// working-table column it is bound to, and no other.
#include "wizard/pages/FieldDefinitionsPage.h"

#include <QCheckBox>
#include <gtest/gtest.h>

TEST(FieldDefinitionsPage, EachFlagBoxIsBoundToItsOwnColumn)
{
    FieldDefinitionsPage page;
    QStringList told;
    page.setEditHandlers([](const QString&) {}, [&](const QString& column, bool on) {
        if (on)
            told << column;
    });
    const struct {
        const char* box;
        const char* column;
    } flags[] = {{"cbDotLead", "LDots"}, {"cbDotTrail", "RDots"}, {"DBCBCount", "Count"}, {"DBCBMax", "Max"},
                 {"DBCBMin", "Min"},     {"DBCBTotal", "Total"},  {"DBCBAverage", "Average"}};
    auto box = [&](const char* name) { return page.findChild<QCheckBox*>(QString::fromLatin1(name)); };
    for (const auto& flag : flags) {
        ASSERT_NE(box(flag.box), nullptr) << flag.box;
        ASSERT_FALSE(box(flag.box)->isChecked()) << flag.box;
        told.clear();
        box(flag.box)->click();
        EXPECT_EQ(told, QStringList{QString::fromLatin1(flag.column)}) << flag.box;

        page.showDefinition(QStringLiteral("Header"), [&](const QString& column) { return column == flag.column; });
        for (const auto& other : flags)
            EXPECT_EQ(box(other.box)->isChecked(), &other == &flag) << flag.column << " shown on " << other.box;
        page.showDefinition(QStringLiteral("Header"), [](const QString&) { return false; });
    }
}
