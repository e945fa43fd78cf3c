#include "notation/transforms.h"

#include <gtest/gtest.h>

#include "notation/relayout.h"
#include "tests/notation/test_usul.h"

namespace ritmora {
namespace {

using testing::NimSofyan;
using testing::StrokeRings;
using testing::UsulWithRight;

TEST(Transforms, DoubleAndHalve) {
    UsulRecord usul = NimSofyan();
    usul.Cell(6).leftDuration = 6;
    EXPECT_EQ(DoubleDurations(usul), TransformResult::Changed);
    EXPECT_EQ(usul.Cell(1).rightDuration, 16);
    EXPECT_EQ(usul.Cell(6).leftDuration, 12);
    EXPECT_EQ(SumOfDurations(usul), 32);
    EXPECT_EQ(HalveDurations(usul), TransformResult::Changed);
    EXPECT_EQ(HalveDurations(usul), TransformResult::Changed);
    EXPECT_EQ(usul.Cell(6).leftDuration, 3);  // a dotted thirty-second
    UsulRecord dottedHalf = UsulWithRight({{1, 56}});
    EXPECT_EQ(DoubleDurations(dottedHalf), TransformResult::Changed);
    EXPECT_EQ(dottedHalf.Cell(1).rightDuration, 112);
}

TEST(Transforms, RefusalsChangeNothing) {
    struct Case {
        int duration;
        bool doubling;
    };
    // Doubling: wholes and a stray value whose double would not fit a byte; halving: odd values
    // (a 1 would vanish).
    for (const Case& c : {Case{64, true}, Case{96, true}, Case{112, true}, Case{200, true},
                          Case{1, false}, Case{2, false}, Case{3, false}, Case{7, false}}) {
        UsulRecord usul = UsulWithRight({{1, 16}});
        usul.Cell(20).leftDuration = static_cast<std::uint8_t>(c.duration);
        const UsulRecord before = usul;
        EXPECT_EQ(c.doubling ? DoubleDurations(usul) : HalveDurations(usul),
                  TransformResult::Refused)
            << c.duration;
        EXPECT_EQ(usul, before);
    }
    UsulRecord empty;
    EXPECT_EQ(DoubleDurations(empty), TransformResult::Unchanged);
    EXPECT_EQ(HalveDurations(empty), TransformResult::Unchanged);
}

TEST(Transforms, NimSofyanSpacingCommands) {
    UsulRecord shorter = NimSofyan();
    EXPECT_EQ(Shorten(shorter), TransformResult::Changed);  // level 53: eighth spacing 3
    EXPECT_EQ(StrokeRings(shorter), (std::vector<int>{1, 5}));

    UsulRecord extended = NimSofyan();
    EXPECT_EQ(Extend(extended), TransformResult::Unchanged);
    EXPECT_EQ(extended, NimSofyan());

    EXPECT_EQ(AutoLayout(shorter), TransformResult::Changed);
    EXPECT_EQ(StrokeRings(shorter), (std::vector<int>{1, 6}));

    UsulRecord tight = UsulWithRight({{1, 8}, {2, 8}});
    EXPECT_EQ(Extend(tight), TransformResult::Changed);  // smallest step: level 11, spacing 1
    EXPECT_EQ(StrokeRings(tight), (std::vector<int>{1, 3}));
}

TEST(Transforms, NothingToMoveInAnEmptyOrAFullUsul) {
    UsulRecord usul;
    EXPECT_EQ(Shorten(usul), TransformResult::Unchanged);
    EXPECT_EQ(Extend(usul), TransformResult::Unchanged);
    usul.Cell(4).loudness = 1;
    EXPECT_EQ(AutoLayout(usul), TransformResult::Changed);  // only wipes the stray loudness
    EXPECT_EQ(usul.Cell(4).loudness, 0);

    for (int c = 1; c <= kCellCount; ++c) usul.Cell(c).rightDuration = 2;
    usul.Cell(10).separator = 1;
    usul.Cell(180).separator = 1;  // after the last stroke: cleared
    UsulRecord expected = usul;
    expected.Cell(180).separator = 0;
    EXPECT_EQ(Extend(usul), TransformResult::Unchanged);
    EXPECT_EQ(Shorten(usul), TransformResult::Unchanged);
    EXPECT_EQ(AutoLayout(usul), TransformResult::Changed);
    EXPECT_EQ(usul, expected);
}

TEST(Transforms, AutoLayoutNormalisesSeparators) {
    UsulRecord usul = UsulWithRight({{1, 16}, {10, 16}, {19, 16}});
    usul.Cell(1).separator = 1;   // on a stroke whose next cell is empty: moves to cell 9
    usul.Cell(12).separator = 1;  // mid-gap: moves to cell 18
    usul.Cell(19).separator = 1;  // on the last stroke: cleared
    UsulRecord expected = UsulWithRight({{1, 16}, {10, 16}, {19, 16}});
    expected.Cell(9).separator = expected.Cell(18).separator = 1;
    UsulRecord laid = usul;
    NormaliseSeparators(usul, MevcutHalka(usul));
    EXPECT_EQ(usul, expected);
    // Level 63 keeps quarters 9 rings apart, so the layout moves no stroke.
    EXPECT_EQ(AutoLayout(laid), TransformResult::Changed);
    EXPECT_EQ(laid, expected);
}

}  // namespace
}  // namespace ritmora
