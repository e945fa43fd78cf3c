#include "notation/note_values.h"

namespace ritmora {

int NoteClass(int duration) {
    switch (duration) {
        case 64: case 96: case 112: return 0;
        case 32: case 48: case 56: return 1;
        case 16: case 24: case 28: return 2;
        case 8: case 12: case 14: return 3;
        case 4: case 6: case 7: return 4;
        case 2: case 3: return 5;
        default: return -1;
    }
}

int DotCount(int duration) {
    switch (duration) {
        case 96: case 48: case 24: case 12: case 6: case 3: return 1;
        case 112: case 56: case 28: case 14: case 7: return 2;
        default: return 0;
    }
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
    switch (duration) {
        case 2: case 4: case 8: case 16: case 32: case 64: return duration * 3 / 2;
        case 6: case 12: case 24: case 48: case 96: return duration * 7 / 6;
        case 7: case 14: case 28: case 56: case 112: return duration * 12 / 21;
        case 3: return 2;
        default: return duration;
    }
}

int StepLoudness(int loudness) {
    // A stored value outside 0..3 (never written by the editor) starts the cycle again.
    return (loudness >= 0 && loudness < 3) ? loudness + 1 : 0;
}

}  // namespace ritmora
