#include "rules/FieldFault.h"

#include "tests/support/QtPrinting.h"

#include <gtest/gtest.h>

using rules::ColumnRecord;

TEST(FieldFault, SaysWhatTheCheckFindsWithTheField)
{
    const QStringList names{QStringLiteral("Name"), QStringLiteral("Company"), QStringLiteral("Phone")};
    struct Case {
        QList<ColumnRecord> records;
        qsizetype index;
        const char* words;
    };
    const Case cases[] = {
        {{{1, 1, 1, 25}, {1, 2, 26, 50}, {1, 3, 51, 75}}, 1,
         "Company runs from 26 to 50 on line 1; the check finds no fault with it."},
        {{{1, 1, 1, 25}, {1, 2, 40, 30}, {1, 3, 51, 75}}, 1, "Company ends at 30, before it starts at 40."},
        {{{1, 1, 1, 25}, {1, 2, 26, 50}, {1, 3, 51, 80}}, 2, "Phone ends at 80, past the printable width of 75."},
        // Starting inside the field before it: both are marked, each names the other.
        {{{1, 1, 1, 25}, {1, 2, 20, 50}, {1, 3, 51, 75}}, 1,
         "Company, from 20 to 50, overlaps Name, from 1 to 25, on line 1."},
        {{{1, 1, 1, 25}, {1, 2, 20, 50}, {1, 3, 51, 75}}, 0,
         "Name, from 1 to 25, overlaps Company, from 20 to 50, on line 1."},
        {{{1, 1, 1, 25}, {1, 2, 20, 50}, {1, 3, 51, 75}}, 2,
         "Phone runs from 51 to 75 on line 1; the check finds no fault with it."},
        // Only touching, on one position, is overlapping too, both ways.
        {{{1, 1, 1, 25}, {1, 2, 25, 50}, {1, 3, 51, 75}}, 1,
         "Company, from 25 to 50, overlaps Name, from 1 to 25, on line 1."},
        {{{1, 1, 1, 25}, {1, 2, 25, 50}, {1, 3, 51, 75}}, 0,
         "Name, from 1 to 25, overlaps Company, from 25 to 50, on line 1."},
        // Out of order without crossing: the later field lies left of the earlier.
        {{{1, 1, 40, 50}, {1, 2, 1, 25}, {2, 3, 1, 75}}, 1,
         "Company, from 1 to 25, overlaps Name, from 40 to 50, on line 1."},
        {{{1, 1, 5, 5}, {1, 2, 6, 50}, {2, 3, 1, 75}}, 0,
         "Name is one position wide, at 5, and is not the last field of line 1."},
        {{{1, 1, 1, 25}, {2, 2, 1, 25}, {0, 3, 0, 0}}, 2, "Phone is on no line of the report."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rules::FieldFault(75, c.records, names, c.index), QString::fromUtf8(c.words)) << c.words;
    // A name is filled in as it stands, a "%2" in a typed header included.
    const QStringList percent{QStringLiteral("Rate %2"), QStringLiteral("Company"), QStringLiteral("Phone")};
    EXPECT_EQ(rules::FieldFault(75, {{1, 1, 1, 25}, {1, 2, 20, 50}, {1, 3, 51, 75}}, percent, 1),
              QStringLiteral("Company, from 20 to 50, overlaps Rate %2, from 1 to 25, on line 1."));
}

// The words for the selected field are followed by those for every other field at fault.
TEST(LayoutFaults, NamesTheOtherFieldsAtFault)
{
    const QStringList names{QStringLiteral("Name"), QStringLiteral("Company"), QStringLiteral("Phone")};
    const QList<ColumnRecord> clean{{1, 1, 1, 25}, {1, 2, 26, 50}, {1, 3, 51, 75}};
    EXPECT_EQ(rules::LayoutFaults(75, clean, names, 0),
              QStringLiteral("Name runs from 1 to 25 on line 1; the check finds no fault with it."));
    const QList<ColumnRecord> faulty{{1, 1, 1, 25}, {1, 2, 40, 30}, {1, 3, 51, 80}};
    EXPECT_EQ(rules::LayoutFaults(75, faulty, names, 0),
              QStringLiteral("Name runs from 1 to 25 on line 1; the check finds no fault with it. Also at fault: "
                             "Company ends at 30, before it starts at 40. "
                             "Phone ends at 80, past the printable width of 75."));
    EXPECT_EQ(rules::LayoutFaults(75, faulty, names, 2),
              QStringLiteral("Phone ends at 80, past the printable width of 75. Also at fault: "
                             "Company ends at 30, before it starts at 40."));
}

// Two fields that overlap are told once, not once from each side.
TEST(LayoutFaults, TellsAnOverlappingPairOnce)
{
    const QStringList names{QStringLiteral("Name"), QStringLiteral("Company"), QStringLiteral("Phone")};
    const QList<ColumnRecord> records{{1, 1, 1, 25}, {1, 2, 20, 40}, {1, 3, 50, 60}};
    EXPECT_EQ(rules::LayoutFaults(75, records, names, 2),
              QStringLiteral("Phone runs from 50 to 60 on line 1; the check finds no fault with it. Also at fault: "
                             "Name, from 1 to 25, overlaps Company, from 20 to 40, on line 1."));
    EXPECT_EQ(rules::LayoutFaults(75, records, names, 1),
              QStringLiteral("Company, from 20 to 40, overlaps Name, from 1 to 25, on line 1."));
}
