#include "notation/note_values.h"

#include <array>

namespace ritmora {
namespace {

// The plain value of each class and its dotted forms; a thirty-second takes one dot at most.
struct NoteForms {
    int plain, oneDot, twoDots;
};
constexpr std::array<NoteForms, 6> kForms = {
    {{64, 96, 112}, {32, 48, 56}, {16, 24, 28}, {8, 12, 14}, {4, 6, 7}, {2, 3, 0}}};

}  // namespace

int NoteClass(int duration) {
    if (duration <= 0) return -1;
    for (int m = 0; m < static_cast<int>(kForms.size()); ++m) {
        const NoteForms& forms = kForms[static_cast<std::size_t>(m)];
        if (duration == forms.plain || duration == forms.oneDot || duration == forms.twoDots) {
            return m;
        }
    }
    return -1;
}

int DotCount(int duration) {
    const int noteClass = NoteClass(duration);
    if (noteClass < 0) return 0;
    const NoteForms& forms = kForms[static_cast<std::size_t>(noteClass)];
    return duration == forms.oneDot ? 1 : duration == forms.twoDots ? 2 : 0;
}

int RightGlyphCode(int duration) {
    const int noteClass = NoteClass(duration);
    if (noteClass < 0) return kNoGlyph;
    return noteClass == 0 ? kFirstGlyphCode : kFirstGlyphCode - 1 + 2 * noteClass;
}

int LeftGlyphCode(int duration) {
    const int noteClass = NoteClass(duration);
    if (noteClass < 0) return kNoGlyph;
    return noteClass == 0 ? kFirstGlyphCode : kFirstGlyphCode + 2 * noteClass;
}

int StepDots(int duration) {
    const int noteClass = NoteClass(duration);
    if (noteClass < 0) return duration;  // 0 and unknown values stay
    const NoteForms& forms = kForms[static_cast<std::size_t>(noteClass)];
    if (duration == forms.plain) return duration * 3 / 2;
    if (duration == forms.oneDot && forms.twoDots != 0) return duration * 7 / 6;
    if (duration == forms.oneDot) return forms.plain;  // 3 -> 2
    return duration * 12 / 21;
}

int StepLoudness(int loudness) {
    // A stored value outside 0..3 (never written by the editor) starts the cycle again.
    return (loudness >= 0 && loudness < 3) ? loudness + 1 : 0;
}

}  // namespace ritmora
