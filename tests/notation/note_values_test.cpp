#include "notation/note_values.h"

#include <gtest/gtest.h>

#include <vector>

#include "notation/geometry.h"

namespace ritmora {
namespace {

TEST(NoteValues, ClassesGlyphsAndDots) {
    struct Case {
        int duration, noteClass, right, left, dots;
    };
    const std::vector<Case> cases = {
        {64, 0, 159, 159, 0}, {96, 0, 159, 159, 1}, {112, 0, 159, 159, 2}, {32, 1, 160, 161, 0},
        {48, 1, 160, 161, 1}, {56, 1, 160, 161, 2}, {16, 2, 162, 163, 0},  {24, 2, 162, 163, 1},
        {28, 2, 162, 163, 2}, {8, 3, 164, 165, 0},  {12, 3, 164, 165, 1},  {14, 3, 164, 165, 2},
        {4, 4, 166, 167, 0},  {6, 4, 166, 167, 1},  {7, 4, 166, 167, 2},   {2, 5, 168, 169, 0},
        {3, 5, 168, 169, 1},  {5, -1, 0, 0, 0},     {0, -1, 0, 0, 0},      {1, -1, 0, 0, 0},
        {128, -1, 0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(NoteClass(c.duration), c.noteClass) << c.duration;
        EXPECT_EQ(RightGlyphCode(c.duration), c.right) << c.duration;
        EXPECT_EQ(LeftGlyphCode(c.duration), c.left) << c.duration;
        EXPECT_EQ(DotCount(c.duration), c.dots) << c.duration;
    }
}

TEST(NoteValues, DotCycles) {
    auto cycle = [](int start, int steps) {
        std::vector<int> seen{start};
        for (int i = 0; i < steps; ++i) seen.push_back(StepDots(seen.back()));
        return seen;
    };
    EXPECT_EQ(cycle(2, 3), (std::vector<int>{2, 3, 2, 3}));
    EXPECT_EQ(cycle(16, 3), (std::vector<int>{16, 24, 28, 16}));
    EXPECT_EQ(cycle(4, 3), (std::vector<int>{4, 6, 7, 4}));
    EXPECT_EQ(cycle(64, 3), (std::vector<int>{64, 96, 112, 64}));
    EXPECT_EQ(StepDots(0), 0);
    EXPECT_EQ(StepDots(5), 5);
    EXPECT_EQ(StepDots(200), 200);
}

TEST(NoteValues, LoudnessCycleAndStrayValues) {
    EXPECT_EQ(StepLoudness(0), 1);
    EXPECT_EQ(StepLoudness(1), 2);
    EXPECT_EQ(StepLoudness(2), 3);
    EXPECT_EQ(StepLoudness(3), 0);
    EXPECT_EQ(StepLoudness(9), 0);
    EXPECT_EQ(StepLoudness(255), 0);
}

TEST(Geometry, RingsRowsAndPictureTop) {
    EXPECT_EQ(RowOfRing(1), 1);
    EXPECT_EQ(RowOfRing(45), 1);
    EXPECT_EQ(RowOfRing(46), 2);
    EXPECT_EQ(RowOfRing(180), 4);
    EXPECT_EQ(ColumnOfRing(91), 1);
    EXPECT_EQ(ColumnOfRing(180), 45);
    EXPECT_EQ(RingCentreX(1), 40);
    EXPECT_EQ(RingCentreX(45), 920);
    EXPECT_EQ(RingCentreY(2), 225);
    EXPECT_EQ(GlyphLeftX(2), 56);
    EXPECT_EQ(RowCountForLastRing(0), 1);
    EXPECT_EQ(RowCountForLastRing(45), 1);
    EXPECT_EQ(RowCountForLastRing(46), 2);
    EXPECT_EQ(RowCountForLastRing(135), 3);
    EXPECT_EQ(RowCountForLastRing(136), 4);
    EXPECT_EQ(NotationPictureTop(700, 1), 225);
    EXPECT_EQ(NotationPictureTop(700, 4), 4);
    EXPECT_EQ(NotationPictureTop(701, 1), 225);  // 300.5 rounds to 300
    EXPECT_EQ(NotationPictureTop(703, 1), 227);  // 301.5 rounds to 302
}

}  // namespace
}  // namespace ritmora
