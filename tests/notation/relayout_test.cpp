#include "notation/relayout.h"

#include <gtest/gtest.h>

#include "notation/spacing_table.h"
#include "tests/notation/test_usul.h"

namespace ritmora {
namespace {

using testing::NimSofyan;
using testing::StrokeRings;
using testing::UsulWithRight;

TEST(SpacingTable, TellingRowsWithHalvesToEvenAndSpacingByDuration) {
    const SpacingTable& table = StandardSpacingTable();
    const std::pair<int, std::array<int, 6>> rows[] = {{1, {0, 0, 0, 0, 0, 0}},
                                                       {5, {2, 1, 0, 0, 0, 0}},
                                                       {53, {26, 13, 6, 3, 2, 1}},
                                                       {62, {31, 16, 8, 4, 2, 1}},
                                                       {63, {32, 16, 8, 4, 2, 1}}};
    for (const auto& [level, row] : rows) {
        for (int m = 0; m < 6; ++m) EXPECT_EQ(table.Entry(level, m), row[m]) << level << " " << m;
    }
    EXPECT_EQ(table.Entry(64, 0) + table.Entry(0, 0) + table.Entry(63, 6), 0);
    // Dotted values take the spacing of their plain value; values without a class take none.
    for (const auto& [duration, spacing] :
         std::vector<std::pair<int, int>>{{16, 8}, {28, 8}, {112, 32}, {3, 1}, {5, 0}, {0, 0}}) {
        EXPECT_EQ(table.SpacingAfter(duration, 63), spacing) << duration;
    }
}

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

TEST(Relayout, StrokesCarryTheirDataSparesStayAndEverythingElseIsWiped) {
    UsulRecord usul;
    usul.Cell(3).leftDuration = 16;  // a left-hand first stroke moves to ring 1 all the same
    usul.Cell(3).loudness = 3;
    usul.Cell(3).syllable = "Tek";
    usul.Cell(2).separator = 1;       // before the first stroke: nothing to keep it apart from
    usul.Cell(7).rightDuration = 24;  // a dotted quarter
    usul.Cell(7).syllable = "Düm";
    usul.Cell(8).loudness = 2;  // stray data on empty cells
    usul.Cell(8).syllable = "Ka ";
    usul.Cell(1).spare1 = 7;
    usul.Cell(3).spare2 = 9;
    usul.Cell(9).rightDuration = 8;
    usul.Cell(9).leftDuration = 16;  // both hands: the right hand wins
    usul.Cell(9).separator = 1;      // on the last stroke: dropped
    UsulRecord expected;
    expected.Cell(1) = usul.Cell(3);  // quarter and dotted quarter take 8 empty rings at 63
    expected.Cell(1).spare1 = 7;
    expected.Cell(1).spare2 = 0;
    expected.Cell(3).spare2 = 9;
    expected.Cell(10).rightDuration = 24;
    expected.Cell(10).syllable = "Düm";
    expected.Cell(19).rightDuration = 8;
    YeniDizilim(usul, 63, MevcutHalka(usul));
    EXPECT_EQ(usul, expected);

    UsulRecord empty = expected;
    for (int ring : {10, 19}) empty.Cell(ring).rightDuration = empty.Cell(ring).leftDuration = 0;
    EXPECT_EQ(MevcutHalka(empty), 1);  // a stroke in ring 1 alone
    empty.Cell(1).rightDuration = empty.Cell(1).leftDuration = 0;
    EXPECT_EQ(MevcutHalka(empty), 0);
    EXPECT_EQ(YeniHalka(empty, 63, 0), 0);
    YeniDizilim(empty, 63, 0);
    expected = UsulRecord{};
    expected.Cell(1).spare1 = 7;
    expected.Cell(3).spare2 = 9;
    EXPECT_EQ(empty, expected);
}

TEST(Relayout, SeparatorsMoveWithTheirStrokeOrAreDropped) {
    UsulRecord usul = UsulWithRight({{1, 8}, {6, 8}, {11, 8}});
    usul.Cell(5).separator = 1;                // just before the stroke in 6: moves with it
    usul.Cell(8).separator = 1;                // in the middle of a gap: lost
    usul.Cell(11).separator = 1;               // after the last stroke: lost
    YeniDizilim(usul, 16, MevcutHalka(usul));  // eighth spacing 1
    UsulRecord expected = UsulWithRight({{1, 8}, {3, 8}, {5, 8}});
    expected.Cell(2).separator = 1;
    EXPECT_EQ(usul, expected);
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
