#include "library/usul_record.h"

#include <algorithm>

#include "library/cp1254.h"
#include "library/rounding.h"

namespace ritmora {
namespace {

constexpr std::size_t kBeatsOffset = 1620;
constexpr std::size_t kMertebeOffset = 1621;
constexpr std::size_t kNameOffset = 1622;
constexpr std::size_t kTotalOffset = 1662;
constexpr std::size_t kReserved1Offset = 1664;
constexpr std::size_t kReserved2Offset = 1674;
static_assert(kReserved2Offset + kReservedChars == kRecordSize);
static_assert(kCellCount * kCellSize == kBeatsOffset);

// Writes a text field: fitted to its width in characters, then one Windows-1254 byte each.
void PutText(RecordBytes& bytes, std::size_t offset, std::size_t width, std::string_view text) {
    const std::string encoded = Utf8ToCp1254(FitText(text, width));
    std::copy_n(encoded.begin(), width, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string GetText(std::span<const std::uint8_t, kRecordSize> bytes, std::size_t offset,
                    std::size_t width) {
    const auto* first = reinterpret_cast<const char*>(bytes.data() + offset);
    return Cp1254ToUtf8(std::string_view(first, width));
}

}  // namespace

RecordBytes EncodeUsulRecord(const UsulRecord& record) {
    RecordBytes bytes{};
    for (std::size_t k = 0; k < record.cells.size(); ++k) {
        const StrokeCell& cell = record.cells[k];
        const std::size_t at = k * kCellSize;
        bytes[at + 0] = cell.rightDuration;
        bytes[at + 1] = cell.leftDuration;
        bytes[at + 2] = cell.loudness;
        PutText(bytes, at + 3, kSyllableChars, cell.syllable);
        bytes[at + 6] = cell.separator;
        bytes[at + 7] = cell.spare1;
        bytes[at + 8] = cell.spare2;
    }
    bytes[kBeatsOffset] = record.beats;
    bytes[kMertebeOffset] = record.mertebe;
    PutText(bytes, kNameOffset, kNameChars, record.name);
    const auto total = static_cast<std::uint16_t>(record.totalDuration);
    bytes[kTotalOffset] = static_cast<std::uint8_t>(total & 0xFF);
    bytes[kTotalOffset + 1] = static_cast<std::uint8_t>(total >> 8);
    PutText(bytes, kReserved1Offset, kReservedChars, record.reserved1);
    PutText(bytes, kReserved2Offset, kReservedChars, record.reserved2);
    return bytes;
}

UsulRecord DecodeUsulRecord(std::span<const std::uint8_t, kRecordSize> bytes) {
    UsulRecord record;
    for (std::size_t k = 0; k < record.cells.size(); ++k) {
        StrokeCell& cell = record.cells[k];
        const std::size_t at = k * kCellSize;
        cell.rightDuration = bytes[at + 0];
        cell.leftDuration = bytes[at + 1];
        cell.loudness = bytes[at + 2];
        cell.syllable = GetText(bytes, at + 3, kSyllableChars);
        cell.separator = bytes[at + 6];
        cell.spare1 = bytes[at + 7];
        cell.spare2 = bytes[at + 8];
    }
    record.beats = bytes[kBeatsOffset];
    record.mertebe = bytes[kMertebeOffset];
    record.name = GetText(bytes, kNameOffset, kNameChars);
    record.totalDuration = static_cast<std::int16_t>(
        static_cast<std::uint16_t>(bytes[kTotalOffset] | (bytes[kTotalOffset + 1] << 8)));
    record.reserved1 = GetText(bytes, kReserved1Offset, kReservedChars);
    record.reserved2 = GetText(bytes, kReserved2Offset, kReservedChars);
    return record;
}

RecordBytes EncodeSettingsRecord(const SettingsRecord& settings) {
    RecordBytes bytes{};
    bytes[0] = settings.backRed;
    bytes[1] = settings.backGreen;
    bytes[2] = settings.backBlue;
    std::copy(settings.filler.begin(), settings.filler.end(), bytes.begin() + 3);
    return bytes;
}

SettingsRecord DecodeSettingsRecord(std::span<const std::uint8_t, kRecordSize> bytes) {
    SettingsRecord settings;
    settings.backRed = bytes[0];
    settings.backGreen = bytes[1];
    settings.backBlue = bytes[2];
    std::copy(bytes.begin() + 3, bytes.end(), settings.filler.begin());
    return settings;
}

std::string FitText(std::string_view utf8, std::size_t chars) {
    std::string out;
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < utf8.size() && count < chars) {
        const std::size_t size = Utf8CharSize(utf8, pos);
        out.append(utf8.substr(pos, size));
        pos += size;
        ++count;
    }
    out.append(chars - count, ' ');
    return out;
}

UsulRecord EmptySlotRecord() {
    UsulRecord record;
    for (StrokeCell& cell : record.cells) {
        cell = StrokeCell{};
        cell.syllable = std::string(kSyllableChars, ' ');
    }
    record.beats = 0;
    record.mertebe = 8;
    record.name = std::string(kNameChars, ' ');
    record.totalDuration = 0;
    record.reserved1 = std::string(kReservedChars, ' ');
    record.reserved2 = std::string(kReservedChars, ' ');
    return record;
}

int SumOfDurations(const UsulRecord& record) {
    int sum = 0;
    for (const StrokeCell& cell : record.cells) sum += cell.Duration();
    return sum;
}

int ExpectedTotal(int beats, int mertebe) {
    if (mertebe == 0) return 0;  // no time signature yet: nothing is expected
    // One division of exact integers: a true half stays exactly a half before rounding.
    return static_cast<int>(RoundHalfEven(64.0 * beats / mertebe));
}

}  // namespace ritmora
