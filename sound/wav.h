#pragma once
// The WAV primitives of the sound engine: the canonical 44-byte header, reading a stroke sample
// file into the current sample buffer, and the mixing rule by which a stroke is laid into an
// output buffer. 44 100 Hz, 16-bit, mono PCM throughout.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ritmora {

inline constexpr std::size_t kWavHeaderSize = 44;
inline constexpr std::int32_t kSampleRate = 44100;

// The two texts ReadWav can report; the same in both interface languages.
inline constexpr const char* kFormatNotRecognized = "File format not recognized!";
inline constexpr const char* kChannelCountUnreadable = "kanal sayısı okunamadı";

struct WavHeader {
    std::array<char, 4> chunkId{'R', 'I', 'F', 'F'};
    std::uint32_t riffSize = 36;
    std::array<char, 4> formType{'W', 'A', 'V', 'E'};
    std::array<char, 4> formatChunkId{'f', 'm', 't', ' '};
    std::uint32_t formatChunkSize = 16;
    std::uint16_t formatTag = 1;
    std::int16_t channels = 1;
    std::uint32_t sampleRate = kSampleRate;
    std::uint32_t byteRate = 2 * kSampleRate;
    std::int16_t blockAlign = 2;
    std::int16_t bitsPerSample = 16;
    std::array<char, 4> dataChunkId{'d', 'a', 't', 'a'};
    std::uint32_t dataSize = 0;

    bool operator==(const WavHeader&) const = default;
};

using WavHeaderBytes = std::array<std::uint8_t, kWavHeaderSize>;

// Fills every field for `frames` sample frames. The data size is computed in double precision
// and rounded (halves to even); no I/O.
void MakeWavHeader(WavHeader& header, std::int32_t frames, std::int16_t channels,
                   std::int32_t sampleRate, std::int16_t bitsPerSample);

WavHeaderBytes EncodeWavHeader(const WavHeader& header);
// Missing bytes (a span shorter than 44) read as zeros.
WavHeader DecodeWavHeader(std::span<const std::uint8_t> bytes);

// True when the four characters spell "data", letter case ignored.
bool IsDataChunkId(const std::array<char, 4>& id);

// Where a stroke sample file's data start and how many frames they hold, found the way every
// reader of sample files finds them: the header's data chunk when its id is "data", else the
// first "data" id at byte positions 1..min(1000, length - 1). `found` is false when there is
// none. Bytes beyond the end of `file` read as zeros.
struct DataChunkLocation {
    bool found = false;
    WavHeader header;            // as read, with the data chunk id and size of the found chunk
    std::size_t dataOffset = 0;  // 0-based offset of the first sample byte
};
DataChunkLocation LocateDataChunk(std::span<const std::uint8_t> file);

// Frame count = data size / block align in double, rounded halves to even. Block align 0 or
// below gives -1: such a header cannot describe any samples.
std::int64_t FrameCount(const WavHeader& header);

// The largest stroke sample file read: about three minutes of mono audio, far beyond any stroke.
inline constexpr std::uint64_t kStrokeFileByteLimit = 16 * 1024 * 1024;

// Reads a whole sample file. Anything that is not a readable plain file of at most
// kStrokeFileByteLimit bytes (missing, a folder, a device, too large) gives no bytes, so it
// reads as empty and is reported as a file whose format is not recognized.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

enum class StrokeKind { Düm, Tek };

// Lays `stroke` into `output` from the 1-based `position` on, sample by sample:
//   Düm: round(s / 2 + o / 2)      Tek: round((s / 2 + o) / 2)
// with s the stroke sample, o the output sample, double arithmetic and halves to even. Mixing
// averages rather than sums, so the result always fits 16 bits. What falls past the end of
// `output` is dropped. `strokeLength` (at least stroke.size()) counts trailing samples of
// silence that were never stored: they still halve what they cover.
void OverlayStroke(std::span<std::int16_t> output, std::int64_t position, StrokeKind kind,
                   std::span<const std::int16_t> stroke);
void OverlayStroke(std::span<std::int16_t> output, std::int64_t position, StrokeKind kind,
                   std::span<const std::int16_t> stroke, std::int64_t strokeLength);

// The engine's current sample: the header and samples of the last stroke file read. A failed
// read keeps the previous header and samples in force, so the caller can go on mixing them.
class WavReader {
  public:
    // Returns "" on success, else the notice to show (kFormatNotRecognized or
    // kChannelCountUnreadable). A stereo file updates the header but keeps the previous samples.
    // A file shorter than its data size has silence for the missing samples.
    std::string ReadWav(const std::filesystem::path& path);

    const WavHeader& CurrentWavHeader() const { return header_; }
    // The samples actually held in the file; CurrentFrameCount() may be larger (silent tail).
    std::span<const std::int16_t> CurrentSamples() const {
        return samples_ ? std::span<const std::int16_t>(*samples_)
                        : std::span<const std::int16_t>();
    }
    std::int64_t CurrentFrameCount() const { return frameCount_; }

    // OverlayStroke of the current sample.
    void Overlay(std::span<std::int16_t> output, std::int64_t position, StrokeKind kind) const {
        OverlayStroke(output, position, kind, CurrentSamples(), frameCount_);
    }

    // What one file yields, so that callers may keep it and apply it again instead of
    // re-reading an unchanged file.
    struct Outcome {
        std::string notice;
        bool updatesHeader = false;
        bool updatesSamples = false;
        WavHeader header;
        std::shared_ptr<const std::vector<std::int16_t>> samples;
        std::int64_t frameCount = 0;
    };
    static Outcome Examine(const std::filesystem::path& path);
    // Applies an outcome exactly as ReadWav would; returns its notice.
    std::string Apply(const Outcome& outcome);

  private:
    WavHeader header_;
    std::shared_ptr<const std::vector<std::int16_t>> samples_;
    std::int64_t frameCount_ = 0;
};

}  // namespace ritmora
