#include "notation/edit_rules.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

TEST(HitTest, RingsGapsAndRowBands) {
    struct Case {
        int x, y;
        RingHit::Kind kind;
        int ring, rowTop;
    };
    const Case cases[] = {
        {34, 75, RingHit::None, 0, 0},       {35, 75, RingHit::Ring, 1, 0},
        {115, 75, RingHit::Ring, 5, 0},      {125, 75, RingHit::Ring, 5, 0},  // ring 5 at x 120
        {126, 75, RingHit::Gap, 5, 0},       {134, 75, RingHit::Gap, 5, 0},
        {135, 75, RingHit::Ring, 6, 0},      {934, 75, RingHit::Gap, 45, 0},
        {935, 75, RingHit::None, 0, 0},      {40, 54, RingHit::None, 0, 0},
        {40, 55, RingHit::Ring, 1, 0},       {40, 95, RingHit::Ring, 1, 0},
        {40, 96, RingHit::None, 0, 0},       {40, 204, RingHit::None, 0, 0},
        {40, 205, RingHit::Ring, 46, 150},   {40, 395, RingHit::Ring, 91, 300},
        {920, 545, RingHit::Ring, 180, 450}, {920, 546, RingHit::None, 0, 0},
    };
    for (const Case& c : cases) {
        const RingHit hit = HitTestPress(c.x, c.y);
        EXPECT_EQ(hit.kind, c.kind) << c.x << "," << c.y;
        if (c.kind != RingHit::None) {
            EXPECT_EQ(hit.ring, c.ring) << c.x << "," << c.y;
            EXPECT_EQ(hit.rowTop, c.rowTop) << c.x << "," << c.y;
        }
    }
    EXPECT_EQ(HoverRing(40, 375), 91);
    EXPECT_EQ(HoverRing(50, 75), 0);  // a gap shows no number
    EXPECT_EQ(HoverRing(40, 100), 0);
    const std::pair<int, PressZone> zones[] = {
        {54, PressZone::None},      {55, PressZone::UpperLine}, {67, PressZone::UpperLine},
        {68, PressZone::Ring},      {83, PressZone::Ring},      {84, PressZone::LowerLine},
        {95, PressZone::LowerLine}, {96, PressZone::None}};
    for (const auto& [y, zone] : zones) EXPECT_EQ(ZoneOfPress(y), zone) << y;
}

TEST(NoteMenu, ItemsSetOneHandAndClearLoudnessAndSyllable) {
    // Items 0-5 right hand 2..64, 6 no right hand, 7 nothing, 8 no left hand, 9-14 left 64..2.
    const std::pair<int, int> hands[] = {{2, 12},  {4, 12},  {8, 12},  {16, 12}, {32, 12},
                                         {64, 12}, {0, 12},  {24, 12}, {24, 0},  {24, 64},
                                         {24, 32}, {24, 16}, {24, 8},  {24, 4},  {24, 2}};
    for (int item = 0; item < kNoteMenuItems; ++item) {
        StrokeCell cell;
        cell.rightDuration = 24;
        cell.leftDuration = 12;
        cell.loudness = 3;
        cell.syllable = "Tek";
        ApplyNoteMenuItem(cell, item);
        EXPECT_EQ(cell.loudness, 0) << item;
        EXPECT_EQ(cell.syllable, "   ") << item;
        EXPECT_EQ((std::pair<int, int>(cell.rightDuration, cell.leftDuration)), hands[item])
            << item;
    }
    StrokeCell untouched;
    untouched.loudness = 2;
    ApplyNoteMenuItem(untouched, 15);
    ApplyNoteMenuItem(untouched, -1);
    EXPECT_EQ(untouched.loudness, 2);
}

TEST(SyllableAndSeparator, PaddedCaptionsAndToggle) {
    StrokeCell cell;
    for (const auto& [item, syllable] :
         std::vector<std::pair<int, std::string>>{{1, "Dü "}, {5, "Kâ "}, {7, "Hek"}, {9, "Hek"}}) {
        ApplySyllable(cell, item);
        EXPECT_EQ(cell.syllable, syllable) << item;
    }
    for (int separator : {1, 0, 1}) {
        ToggleSeparator(cell);
        EXPECT_EQ(cell.separator, separator);
    }
    cell.separator = 5;
    ToggleSeparator(cell);
    EXPECT_EQ(cell.separator, 1);
}

}  // namespace
}  // namespace ritmora
