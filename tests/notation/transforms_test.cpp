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
    const UsulRecord before = usul;
    EXPECT_EQ(HalveDurations(usul), TransformResult::Refused);
    EXPECT_EQ(usul, before);
}

TEST(Transforms, Refusals) {
    for (int whole : {64, 96, 112}) {
        UsulRecord usul = UsulWithRight({{1, 8}});
        usul.Cell(20).leftDuration = static_cast<std::uint8_t>(whole);
        const UsulRecord before = usul;
        EXPECT_EQ(DoubleDurations(usul), TransformResult::Refused) << whole;
        EXPECT_EQ(usul, before);
    }
    UsulRecord dottedHalf = UsulWithRight({{1, 56}});
    EXPECT_EQ(DoubleDurations(dottedHalf), TransformResult::Changed);
    EXPECT_EQ(dottedHalf.Cell(1).rightDuration, 112);
    EXPECT_EQ(DoubleDurations(dottedHalf), TransformResult::Refused);

    UsulRecord stray = UsulWithRight({{1, 8}, {2, 200}});  // its double would not fit a byte
    EXPECT_EQ(DoubleDurations(stray), TransformResult::Refused);
    EXPECT_EQ(stray.Cell(2).rightDuration, 200);

    for (int odd : {1, 2, 3, 7}) {  // a 1 would vanish
        UsulRecord usul = UsulWithRight({{1, 16}, {5, odd}});
        EXPECT_EQ(HalveDurations(usul), TransformResult::Refused) << odd;
        EXPECT_EQ(usul.Cell(1).rightDuration, 16);
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

TEST(Transforms, EmptyUsulSpacingCommands) {
    UsulRecord usul;
    EXPECT_EQ(Shorten(usul), TransformResult::Unchanged);
    EXPECT_EQ(Extend(usul), TransformResult::Unchanged);
    usul.Cell(4).loudness = 1;
    EXPECT_EQ(AutoLayout(usul), TransformResult::Changed);  // only wipes the stray loudness
    EXPECT_EQ(usul.Cell(4).loudness, 0);
}

TEST(Transforms, AllRingsFull) {
    UsulRecord usul;
    for (int c = 1; c <= kCellCount; ++c) usul.Cell(c).rightDuration = 2;
    usul.Cell(10).separator = 1;
    usul.Cell(180).separator = 1;  // after the last stroke: cleared
    const UsulRecord before = usul;
    EXPECT_EQ(Extend(usul), TransformResult::Unchanged);
    EXPECT_EQ(Shorten(usul), TransformResult::Unchanged);
    EXPECT_EQ(AutoLayout(usul), TransformResult::Changed);
    EXPECT_EQ(usul.Cell(10).separator, 1);
    EXPECT_EQ(usul.Cell(180).separator, 0);
    usul.Cell(180).separator = 1;
    EXPECT_EQ(usul, before);
}

TEST(Transforms, AutoLayoutNormalisesSeparators) {
    UsulRecord usul = UsulWithRight({{1, 16}, {10, 16}, {19, 16}});
    usul.Cell(1).separator = 1;   // on a stroke whose next cell is empty: moves to cell 9
    usul.Cell(12).separator = 1;  // mid-gap: moves to cell 18
    usul.Cell(19).separator = 1;  // on the last stroke: cleared
    NormaliseSeparators(usul, MevcutHalka(usul));
    EXPECT_EQ(usul.Cell(1).separator, 0);
    EXPECT_EQ(usul.Cell(9).separator, 1);
    EXPECT_EQ(usul.Cell(12).separator, 0);
    EXPECT_EQ(usul.Cell(18).separator, 1);
    EXPECT_EQ(usul.Cell(19).separator, 0);

    UsulRecord laid = UsulWithRight({{1, 16}, {10, 16}, {19, 16}});
    laid.Cell(12).separator = 1;
    EXPECT_EQ(AutoLayout(laid), TransformResult::Changed);
    // Level 63 keeps quarters 9 rings apart; the separator sits just before the third stroke.
    EXPECT_EQ(StrokeRings(laid), (std::vector<int>{1, 10, 19}));
    EXPECT_EQ(laid.Cell(18).separator, 1);
    EXPECT_EQ(laid.Cell(12).separator, 0);
}

}  // namespace
}  // namespace ritmora
