#pragma once
// What the usul boxes of the main window mean: the number a box holds, the time signature that
// follows from the two boxes, the completeness status, the name-box rules and the order in
// which saving refuses an usul. Qt-free so it can be tested on its own.
#include <cstdint>
#include <optional>
#include <string_view>

namespace ritmora {

// The decimal number at the start of a box's text, leading blanks skipped (an optional sign is
// read too); nullopt when the text does not start with one. Values are clamped to +-1e9.
std::optional<long long> BoxLeadingNumber(std::string_view text);
// As a box reads: a text without a number counts as 0.
long long BoxNumber(std::string_view text);

// A time-signature box as a stored byte: nullopt when the box holds no number or one outside
// 0..255 (such a value cannot be stored; saving refuses it).
std::optional<std::uint8_t> TimeSignatureByte(std::string_view text);

// ExpectedTotal from the beats box and the mertebe box: 64 / mertebe x beats, halves to even;
// nullopt when the mertebe box's number is 0 (the old value is kept then).
std::optional<long long> ExpectedTotalFromBoxes(std::string_view beatsBox,
                                                std::string_view mertebeBox);

enum class Completeness { kShort, kMatch, kExceed };
Completeness CompareTotals(long long expectedTotal, long long totalDuration);
// The message entry that names a status: 18 "Short", 17 "Match", 16 "Exceed".
int StatusMessage(Completeness status);

// The name box of an empty slot holds 40 blanks; the window shows it as empty.
bool IsEmptySlotName(std::string_view nameBox);
// Empty or only blanks: the usul has no name.
bool IsBlankName(std::string_view nameBox);

// The first reason to refuse saving, as a message entry: 2 no name, 3 no beats, 5 short,
// 6 exceeding; 0 when the usul may be saved.
int SaveRefusal(std::string_view nameBox, long long totalDuration, long long expectedTotal);

}  // namespace ritmora
