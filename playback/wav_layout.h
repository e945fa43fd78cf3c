#pragma once
// Where the samples of a 16-bit PCM WAV file lie, read from the start of the file, so the player
// can seek to a millisecond without decoding anything.
#include <cstdint>
#include <optional>
#include <span>

namespace ritmora {

struct PcmLayout {
    int sampleRate = 0;
    int channels = 0;
    std::int64_t dataOffset = 0;  // byte where the first frame begins
    std::int64_t dataBytes = 0;   // whole frames only, never past the end of the file

    int BytesPerFrame() const { return channels * 2; }
    std::int64_t Frames() const { return BytesPerFrame() > 0 ? dataBytes / BytesPerFrame() : 0; }
    double DurationMs() const;
    // Byte offset within the data of the frame that sounds at ms (clamped to the data).
    std::int64_t DataByteAt(int ms) const;
};

// head: the first bytes of the file (the header chunks must lie within them); fileSize: the
// whole file's size. Accepts 16-bit integer PCM with 1-8 channels; anything else is nullopt.
std::optional<PcmLayout> ReadPcmLayout(std::span<const unsigned char> head, std::int64_t fileSize);

}  // namespace ritmora
