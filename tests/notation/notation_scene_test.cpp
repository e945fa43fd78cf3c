#include "notation/notation_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/notation/test_usul.h"

namespace ritmora {
namespace {

using testing::UsulWithRight;

const std::array<std::string, 3> kLetters = {"F", "M", "P"};

using Placed = std::tuple<std::string, int, int>;  // a glyph code or a text, left, top

template <typename T>
std::vector<Placed> PlacedOf(const std::vector<T>& items) {
    std::vector<Placed> placed;
    for (const T& item : items) {
        if constexpr (std::is_same_v<T, SceneGlyph>) {
            placed.emplace_back(std::to_string(item.code), item.x, item.y);
        } else {
            placed.emplace_back(item.text, item.x, item.y);
        }
    }
    return placed;
}

std::vector<std::array<int, 4>> Ends(const std::vector<SceneLine>& lines) {
    std::vector<std::array<int, 4>> ends;
    for (const SceneLine& l : lines) ends.push_back({l.x1, l.y1, l.x2, l.y2});
    return ends;
}

TEST(NotationScene, StaffRowsAndDividers) {
    const NotationScene empty = BuildNotationScene(UsulRecord{}, kLetters);
    EXPECT_EQ(empty.rows, 1);
    EXPECT_EQ(empty.total, 0);
    EXPECT_EQ(empty.ringCentres.size(), 45u);
    EXPECT_EQ(Ends(empty.staffLines),
              (std::vector<std::array<int, 4>>{{20, 60, 940, 60}, {20, 90, 940, 90}}));
    EXPECT_TRUE(empty.rowDividers.empty() && empty.glyphs.empty());

    EXPECT_EQ(BuildNotationScene(UsulWithRight({{46, 8}}), kLetters).rows, 2);
    const NotationScene four = BuildNotationScene(UsulWithRight({{180, 8}}), kLetters);
    EXPECT_EQ(four.rows, 4);
    EXPECT_EQ(four.ringCentres.size(), 180u);
    EXPECT_EQ(four.ringCentres.back().x, 920);
    EXPECT_EQ(four.ringCentres.back().y, 450 + 75);
    EXPECT_EQ(Ends(four.rowDividers), (std::vector<std::array<int, 4>>{{0, 149, 960, 149},
                                                                       {0, 150, 960, 150},
                                                                       {0, 299, 960, 299},
                                                                       {0, 300, 960, 300},
                                                                       {0, 449, 960, 449},
                                                                       {0, 450, 960, 450}}));
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

    EXPECT_EQ(PlacedOf(scene.glyphs),
              (std::vector<Placed>{
                  {"162", 36, 18}, {"167", 56, 199}, {"164", 116, 168}, {"163", 116, 199}}));
    EXPECT_EQ(scene.total, 24 + 7 + 8 + 5);
    auto hasDot = [&](int x, int y) {
        return std::any_of(scene.dotPixels.begin(), scene.dotPixels.end(),
                           [&](const ScenePoint& p) { return p.x == x && p.y == y; });
    };
    EXPECT_TRUE(hasDot(36 + 14, 58));   // one dot on the upper line
    EXPECT_TRUE(hasDot(56 + 17, 239));  // two dots on the lower line
    EXPECT_TRUE(hasDot(56 + 12, 241));
    EXPECT_EQ(scene.dotPixels.size(), 16u);
    EXPECT_EQ(PlacedOf(scene.syllables),
              (std::vector<Placed>{{"Düm", 33, 19},
                                   {"Te ", 53, 269},
                                   {"   ", 113, 169},
                                   {"   ", 153, 169}}));  // NULs print as blanks
    EXPECT_EQ(PlacedOf(scene.loudnessLetters), (std::vector<Placed>{{"F", 37, 4}, {"P", 57, 284}}));
}

TEST(NotationScene, SeparatorsUpToTheLastStroke) {
    UsulRecord usul = UsulWithRight({{1, 8}, {6, 8}});
    usul.Cell(3).separator = 1;  // empty ring before the last stroke: drawn
    usul.Cell(6).separator = 1;  // on the last stroke's ring: drawn
    usul.Cell(9).separator = 1;  // beyond the last stroke: stored, not drawn
    const NotationScene scene = BuildNotationScene(usul, kLetters);
    EXPECT_EQ(Ends(scene.separatorDashes), (std::vector<std::array<int, 4>>{{90, 61, 90, 66},
                                                                            {90, 72, 90, 78},
                                                                            {90, 84, 90, 89},
                                                                            {150, 61, 150, 66},
                                                                            {150, 72, 150, 78},
                                                                            {150, 84, 150, 89}}));
}

}  // namespace
}  // namespace ritmora
