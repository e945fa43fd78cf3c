#include "notation/notation_scene.h"

#include <algorithm>

#include "notation/geometry.h"
#include "notation/note_values.h"
#include "notation/relayout.h"

namespace ritmora {
namespace {

constexpr std::array<PixelOffset, 8> kOneDot = {
    {{13, -1}, {13, 1}, {14, -2}, {14, -1}, {14, 1}, {14, 2}, {15, -1}, {15, 1}}};
constexpr std::array<PixelOffset, 8> kTwoDots = {
    {{12, -1}, {12, 1}, {13, -1}, {13, 1}, {16, -1}, {16, 1}, {17, -1}, {17, 1}}};

// Midpoint circle of radius 5: the same pixels on every platform, so hiding a ring in white
// and restoring it in grey always hits the same places.
std::vector<PixelOffset> MakeRingOutline() {
    std::vector<PixelOffset> pixels;
    int x = kRingRadius;
    int y = 0;
    int error = 1 - x;
    while (x >= y) {
        const PixelOffset octant[8] = {{x, y},   {y, x},   {-y, x}, {-x, y},
                                       {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const PixelOffset& p : octant) {
            const bool known = std::any_of(pixels.begin(), pixels.end(), [&](const PixelOffset& q) {
                return q.dx == p.dx && q.dy == p.dy;
            });
            if (!known) pixels.push_back(p);
        }
        ++y;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            --x;
            error += 2 * (y - x) + 1;
        }
    }
    return pixels;
}

std::string Printable(const std::string& text) {
    std::string out = text;
    std::replace(out.begin(), out.end(), '\0', ' ');
    return out;
}

void AddDots(NotationScene& scene, int duration, int x, int y) {
    for (const PixelOffset& offset : DotPixelOffsets(DotCount(duration))) {
        scene.dotPixels.push_back({x + offset.dx, y + offset.dy});
    }
}

}  // namespace

std::span<const PixelOffset> DotPixelOffsets(int dotCount) {
    if (dotCount == 1) return kOneDot;
    if (dotCount == 2) return kTwoDots;
    return {};
}

std::span<const PixelOffset> RingOutlineOffsets() {
    static const std::vector<PixelOffset> outline = MakeRingOutline();
    return outline;
}

NotationScene BuildEmptyStaffScene(int rows) {
    NotationScene scene;
    scene.rows = std::clamp(rows, 1, kMaxRows);
    for (int row = 1; row <= scene.rows; ++row) {
        const int top = RowTop(row);
        scene.staffLines.push_back(
            {kStaffLeft, top + kUpperLineOffset, kStaffRight, top + kUpperLineOffset});
        scene.staffLines.push_back(
            {kStaffLeft, top + kLowerLineOffset, kStaffRight, top + kLowerLineOffset});
        for (int k = 1; k <= kRingsPerRow; ++k) {
            scene.ringCentres.push_back({RingCentreX(k), RingCentreY(row)});
        }
    }
    for (int row = 2; row <= scene.rows; ++row) {
        const int boundary = RowTop(row);
        scene.rowDividers.push_back({0, boundary - 1, kDividerRight, boundary - 1});
        scene.rowDividers.push_back({0, boundary, kDividerRight, boundary});
    }
    return scene;
}

NotationScene BuildNotationScene(const UsulRecord& usul,
                                 const std::array<std::string, 3>& loudnessLetters) {
    const int last = MevcutHalka(usul);
    NotationScene scene = BuildEmptyStaffScene(RowCountForLastRing(last));
    scene.lastRing = last;

    for (int c = 1; c <= last; ++c) {
        const StrokeCell& cell = usul.Cell(c);
        const int column = ColumnOfRing(c);
        const int top = RowTop(RowOfRing(c));
        const int x = GlyphLeftX(column);
        const int glyphTop = top + kRightGlyphOffset;

        if (!cell.IsEmpty()) {
            if (const int code = RightGlyphCode(cell.rightDuration); code != kNoGlyph) {
                scene.glyphs.push_back({code, x, glyphTop});
            }
            AddDots(scene, cell.rightDuration, x, top + kUpperLineOffset);
            if (const int code = LeftGlyphCode(cell.leftDuration); code != kNoGlyph) {
                scene.glyphs.push_back({code, x, glyphTop + 31});
            }
            AddDots(scene, cell.leftDuration, x, top + kLowerLineOffset);

            const bool right = cell.rightDuration != 0;
            scene.syllables.push_back({Printable(cell.syllable), x - 3, top + (right ? 19 : 119)});
            if (cell.loudness >= 1 && cell.loudness <= 3) {
                // loudness 3 is loud, 2 medium, 1 soft; the letters come loud first.
                const std::string& letter =
                    loudnessLetters[static_cast<std::size_t>(3 - cell.loudness)];
                scene.loudnessLetters.push_back({letter, x + 1, top + (right ? 4 : 134)});
            }
            scene.total += cell.Duration();
        }

        if (cell.separator == 1) {
            const int sx = x + kSeparatorShift;
            scene.separatorDashes.push_back({sx, top + 61, sx, top + 66});
            scene.separatorDashes.push_back({sx, top + 72, sx, top + 78});
            scene.separatorDashes.push_back({sx, top + 84, sx, top + 89});
        }
    }
    return scene;
}

}  // namespace ritmora
