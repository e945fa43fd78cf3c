#include "notation/note_values.h"

#include <gtest/gtest.h>

#include <vector>

#include "notation/geometry.h"

namespace ritmora {
namespace {

TEST(NoteValues, ClassesGlyphsAndDotsAtTheEdges) {
    struct Case {
        int duration, noteClass, right, left, dots;
    };
    for (const Case& c :
         {Case{64, 0, 159, 159, 0}, Case{112, 0, 159, 159, 2}, Case{48, 1, 160, 161, 1},
          Case{28, 2, 162, 163, 2}, Case{12, 3, 164, 165, 1}, Case{7, 4, 166, 167, 2},
          Case{2, 5, 168, 169, 0}, Case{3, 5, 168, 169, 1}, Case{5, -1, 0, 0, 0},
          Case{1, -1, 0, 0, 0}, Case{128, -1, 0, 0, 0}}) {
        EXPECT_EQ(NoteClass(c.duration), c.noteClass) << c.duration;
        EXPECT_EQ(RightGlyphCode(c.duration), c.right) << c.duration;
        EXPECT_EQ(LeftGlyphCode(c.duration), c.left) << c.duration;
        EXPECT_EQ(DotCount(c.duration), c.dots) << c.duration;
    }
}

TEST(NoteValues, DotAndLoudnessCycles) {
    const std::vector<std::pair<int, int>> dots = {{2, 3},   {3, 2},    {16, 24},  {24, 28},
                                                   {28, 16}, {64, 96},  {112, 64}, {0, 0},
                                                   {5, 5},   {200, 200}};
    for (const auto& [from, to] : dots) EXPECT_EQ(StepDots(from), to) << from;
    const std::vector<std::pair<int, int>> loudness = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {9, 0}};
    for (const auto& [from, to] : loudness) EXPECT_EQ(StepLoudness(from), to) << from;
}

TEST(Geometry, RowsAndPictureTop) {
    for (const auto& [lastRing, rows] :
         std::vector<std::pair<int, int>>{{0, 1}, {45, 1}, {46, 2}, {135, 3}, {136, 4}}) {
        EXPECT_EQ(RowCountForLastRing(lastRing), rows) << lastRing;
    }
    EXPECT_EQ(NotationPictureTop(700, 4), 4);
    EXPECT_EQ(NotationPictureTop(701, 1), 225);  // 300.5 rounds to 300
    EXPECT_EQ(NotationPictureTop(703, 1), 227);  // 301.5 rounds to 302
}

}  // namespace
}  // namespace ritmora
