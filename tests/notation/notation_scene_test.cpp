#include "notation/notation_scene.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/notation/test_usul.h"

namespace ritmora {
namespace {

using testing::UsulWithRight;

const std::array<std::string, 3> kLetters = {"F", "M", "P"};

bool HasPixel(const std::vector<ScenePoint>& pixels, int x, int y) {
    return std::any_of(pixels.begin(), pixels.end(),
                       [&](const ScenePoint& p) { return p.x == x && p.y == y; });
}

TEST(NotationScene, EmptyUsulIsOneRowOfRings) {
    const NotationScene scene = BuildNotationScene(UsulRecord{}, kLetters);
    EXPECT_EQ(scene.rows, 1);
    EXPECT_EQ(scene.total, 0);
    EXPECT_EQ(scene.ringCentres.size(), 45u);
    ASSERT_EQ(scene.staffLines.size(), 2u);
    EXPECT_EQ(scene.staffLines[0].y1, 60);
    EXPECT_EQ(scene.staffLines[0].x1, 20);
    EXPECT_EQ(scene.staffLines[0].x2, 940);
    EXPECT_EQ(scene.staffLines[1].y1, 90);
    EXPECT_TRUE(scene.rowDividers.empty());
    EXPECT_TRUE(scene.glyphs.empty());
}

TEST(NotationScene, RowsAndDividers) {
    EXPECT_EQ(BuildNotationScene(UsulWithRight({{46, 8}}), kLetters).rows, 2);
    const NotationScene four = BuildNotationScene(UsulWithRight({{180, 8}}), kLetters);
    EXPECT_EQ(four.rows, 4);
    EXPECT_EQ(four.ringCentres.size(), 180u);
    std::vector<int> ys;
    for (const SceneLine& line : four.rowDividers) {
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.x2, 960);
        ys.push_back(line.y1);
    }
    EXPECT_EQ(ys, (std::vector<int>{149, 150, 299, 300, 449, 450}));
}

TEST(NotationScene, GlyphsDotsTextsAndTotal) {
    UsulRecord usul;
    usul.Cell(1).rightDuration = 24;  // dotted quarter, right hand
    usul.Cell(1).loudness = 3;
    usul.Cell(1).syllable = "Düm";
    usul.Cell(47).leftDuration = 7;  // double-dotted sixteenth, left hand, row 2 column 2
    usul.Cell(47).loudness = 1;
    usul.Cell(47).syllable = std::string("Te\0", 3);
    usul.Cell(50).rightDuration = 8;  // both hands: right counts in the total
    usul.Cell(50).leftDuration = 16;
    usul.Cell(52).rightDuration = 5;  // no glyph, still counted
    const NotationScene scene = BuildNotationScene(usul, kLetters);

    ASSERT_EQ(scene.glyphs.size(), 4u);
    EXPECT_EQ(scene.glyphs[0].code, 162);
    EXPECT_EQ(scene.glyphs[0].x, 36);
    EXPECT_EQ(scene.glyphs[0].y, 18);
    EXPECT_EQ(scene.glyphs[1].code, 167);
    EXPECT_EQ(scene.glyphs[1].x, 56);
    EXPECT_EQ(scene.glyphs[1].y, 150 + 49);
    EXPECT_EQ(scene.glyphs[2].code, 164);
    EXPECT_EQ(scene.glyphs[3].code, 163);
    EXPECT_EQ(scene.total, 24 + 7 + 8 + 5);

    EXPECT_TRUE(HasPixel(scene.dotPixels, 36 + 14, 58));   // one dot on the upper line
    EXPECT_TRUE(HasPixel(scene.dotPixels, 56 + 17, 239));  // two dots on the lower line
    EXPECT_TRUE(HasPixel(scene.dotPixels, 56 + 12, 241));
    EXPECT_EQ(scene.dotPixels.size(), 16u);

    ASSERT_EQ(scene.syllables.size(), 4u);
    EXPECT_EQ(scene.syllables[0].text, "Düm");
    EXPECT_EQ(scene.syllables[0].x, 33);
    EXPECT_EQ(scene.syllables[0].y, 19);
    EXPECT_EQ(scene.syllables[1].text, "Te ");
    EXPECT_EQ(scene.syllables[1].y, 150 + 119);
    EXPECT_EQ(scene.syllables[3].text, "   ");  // NULs print as blanks
    ASSERT_EQ(scene.loudnessLetters.size(), 2u);
    EXPECT_EQ(scene.loudnessLetters[0].text, "F");
    EXPECT_EQ(scene.loudnessLetters[0].x, 37);
    EXPECT_EQ(scene.loudnessLetters[0].y, 4);
    EXPECT_EQ(scene.loudnessLetters[1].text, "P");
    EXPECT_EQ(scene.loudnessLetters[1].y, 150 + 134);
}

TEST(NotationScene, SeparatorsUpToTheLastStroke) {
    UsulRecord usul = UsulWithRight({{1, 8}, {6, 8}});
    usul.Cell(3).separator = 1;  // empty ring before the last stroke: drawn
    usul.Cell(6).separator = 1;  // on the last stroke's ring: drawn
    usul.Cell(9).separator = 1;  // beyond the last stroke: stored, not drawn
    const NotationScene scene = BuildNotationScene(usul, kLetters);
    ASSERT_EQ(scene.separatorDashes.size(), 6u);
    const SceneLine& first = scene.separatorDashes[0];
    EXPECT_EQ(first.x1, 76 + 14);
    EXPECT_EQ(first.y1, 61);
    EXPECT_EQ(first.y2, 66);
    EXPECT_EQ(scene.separatorDashes[2].y1, 84);
    EXPECT_EQ(scene.separatorDashes[2].y2, 89);
    EXPECT_EQ(scene.separatorDashes[3].x1, 136 + 14);
}

TEST(NotationScene, DotAndRingPixels) {
    EXPECT_EQ(DotPixelOffsets(0).size(), 0u);
    EXPECT_EQ(DotPixelOffsets(1).size(), 8u);
    EXPECT_EQ(DotPixelOffsets(2).size(), 8u);
    EXPECT_EQ(DotPixelOffsets(3).size(), 0u);
    const auto ring = RingOutlineOffsets();
    auto has = [&](int dx, int dy) {
        return std::any_of(ring.begin(), ring.end(),
                           [&](const PixelOffset& p) { return p.dx == dx && p.dy == dy; });
    };
    EXPECT_TRUE(has(5, 0));
    EXPECT_TRUE(has(-5, 0));
    EXPECT_TRUE(has(0, 5));
    EXPECT_TRUE(has(0, -5));
    EXPECT_FALSE(has(0, 0));
    for (const PixelOffset& p : ring) {
        const int r2 = p.dx * p.dx + p.dy * p.dy;
        EXPECT_GE(r2, 16);
        EXPECT_LE(r2, 36);
    }
}

}  // namespace
}  // namespace ritmora
