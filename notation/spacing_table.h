#pragma once
// How many empty rings follow a stroke of each note class at each spacing level 1..63.
#include <array>
#include <cstdint>

namespace ritmora {

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 63;
inline constexpr int kNoteClassCount = 6;

class SpacingTable {
  public:
    SpacingTable();  // TabloYap: every class gets half the room of the class above, half to even
    // level 1..63, noteClass 0..5; 0 outside those ranges.
    std::uint8_t Entry(int level, int noteClass) const;
    // Spacing after a stroke of `duration` at `level`; 0 for a value without a class.
    int SpacingAfter(int duration, int level) const;

  private:
    std::array<std::array<std::uint8_t, kNoteClassCount>, kMaxLevel> rows_{};
};

// The one table the program uses (built on first use).
const SpacingTable& StandardSpacingTable();

}  // namespace ritmora
