#include "notation/edit_rules.h"

#include <gtest/gtest.h>

namespace ritmora {
namespace {

TEST(HitTest, ColumnsRingsAndGaps) {
    EXPECT_EQ(HitTestPress(34, 75).kind, RingHit::None);
    const RingHit first = HitTestPress(35, 75);
    EXPECT_EQ(first.kind, RingHit::Ring);
    EXPECT_EQ(first.ring, 1);
    EXPECT_EQ(first.rowTop, 0);
    EXPECT_EQ(HitTestPress(935, 75).kind, RingHit::None);
    EXPECT_EQ(HitTestPress(936, 75).kind, RingHit::None);
    const int cx = 40 + 20 * 4;  // ring 5
    for (int x = cx - 5; x <= cx + 5; ++x) {
        const RingHit hit = HitTestPress(x, 75);
        EXPECT_EQ(hit.kind, RingHit::Ring) << x;
        EXPECT_EQ(hit.ring, 5) << x;
    }
    for (int x = cx + 6; x <= cx + 14; ++x) {
        const RingHit hit = HitTestPress(x, 75);
        EXPECT_EQ(hit.kind, RingHit::Gap) << x;
        EXPECT_EQ(hit.ring, 5) << x;
    }
    EXPECT_EQ(HitTestPress(cx + 15, 75).ring, 6);
    EXPECT_EQ(HitTestPress(cx + 15, 75).kind, RingHit::Ring);
    EXPECT_EQ(HitTestPress(934, 75).kind, RingHit::Gap);
    EXPECT_EQ(HitTestPress(934, 75).ring, 45);
}

TEST(HitTest, RowBandsAndHover) {
    EXPECT_EQ(HitTestPress(40, 54).kind, RingHit::None);
    EXPECT_EQ(HitTestPress(40, 55).ring, 1);
    EXPECT_EQ(HitTestPress(40, 95).ring, 1);
    EXPECT_EQ(HitTestPress(40, 96).kind, RingHit::None);
    EXPECT_EQ(HitTestPress(40, 204).kind, RingHit::None);
    const RingHit second = HitTestPress(40, 205);
    EXPECT_EQ(second.ring, 46);
    EXPECT_EQ(second.rowTop, 150);
    EXPECT_EQ(HitTestPress(40, 395).ring, 91);
    EXPECT_EQ(HitTestPress(920, 545).ring, 180);
    EXPECT_EQ(HitTestPress(920, 546).kind, RingHit::None);

    EXPECT_EQ(HoverRing(40, 375), 91);
    EXPECT_EQ(HoverRing(50, 75), 0);  // a gap shows no number
    EXPECT_EQ(HoverRing(20, 75), 0);
    EXPECT_EQ(HoverRing(40, 100), 0);
}

TEST(HitTest, ZonesInsideARow) {
    EXPECT_EQ(ZoneOfPress(54), PressZone::None);
    EXPECT_EQ(ZoneOfPress(55), PressZone::UpperLine);
    EXPECT_EQ(ZoneOfPress(67), PressZone::UpperLine);
    EXPECT_EQ(ZoneOfPress(68), PressZone::Ring);
    EXPECT_EQ(ZoneOfPress(83), PressZone::Ring);
    EXPECT_EQ(ZoneOfPress(84), PressZone::LowerLine);
    EXPECT_EQ(ZoneOfPress(95), PressZone::LowerLine);
    EXPECT_EQ(ZoneOfPress(96), PressZone::None);
}

TEST(NoteMenu, ItemsSetOneHandAndClearLoudnessAndSyllable) {
    const int right[] = {2, 4, 8, 16, 32, 64};
    const int left[] = {64, 32, 16, 8, 4, 2};
    for (int item = 0; item < kNoteMenuItems; ++item) {
        StrokeCell cell;
        cell.rightDuration = 24;
        cell.leftDuration = 12;
        cell.loudness = 3;
        cell.syllable = "Tek";
        ApplyNoteMenuItem(cell, item);
        EXPECT_EQ(cell.loudness, 0) << item;
        EXPECT_EQ(cell.syllable, "   ") << item;
        if (item <= 5) {
            EXPECT_EQ(cell.rightDuration, right[item]) << item;
            EXPECT_EQ(cell.leftDuration, 12) << item;
        } else if (item == 6) {
            EXPECT_EQ(cell.rightDuration, 0);
            EXPECT_EQ(cell.leftDuration, 12);
        } else if (item == 7) {
            EXPECT_EQ(cell.rightDuration, 24);
            EXPECT_EQ(cell.leftDuration, 12);
        } else if (item == 8) {
            EXPECT_EQ(cell.rightDuration, 24);
            EXPECT_EQ(cell.leftDuration, 0);
        } else {
            EXPECT_EQ(cell.leftDuration, left[item - 9]) << item;
            EXPECT_EQ(cell.rightDuration, 24) << item;
        }
    }
    StrokeCell untouched;
    untouched.loudness = 2;
    ApplyNoteMenuItem(untouched, 15);
    ApplyNoteMenuItem(untouched, -1);
    EXPECT_EQ(untouched.loudness, 2);
}

TEST(SyllableMenu, CaptionsPaddedToThreeCharacters) {
    const auto& captions = SyllableMenuCaptions();
    EXPECT_EQ(captions[0], "Düm");
    EXPECT_EQ(captions[5], "Kâ");
    StrokeCell cell;
    ApplySyllable(cell, 1);
    EXPECT_EQ(cell.syllable, "Dü ");
    ApplySyllable(cell, 5);
    EXPECT_EQ(cell.syllable, "Kâ ");
    ApplySyllable(cell, 7);
    EXPECT_EQ(cell.syllable, "Hek");
    ApplySyllable(cell, 9);
    EXPECT_EQ(cell.syllable, "Hek");
}

TEST(Separator, Toggle) {
    StrokeCell cell;
    ToggleSeparator(cell);
    EXPECT_EQ(cell.separator, 1);
    ToggleSeparator(cell);
    EXPECT_EQ(cell.separator, 0);
    cell.separator = 5;
    ToggleSeparator(cell);
    EXPECT_EQ(cell.separator, 1);
}

}  // namespace
}  // namespace ritmora
