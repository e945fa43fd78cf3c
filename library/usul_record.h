#pragma once
// The usul record (1684 bytes) and the settings record of the library file usuller.usl.
// In memory text fields are UTF-8 and keep their stored width in characters (blanks and NULs
// included); the file holds Windows-1254 bytes. Conversion happens in Encode/Decode only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ritmora {

inline constexpr int kCellCount = 180;
inline constexpr int kSlotCount = 255;          // library slots 1..255
inline constexpr int kSettingsRecordNumber = 256;
inline constexpr int kRecordCount = 256;
inline constexpr int kFirstUserSlot = 201;      // slots 1..200 are the fixed library
inline constexpr std::size_t kCellSize = 9;
inline constexpr std::size_t kRecordSize = 1684;
inline constexpr std::size_t kLibraryFileSize = kRecordSize * kRecordCount;  // 431104
inline constexpr std::size_t kNameChars = 40;
inline constexpr std::size_t kSyllableChars = 3;
inline constexpr std::size_t kReservedChars = 10;

struct StrokeCell {
    std::uint8_t rightDuration = 0;  // Düm, in sixty-fourth notes; 0 = none
    std::uint8_t leftDuration = 0;   // Tek, in sixty-fourth notes; 0 = none
    std::uint8_t loudness = 0;       // 0 not set, 1 soft, 2 medium, 3 loud
    std::string syllable = std::string(kSyllableChars, '\0');  // 3 characters as stored
    std::uint8_t separator = 0;      // 1 = separator mark after this cell
    std::uint8_t spare1 = 0;
    std::uint8_t spare2 = 0;

    bool IsEmpty() const { return rightDuration == 0 && leftDuration == 0; }
    // The duration the cell counts with: the right hand's when set, else the left hand's.
    int Duration() const { return rightDuration != 0 ? rightDuration : leftDuration; }
    bool operator==(const StrokeCell&) const = default;
};

struct UsulRecord {
    std::array<StrokeCell, kCellCount> cells{};  // cells[0] is cell (beat ring) 1
    std::uint8_t beats = 0;
    std::uint8_t mertebe = 0;
    std::string name = std::string(kNameChars, '\0');
    std::int16_t totalDuration = 0;
    std::string reserved1 = std::string(kReservedChars, '\0');
    std::string reserved2 = std::string(kReservedChars, '\0');

    StrokeCell& Cell(int ringNumber) { return cells[static_cast<std::size_t>(ringNumber - 1)]; }
    const StrokeCell& Cell(int ringNumber) const {
        return cells[static_cast<std::size_t>(ringNumber - 1)];
    }
    bool IsEmptySlot() const { return totalDuration == 0; }
    bool operator==(const UsulRecord&) const = default;
};

struct SettingsRecord {
    std::uint8_t backRed = 200;
    std::uint8_t backGreen = 185;
    std::uint8_t backBlue = 130;
    std::array<std::uint8_t, kRecordSize - 3> filler{};
    bool operator==(const SettingsRecord&) const = default;
};

using RecordBytes = std::array<std::uint8_t, kRecordSize>;

RecordBytes EncodeUsulRecord(const UsulRecord& record);
UsulRecord DecodeUsulRecord(std::span<const std::uint8_t, kRecordSize> bytes);
RecordBytes EncodeSettingsRecord(const SettingsRecord& settings);
SettingsRecord DecodeSettingsRecord(std::span<const std::uint8_t, kRecordSize> bytes);

// Pads with blanks or cuts a UTF-8 text to exactly `chars` characters.
std::string FitText(std::string_view utf8, std::size_t chars);

// The record as delete writes it: name 40 blanks, beats 0, mertebe 8, reserved fields blanks,
// every cell empty with a 3-blank syllable.
UsulRecord EmptySlotRecord();

// Sum over all cells of Duration().
int SumOfDurations(const UsulRecord& record);

// 64 / mertebe x beats, halves to even. mertebe must not be 0.
int ExpectedTotal(int beats, int mertebe);

}  // namespace ritmora
