// The notation of any stored record: presses and menu choices on its rings, the duration and
// spacing commands, undo and redo, and the drawing. Strokes are never lost by a re-layout, the
// drawing stays on the picture, and the record can always be stored again.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "library/usul_record.h"
#include "notation/edit_history.h"
#include "notation/edit_rules.h"
#include "notation/geometry.h"
#include "notation/notation_scene.h"
#include "notation/note_values.h"
#include "notation/relayout.h"
#include "notation/spacing_table.h"
#include "notation/transforms.h"

using namespace ritmora;
using ritmora::fuzz::Require;

namespace {

// The durations of the strokes in order, the right hand's where a cell holds both, as a
// re-layout keeps them.
std::vector<int> StrokeDurations(const UsulRecord& usul) {
    std::vector<int> durations;
    for (const StrokeCell& cell : usul.cells) {
        if (!cell.IsEmpty()) durations.push_back(cell.Duration());
    }
    return durations;
}

void CheckRelayout(const UsulRecord& usul, int level) {
    const int last = MevcutHalka(usul);
    const int ring = YeniHalka(usul, level, last);
    UsulRecord laid = usul;
    YeniDizilim(laid, level, last);
    if (ring > kCellCount) {
        Require(laid == usul, "a re-layout that does not fit changes nothing");
        return;
    }
    Require(MevcutHalka(laid) == ring, "the dry run names the last stroke's new ring");
    Require(StrokeDurations(laid).size() == StrokeDurations(usul).size(), "no stroke is lost");
}

// One press on the picture, followed by the choice the press opens, as the editor does it.
void Press(UsulRecord& usul, FuzzedDataProvider& input) {
    const int x = input.ConsumeIntegralInRange(-10, kNotationWidth + 10);
    const int y = input.ConsumeIntegralInRange(-10, kMaxRows * kRowHeight + 10);
    const RingHit hit = HitTestPress(x, y);
    Require(HoverRing(x, y) == (hit.kind == RingHit::Ring ? hit.ring : 0), "hover = press");
    if (hit.kind == RingHit::None) return;
    Require(hit.ring >= 1 && hit.ring <= kCellCount, "a press hits a real ring");
    StrokeCell& cell = usul.Cell(hit.ring);
    if (hit.kind == RingHit::Gap) {
        ToggleSeparator(cell);
        return;
    }
    const bool left = input.ConsumeBool();
    switch (ZoneOfPress(y - hit.rowTop)) {
        case PressZone::UpperLine:
        case PressZone::LowerLine: {
            const bool upper = ZoneOfPress(y - hit.rowTop) == PressZone::UpperLine;
            std::uint8_t& duration = upper ? cell.rightDuration : cell.leftDuration;
            if (left) {
                cell.loudness = static_cast<std::uint8_t>(StepLoudness(cell.loudness));
            } else {
                duration = static_cast<std::uint8_t>(StepDots(duration));
            }
            break;
        }
        case PressZone::Ring:
            if (left) {
                ApplyNoteMenuItem(cell, input.ConsumeIntegralInRange(-1, kNoteMenuItems));
            } else {
                ApplySyllable(cell, input.ConsumeIntegralInRange(-1, 9));
            }
            break;
        case PressZone::None:
            break;
    }
}

void Transform(UsulRecord& usul, int command) {
    const UsulRecord before = usul;
    const std::size_t strokes = StrokeDurations(usul).size();
    TransformResult result = TransformResult::Unchanged;
    switch (command) {
        case 0:
            result = DoubleDurations(usul);
            break;
        case 1:
            result = HalveDurations(usul);
            break;
        case 2:
            result = Shorten(usul);
            if (result == TransformResult::Changed) {
                Require(MevcutHalka(usul) < MevcutHalka(before), "shorten shortens");
            }
            break;
        case 3:
            result = Extend(usul);
            if (result == TransformResult::Changed) {
                Require(MevcutHalka(usul) > MevcutHalka(before), "extend extends");
            }
            break;
        default:
            result = AutoLayout(usul);
            break;
    }
    Require(result != TransformResult::Refused || usul == before, "a refusal changes nothing");
    Require(result != TransformResult::Unchanged || usul == before, "unchanged means unchanged");
    Require(StrokeDurations(usul).size() == strokes, "a command keeps every stroke");
}

void CheckScene(const UsulRecord& usul) {
    const NotationScene scene = BuildNotationScene(usul, {"f", "m", "p"});
    const int height = scene.rows * kRowHeight;
    Require(scene.total == SumOfDurations(usul), "the drawn total is the record's");
    auto inside = [height](int x, int y) {
        return x >= 0 && x < kNotationWidth && y >= 0 && y < height;
    };
    for (const SceneGlyph& glyph : scene.glyphs) {
        Require(glyph.code >= kFirstGlyphCode && glyph.code <= kLastGlyphCode, "a known glyph");
        Require(inside(glyph.x, glyph.y), "glyphs stand on the picture");
    }
    for (const ScenePoint& dot : scene.dotPixels) Require(inside(dot.x, dot.y), "dots too");
    for (const SceneLine& dash : scene.separatorDashes) {
        Require(inside(dash.x1, dash.y1) && inside(dash.x2, dash.y2), "separators too");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    RecordBytes bytes{};
    const std::vector<std::uint8_t> stored = input.ConsumeBytes<std::uint8_t>(kRecordSize);
    std::copy(stored.begin(), stored.end(), bytes.begin());
    UsulRecord usul = DecodeUsulRecord(bytes);

    for (int level : {kMinLevel, 16, 53, kMaxLevel}) CheckRelayout(usul, level);
    CheckScene(usul);

    EditHistory history;
    EditorState state;
    state.cells = usul.cells;
    history.Reset(state);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 3)) {
            case 0:
                Press(usul, input);
                break;
            case 1:
                Transform(usul, input.ConsumeIntegralInRange(0, 4));
                break;
            case 2:
                if (const auto undone = history.Undo()) usul.cells = undone->cells;
                break;
            default:
                if (const auto redone = history.Redo()) usul.cells = redone->cells;
                break;
        }
        state.cells = usul.cells;
        history.Record(state);
        Require(history.Present() == state, "the history's present is the record");
        CheckRelayout(usul, input.ConsumeIntegralInRange(kMinLevel, kMaxLevel));
    }
    CheckScene(usul);
    Require(DecodeUsulRecord(EncodeUsulRecord(usul)) == usul, "an edited record can be stored");
    return 0;
}
