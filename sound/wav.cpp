#include "sound/wav.h"

#include <algorithm>
#include <cctype>

#include "library/checked_read.h"
#include "library/rounding.h"

namespace ritmora {

namespace {

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = offset + i;
        const std::uint32_t byte = at < bytes.size() ? bytes[at] : 0;
        value |= byte << (8 * i);
    }
    return value;
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint16_t value = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t at = offset + i;
        const std::uint16_t byte = at < bytes.size() ? bytes[at] : 0;
        value = static_cast<std::uint16_t>(value | (byte << (8 * i)));
    }
    return value;
}

std::array<char, 4> ReadId(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::array<char, 4> id{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = offset + i;
        id[i] = static_cast<char>(at < bytes.size() ? bytes[at] : 0);
    }
    return id;
}

void PutU32(WavHeaderBytes& out, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutU16(WavHeaderBytes& out, std::size_t offset, std::uint16_t value) {
    out[offset] = static_cast<std::uint8_t>(value);
    out[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutId(WavHeaderBytes& out, std::size_t offset, const std::array<char, 4>& id) {
    for (std::size_t i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(id[i]);
}

// round(value / 2^shift), halves to even, in integers: exactly what the double formula gives,
// since every operand is a small integer or a half or quarter of one.
inline std::int16_t HalveRoundEven(std::int32_t value, int shift) {
    const std::int32_t unit = 1 << shift;
    const std::int32_t half = unit >> 1;
    std::int32_t quotient = value >> shift;  // floor
    const std::int32_t remainder = value - (quotient << shift);
    if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
    return static_cast<std::int16_t>(quotient);
}

}  // namespace

void MakeWavHeader(WavHeader& header, std::int32_t frames, std::int16_t channels,
                   std::int32_t sampleRate, std::int16_t bitsPerSample) {
    header.chunkId = {'R', 'I', 'F', 'F'};
    const double dataSize = static_cast<double>(frames) * channels * bitsPerSample / 8.0;
    header.dataSize = static_cast<std::uint32_t>(RoundHalfEven(dataSize));
    header.riffSize = header.dataSize + 36;
    header.formType = {'W', 'A', 'V', 'E'};
    header.formatChunkId = {'f', 'm', 't', ' '};
    header.formatChunkSize = 16;
    header.formatTag = 1;
    header.channels = channels;
    header.sampleRate = static_cast<std::uint32_t>(sampleRate);
    header.blockAlign = static_cast<std::int16_t>(
        RoundHalfEven(static_cast<double>(channels) * bitsPerSample / 8.0));
    header.byteRate = static_cast<std::uint32_t>(header.blockAlign) * header.sampleRate;
    header.bitsPerSample = bitsPerSample;
    header.dataChunkId = {'d', 'a', 't', 'a'};
}

WavHeaderBytes EncodeWavHeader(const WavHeader& header) {
    WavHeaderBytes out{};
    PutId(out, 0, header.chunkId);
    PutU32(out, 4, header.riffSize);
    PutId(out, 8, header.formType);
    PutId(out, 12, header.formatChunkId);
    PutU32(out, 16, header.formatChunkSize);
    PutU16(out, 20, header.formatTag);
    PutU16(out, 22, static_cast<std::uint16_t>(header.channels));
    PutU32(out, 24, header.sampleRate);
    PutU32(out, 28, header.byteRate);
    PutU16(out, 32, static_cast<std::uint16_t>(header.blockAlign));
    PutU16(out, 34, static_cast<std::uint16_t>(header.bitsPerSample));
    PutId(out, 36, header.dataChunkId);
    PutU32(out, 40, header.dataSize);
    return out;
}

WavHeader DecodeWavHeader(std::span<const std::uint8_t> bytes) {
    WavHeader header;
    header.chunkId = ReadId(bytes, 0);
    header.riffSize = ReadU32(bytes, 4);
    header.formType = ReadId(bytes, 8);
    header.formatChunkId = ReadId(bytes, 12);
    header.formatChunkSize = ReadU32(bytes, 16);
    header.formatTag = ReadU16(bytes, 20);
    header.channels = static_cast<std::int16_t>(ReadU16(bytes, 22));
    header.sampleRate = ReadU32(bytes, 24);
    header.byteRate = ReadU32(bytes, 28);
    header.blockAlign = static_cast<std::int16_t>(ReadU16(bytes, 32));
    header.bitsPerSample = static_cast<std::int16_t>(ReadU16(bytes, 34));
    header.dataChunkId = ReadId(bytes, 36);
    header.dataSize = ReadU32(bytes, 40);
    return header;
}

bool IsDataChunkId(const std::array<char, 4>& id) {
    static constexpr char kData[] = "data";
    for (std::size_t i = 0; i < 4; ++i) {
        if (std::tolower(static_cast<unsigned char>(id[i])) != kData[i]) return false;
    }
    return true;
}

DataChunkLocation LocateDataChunk(std::span<const std::uint8_t> file) {
    DataChunkLocation location;
    location.header = DecodeWavHeader(file);
    if (IsDataChunkId(location.header.dataChunkId)) {
        location.found = true;
        location.dataOffset = kWavHeaderSize;
        return location;
    }
    // Other chunks (such as "smpl") may stand before the data: look for the id at the first
    // thousand byte positions.
    const std::size_t last = file.size() < 1000 ? (file.empty() ? 0 : file.size() - 1) : 1000;
    for (std::size_t p = 1; p <= last; ++p) {
        const std::size_t offset = p - 1;
        if (IsDataChunkId(ReadId(file, offset))) {
            location.header.dataChunkId = {'d', 'a', 't', 'a'};
            location.header.dataSize = ReadU32(file, offset + 4);
            location.found = true;
            location.dataOffset = offset + 8;
            return location;
        }
    }
    return location;
}

std::int64_t FrameCount(const WavHeader& header) {
    if (header.blockAlign <= 0) return -1;
    return RoundHalfEven(static_cast<double>(header.dataSize) / header.blockAlign);
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    return ReadCheckedFile(path, kStrokeFileByteLimit).bytes;
}

void OverlayStroke(std::span<std::int16_t> output, std::int64_t position, StrokeKind kind,
                   std::span<const std::int16_t> stroke) {
    OverlayStroke(output, position, kind, stroke, static_cast<std::int64_t>(stroke.size()));
}

void OverlayStroke(std::span<std::int16_t> output, std::int64_t position, StrokeKind kind,
                   std::span<const std::int16_t> stroke, std::int64_t strokeLength) {
    const auto outputSize = static_cast<std::int64_t>(output.size());
    if (strokeLength <= 0 || position > outputSize) return;
    std::int64_t m = position - 1;  // 0-based
    std::int64_t j = 0;
    const auto stored = static_cast<std::int64_t>(stroke.size());
    if (m < 0) {  // what would fall before sample 1 has nowhere to go
        j = -m;
        m = 0;
    }
    const std::int64_t end = std::min(outputSize, m + (strokeLength - j));
    if (kind == StrokeKind::Düm) {
        for (; m < end; ++m, ++j) {
            const std::int32_t s = j < stored ? stroke[static_cast<std::size_t>(j)] : 0;
            auto& o = output[static_cast<std::size_t>(m)];
            o = HalveRoundEven(s + o, 1);
        }
    } else {
        for (; m < end; ++m, ++j) {
            const std::int32_t s = j < stored ? stroke[static_cast<std::size_t>(j)] : 0;
            auto& o = output[static_cast<std::size_t>(m)];
            o = HalveRoundEven(s + 2 * static_cast<std::int32_t>(o), 2);
        }
    }
}

WavReader::Outcome WavReader::Examine(const std::filesystem::path& path) {
    Outcome outcome;
    const std::vector<std::uint8_t> file = ReadFileBytes(path);
    const DataChunkLocation location = LocateDataChunk(file);
    const std::int64_t frames = location.found ? FrameCount(location.header) : -1;
    if (frames < 0) {
        outcome.notice = kFormatNotRecognized;
        return outcome;
    }
    if (location.header.channels == 2) {
        outcome.updatesHeader = true;
        outcome.header = location.header;
        return outcome;
    }
    if (location.header.channels != 1) {
        outcome.notice = kChannelCountUnreadable;
        return outcome;
    }
    outcome.updatesHeader = true;
    outcome.updatesSamples = true;
    outcome.header = location.header;
    outcome.frameCount = frames;
    const std::size_t available =
        location.dataOffset < file.size() ? (file.size() - location.dataOffset) / 2 : 0;
    const std::size_t stored = static_cast<std::size_t>(
        std::min<std::int64_t>(frames, static_cast<std::int64_t>(available)));
    auto samples = std::make_shared<std::vector<std::int16_t>>(stored);
    for (std::size_t i = 0; i < stored; ++i) {
        const std::size_t at = location.dataOffset + 2 * i;
        (*samples)[i] = static_cast<std::int16_t>(file[at] | (file[at + 1] << 8));
    }
    outcome.samples = std::move(samples);
    return outcome;
}

std::string WavReader::Apply(const Outcome& outcome) {
    if (outcome.updatesHeader) header_ = outcome.header;
    if (outcome.updatesSamples) {
        samples_ = outcome.samples;
        frameCount_ = outcome.frameCount;
    }
    return outcome.notice;
}

std::string WavReader::ReadWav(const std::filesystem::path& path) { return Apply(Examine(path)); }

}  // namespace ritmora
