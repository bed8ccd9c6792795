#include "rules/LayoutGeometry.h"

#include <gtest/gtest.h>

namespace rules {

// Found by gtest for its messages.
std::ostream& operator<<(std::ostream& out, const Span& span)
{
    return out << span.start << "-" << span.end;
}

} // namespace rules

using namespace rules;

// 75 tenths over 300 pixels from x = 20: 4 pixels a tenth.
TEST(LayoutGeometry, TenthsAndPixelsConvertBothWaysWithinTheStrip)
{
    const TenthsScale scale(75, 20, 320);
    EXPECT_DOUBLE_EQ(scale.pixelsPerTenth(), 4);
    struct Case {
        double x;
        int tenths;  // from x = 20
    };
    const Case cases[] = {{20, 0}, {21.9, 0}, {22.1, 1}, {120, 25}, {320, 75}, {400, 95}, {-5, -6}};
    for (const Case& c : cases)
        EXPECT_EQ(scale.tenthsBetween(20, c.x), c.tenths) << c.x;

    struct Box {
        Span span;
        double left;
        double right;
    };
    const Box boxes[] = {
        {{1, 25}, 20, 120},   // the first tenth starts at the strip's left end
        {{26, 75}, 120, 320}, // ending on the width ends on the strip's right end
        {{5, 5}, 36, 40},     // one tenth
        {{70, 90}, 296, 320}, // beyond the width: cut at the right end
        {{80, 90}, 316, 320}, // wholly beyond: a sliver at the right end
        {{30, 20}, 96, 140},  // ending before it starts: drawn over both positions
        {{0, 0}, 20, 24},     // no positions: a sliver at the left end
    };
    for (const Box& b : boxes) {
        EXPECT_DOUBLE_EQ(scale.boxLeft(b.span), b.left) << b.span;
        EXPECT_DOUBLE_EQ(scale.boxRight(b.span), b.right) << b.span;
    }
}

TEST(LayoutGeometry, MouseAndKeysStopAtOneAndTheWidthOnlyWhenCrossingThem)
{
    enum Change { Start, End, Move };
    struct Case {
        Span span;
        Change change;
        int delta;
        Span expected;
    };
    const Case cases[] = {
        {{10, 20}, Start, -5, {5, 20}},
        {{10, 20}, Start, -10, {1, 20}},
        {{10, 20}, Start, 15, {20, 20}},     // not past its end
        {{70, 90}, Start, 10, {75, 90}},     // not past the width
        {{10, 20}, End, 10, {10, 30}},
        {{10, 20}, End, 60, {10, 75}},
        {{10, 20}, End, -15, {10, 10}},      // not before its start
        {{10, 20}, Move, 3, {13, 23}},
        {{10, 20}, Move, -20, {1, 11}},      // stops at 1, keeping the width
        {{60, 70}, Move, 10, {65, 75}},      // stops at the width
        {{30, 20}, Move, -25, {11, 1}},      // ending before it starts: the lower end stops at 1
        // Already beyond a bound: moved as asked, never back the other way.
        {{60, 90}, Move, 1, {61, 91}},
        {{0, 20}, Move, -1, {-1, 19}},
        {{1, 90}, Move, 1, {2, 91}},
        {{60, 90}, Move, -10, {50, 80}},
        {{0, 20}, Move, 100, {55, 75}},      // crossing the other bound stops there
        {{80, 90}, End, -5, {80, 85}},
        {{80, 90}, End, -20, {80, 80}},
        {{0, 20}, Start, -2, {-2, 20}},
        {{0, 20}, Start, 30, {20, 20}},
        // Standing on a bound is not lying beyond it: the position stays there.
        {{70, 75}, End, 1, {70, 75}},
        {{65, 75}, Move, 3, {65, 75}},
        {{75, 75}, Start, 1, {75, 75}},
        {{1, 10}, Start, -1, {1, 10}},
        {{1, 10}, Move, -4, {1, 10}},
        // A press without a move changes nothing.
        {{60, 90}, Move, 0, {60, 90}},
        {{0, 20}, Start, 0, {0, 20}},
        {{60, 90}, End, 0, {60, 90}},
        {{30, 20}, End, 0, {30, 20}},
        {{2147483600, 2147483640}, Move, 100, {2147483607, 2147483647}},
    };
    for (const Case& c : cases) {
        const Span result = c.change == Start ? MovedStart(c.span, c.delta, 75)
                            : c.change == End ? MovedEnd(c.span, c.delta, 75)
                                              : Moved(c.span, c.delta, 75);
        EXPECT_EQ(result, c.expected) << c.span << " change " << c.change << " by " << c.delta;
    }
}

TEST(LayoutGeometry, EdgesAreGripsAndTheRulerMarksTenthsHalvesAndInches)
{
    struct Case {
        double x;
        Grip grip;
    };
    const Case wide[] = {{100, Grip::Start}, {103.9, Grip::Start}, {104, Grip::Middle},
                         {145, Grip::Middle}, {146, Grip::End},    {149.9, Grip::End}};
    for (const Case& c : wide)
        EXPECT_EQ(GripAt(c.x, 100, 150), c.grip) << c.x;
    // A box 6 pixels wide keeps a middle of its own.
    EXPECT_EQ(GripAt(101.5, 100, 106), Grip::Start);
    EXPECT_EQ(GripAt(103, 100, 106), Grip::Middle);
    EXPECT_EQ(GripAt(104.5, 100, 106), Grip::End);

    const Mark marks[] = {Mark::Inch,     Mark::Tenth, Mark::Tenth, Mark::Tenth, Mark::Tenth, Mark::HalfInch,
                          Mark::Tenth,    Mark::Tenth, Mark::Tenth, Mark::Tenth, Mark::Inch,  Mark::Tenth};
    for (int boundary = 0; boundary < 12; ++boundary)
        EXPECT_EQ(MarkAt(boundary), marks[boundary]) << boundary;
    EXPECT_EQ(MarkAt(75), Mark::HalfInch);
}

TEST(LayoutGeometry, BandsStackTheLinesInUseAndShareTheRoom)
{
    const Bands few({3, 1, 3, 1}, 20, 100);
    EXPECT_EQ(few.count(), 2);
    EXPECT_EQ(QStringList({few.label(0), few.label(1)}), QStringList({"1", "3"}));
    EXPECT_DOUBLE_EQ(few.height(), Bands::MaxBandPixels);
    EXPECT_EQ(few.bandOf(3), 1);
    EXPECT_EQ(few.bandOf(2), -1);

    const Bands many({1, 2, 3, 4, 5, 6, 7, 8}, 20, 100);
    EXPECT_DOUBLE_EQ(many.height(), 10);
    struct Case {
        double y;
        qsizetype band;
    };
    const Case cases[] = {{19, -1}, {20, 0}, {29.9, 0}, {30, 1}, {99, 7}, {100, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(many.bandAt(c.y), c.band) << c.y;
    EXPECT_DOUBLE_EQ(many.top(2), 40);

    EXPECT_EQ(Bands({}, 20, 100).bandAt(30), -1);

    // Fields without a line share a band after the lines, labelled so.
    const Bands unplaced({2, 0, 1, -4}, 20, 100);
    EXPECT_EQ(unplaced.count(), 3);
    EXPECT_EQ(unplaced.bandOf(0), 2);
    EXPECT_EQ(unplaced.bandOf(-4), 2);
    EXPECT_EQ(unplaced.bandAt(70), 2);
    EXPECT_EQ(QStringList({unplaced.label(0), unplaced.label(1), unplaced.label(2)}),
              QStringList({"1", "2", "No line"}));
    EXPECT_EQ(few.bandOf(0), -1);
}
