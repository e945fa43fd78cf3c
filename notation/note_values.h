#pragma once
// The 17 note values the editor knows (durations in sixty-fourth notes), their glyphs and the
// click rules that step dots and loudness.
namespace ritmora {

inline constexpr int kNoGlyph = 0;
inline constexpr int kFirstGlyphCode = 159;  // whole note
inline constexpr int kLastGlyphCode = 169;   // thirty-second, stem down

// 0 whole, 1 half, 2 quarter, 3 eighth, 4 sixteenth, 5 thirty-second; -1 for any other value.
int NoteClass(int duration);
// Augmentation dots of a known value (0, 1 or 2); 0 when the value has no class.
int DotCount(int duration);
// Glyph code (159..169) of the value on the right-hand (stem up) or left-hand (stem down)
// line; kNoGlyph when the value has no class.
int RightGlyphCode(int duration);
int LeftGlyphCode(int duration);
// One click on a note head: plain -> one dot -> two dots -> plain (a thirty-second takes one dot
// at most); values without a class, 0 included, stay as they are.
int StepDots(int duration);
// One click on a staff line: unset -> soft -> medium -> loud -> unset.
int StepLoudness(int loudness);

}  // namespace ritmora
