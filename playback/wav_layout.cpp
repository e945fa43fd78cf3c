#include "playback/wav_layout.h"

#include <algorithm>
#include <cstring>

#include "library/rounding.h"

namespace ritmora {

namespace {

std::uint32_t Le32(std::span<const unsigned char> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

bool IdIs(std::span<const unsigned char> b, std::size_t at, const char* id) {
    return std::memcmp(b.data() + at, id, 4) == 0;
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

}  // namespace

double PcmLayout::DurationMs() const {
    return sampleRate > 0 ? Frames() * 1000.0 / sampleRate : 0.0;
}

std::int64_t PcmLayout::DataByteAt(int ms) const {
    const std::int64_t frame = RoundHalfEven(std::max(0, ms) / 1000.0 * sampleRate);
    return std::min(frame, Frames()) * BytesPerFrame();
}

std::optional<PcmLayout> ReadPcmLayout(std::span<const unsigned char> head, std::int64_t fileSize) {
    if (head.size() < 12 || !IdIs(head, 0, "RIFF") || !IdIs(head, 8, "WAVE")) return std::nullopt;
    PcmLayout layout;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= head.size()) {
        const std::uint32_t size = Le32(head, at + 4);
        if (IdIs(head, at, "fmt ")) {
            if (size < 16 || at + 8 + 16 > head.size()) return std::nullopt;
            const std::uint16_t tag = Le16(head, at + 8);
            const int channels = Le16(head, at + 10);
            const auto rate = Le32(head, at + 12);
            const int bits = Le16(head, at + 22);
            if ((tag != kFormatPcm && tag != kFormatExtensible) || bits != 16 || channels < 1 ||
                channels > 8 || rate < 1000 || rate > 384000) {
                return std::nullopt;
            }
            layout.channels = channels;
            layout.sampleRate = static_cast<int>(rate);
            haveFormat = true;
        } else if (IdIs(head, at, "data")) {
            if (!haveFormat) return std::nullopt;
            layout.dataOffset = static_cast<std::int64_t>(at) + 8;
            const std::int64_t available = std::max<std::int64_t>(0, fileSize - layout.dataOffset);
            const std::int64_t bytes = std::min<std::int64_t>(size, available);
            layout.dataBytes = bytes - bytes % layout.BytesPerFrame();
            return layout;
        }
        at += 8 + size + (size & 1);  // chunks are padded to even lengths
    }
    return std::nullopt;
}

}  // namespace ritmora
