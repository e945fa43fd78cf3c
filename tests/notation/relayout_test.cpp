#include "notation/relayout.h"

#include <gtest/gtest.h>

#include "tests/notation/test_usul.h"

namespace ritmora {
namespace {

using testing::NimSofyan;
using testing::StrokeRings;
using testing::UsulWithRight;

TEST(Relayout, NimSofyanWorkedExample) {
    const UsulRecord usul = NimSofyan();
    EXPECT_EQ(MevcutHalka(usul), 6);
    EXPECT_EQ(YeniHalka(usul, 63, 6), 6);
    EXPECT_EQ(YeniHalka(usul, 16, 6), 3);
    EXPECT_EQ(YeniHalka(usul, 1, 6), 2);

    UsulRecord laid = usul;
    YeniDizilim(laid, 16, 6);
    EXPECT_EQ(StrokeRings(laid), (std::vector<int>{1, 3}));
    YeniDizilim(laid, 1, MevcutHalka(laid));
    EXPECT_EQ(StrokeRings(laid), (std::vector<int>{1, 2}));
    EXPECT_EQ(laid.Cell(2).rightDuration, 8);
}

TEST(Relayout, EmptyUsul) {
    UsulRecord usul;
    usul.Cell(10).loudness = 2;
    usul.Cell(10).syllable = "Düm";
    usul.Cell(11).separator = 1;
    EXPECT_EQ(MevcutHalka(usul), 0);
    EXPECT_EQ(YeniHalka(usul, 63, 0), 0);
    YeniDizilim(usul, 63, 0);
    // Wiped: everything on empty cells is dropped; the syllable reads as three NULs.
    EXPECT_EQ(usul.Cell(10).loudness, 0);
    EXPECT_EQ(usul.Cell(10).syllable, std::string(3, '\0'));
    EXPECT_EQ(usul.Cell(11).separator, 0);
}

TEST(Relayout, StrokesCarryTheirDataAndSparesStay) {
    UsulRecord usul = UsulWithRight({{3, 16}});
    usul.Cell(3).loudness = 3;
    usul.Cell(3).syllable = "Düm";
    usul.Cell(7).leftDuration = 24;  // a dotted quarter on the left hand
    usul.Cell(7).syllable = "Tek";
    usul.Cell(1).spare1 = 7;
    usul.Cell(3).spare2 = 9;
    usul.Cell(9).rightDuration = 8;
    usul.Cell(9).leftDuration = 16;  // both hands: the right hand wins
    YeniDizilim(usul, 63, MevcutHalka(usul));
    // quarter and dotted quarter both take 8 empty rings at level 63
    EXPECT_EQ(StrokeRings(usul), (std::vector<int>{1, 10, 19}));
    EXPECT_EQ(usul.Cell(1).rightDuration, 16);
    EXPECT_EQ(usul.Cell(1).loudness, 3);
    EXPECT_EQ(usul.Cell(1).syllable, "Düm");
    EXPECT_EQ(usul.Cell(10).leftDuration, 24);
    EXPECT_EQ(usul.Cell(10).rightDuration, 0);
    EXPECT_EQ(usul.Cell(10).syllable, "Tek");
    EXPECT_EQ(usul.Cell(19).rightDuration, 8);
    EXPECT_EQ(usul.Cell(19).leftDuration, 0);
    EXPECT_EQ(usul.Cell(3).loudness, 0);
    EXPECT_EQ(usul.Cell(1).spare1, 7);
    EXPECT_EQ(usul.Cell(3).spare2, 9);
}

TEST(Relayout, LeftHandFirstStrokeMovesToRingOne) {
    UsulRecord usul;
    usul.Cell(4).leftDuration = 8;
    usul.Cell(3).separator = 1;  // before the first stroke: nothing to keep it apart from
    usul.Cell(9).rightDuration = 8;
    YeniDizilim(usul, 63, MevcutHalka(usul));
    EXPECT_EQ(StrokeRings(usul), (std::vector<int>{1, 6}));
    EXPECT_EQ(usul.Cell(1).leftDuration, 8);
    for (int c = 1; c <= kCellCount; ++c) EXPECT_EQ(usul.Cell(c).separator, 0) << c;
}

TEST(Relayout, SeparatorsMoveWithTheirStrokeOrAreDropped) {
    UsulRecord usul = UsulWithRight({{1, 8}, {6, 8}, {11, 8}});
    usul.Cell(5).separator = 1;                // just before the stroke in 6: moves with it
    usul.Cell(8).separator = 1;                // in the middle of a gap: lost
    usul.Cell(11).separator = 1;               // after the last stroke: lost
    YeniDizilim(usul, 16, MevcutHalka(usul));  // eighth spacing 1
    EXPECT_EQ(StrokeRings(usul), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(usul.Cell(2).separator, 1);
    for (int c = 3; c <= kCellCount; ++c) EXPECT_EQ(usul.Cell(c).separator, 0) << c;
}

TEST(Relayout, UnclassedDurationKeepsItsPlaceWithoutSpacing) {
    const UsulRecord usul = UsulWithRight({{1, 8}, {6, 5}, {9, 8}});
    UsulRecord laid = usul;
    YeniDizilim(laid, 63, 9);
    EXPECT_EQ(StrokeRings(laid), (std::vector<int>{1, 6, 7}));
    EXPECT_EQ(laid.Cell(6).rightDuration, 5);
    EXPECT_EQ(YeniHalka(usul, 63, 9), 7);
}

TEST(Relayout, LevelOnePacksAndOverflowIsRefused) {
    UsulRecord usul;
    for (int c = 1; c <= kCellCount; c += 2) usul.Cell(c).rightDuration = 4;
    EXPECT_EQ(YeniHalka(usul, 1, MevcutHalka(usul)), 90);
    // At level 63 every sixteenth takes two empty rings: 90 strokes need 268 rings.
    EXPECT_EQ(YeniHalka(usul, 63, MevcutHalka(usul)), 268);
    const UsulRecord before = usul;
    YeniDizilim(usul, 63, MevcutHalka(usul));
    EXPECT_EQ(usul, before);  // would lose strokes: nothing changes
    YeniDizilim(usul, 1, MevcutHalka(usul));
    EXPECT_EQ(StrokeRings(usul).size(), 90u);
    EXPECT_EQ(MevcutHalka(usul), 90);
}

}  // namespace
}  // namespace ritmora
