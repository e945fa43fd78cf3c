#include "app/usul_boxes.h"

#include <algorithm>
#include <limits>

#include "app/message_numbers.h"
#include "library/usul_record.h"

namespace ritmora {
namespace {

constexpr long long kNumberLimit = 1'000'000'000;

}  // namespace

std::optional<long long> BoxLeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || text[at] < '0' || text[at] > '9') return std::nullopt;
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = std::min(kNumberLimit, value * 10 + (text[at] - '0'));
    }
    return negative ? -value : value;
}

long long BoxNumber(std::string_view text) { return BoxLeadingNumber(text).value_or(0); }

std::optional<std::uint8_t> TimeSignatureByte(std::string_view text) {
    const auto number = BoxLeadingNumber(text);
    if (!number || *number < 0 || *number > 255) return std::nullopt;
    return static_cast<std::uint8_t>(*number);
}

std::optional<long long> ExpectedTotalFromBoxes(std::string_view beatsBox,
                                                std::string_view mertebeBox) {
    // Only 0..255 can be stored; larger numbers are held where the product still fits.
    constexpr long long kLimit = std::numeric_limits<int>::max() / 64;
    const long long mertebe = std::clamp(BoxNumber(mertebeBox), -kLimit, kLimit);
    if (mertebe == 0) return std::nullopt;
    const long long beats = std::clamp(BoxNumber(beatsBox), -kLimit, kLimit);
    return ExpectedTotal(static_cast<int>(beats), static_cast<int>(mertebe));
}

Completeness CompareTotals(long long expectedTotal, long long totalDuration) {
    const long long difference = expectedTotal - totalDuration;
    if (difference >= 1) return Completeness::kShort;
    if (difference == 0) return Completeness::kMatch;
    return Completeness::kExceed;
}

int StatusMessage(Completeness status) {
    switch (status) {
        case Completeness::kShort:
            return message::kStatusShort;
        case Completeness::kMatch:
            return message::kStatusMatch;
        case Completeness::kExceed:
            return message::kStatusExceed;
    }
    return 0;
}

bool IsEmptySlotName(std::string_view nameBox) {
    return nameBox.size() == 40 && nameBox.find_first_not_of(' ') == std::string_view::npos;
}

bool IsBlankName(std::string_view nameBox) {
    return nameBox.find_first_not_of(' ') == std::string_view::npos;
}

int SaveRefusal(std::string_view nameBox, long long totalDuration, long long expectedTotal) {
    if (IsBlankName(nameBox)) return message::kUsulNameMissing;
    if (totalDuration == 0) return message::kNoBeats;
    if (expectedTotal > totalDuration) return message::kBeatsShort;
    if (expectedTotal < totalDuration) return message::kBeatsExceed;
    return 0;
}

}  // namespace ritmora
