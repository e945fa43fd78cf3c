#pragma once
// Tiny synthetic sample files for the sound tests.
#include <cstdint>
#include <string>
#include <vector>

#include "library/usul_record.h"
#include "sound/sample_bank.h"
#include "sound/wav.h"
#include "tests/support/test_support.h"

namespace ritmora::test {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void PutSamples(std::vector<std::uint8_t>& out, const std::vector<std::int16_t>& samples) {
    for (std::int16_t sample : samples) {
        out.push_back(static_cast<std::uint8_t>(sample));
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(sample) >> 8));
    }
}

// A canonical mono file (data at offset 36, as the bendir recordings are).
inline std::vector<std::uint8_t> CanonicalWav(const std::vector<std::int16_t>& samples,
                                              std::int16_t channels = 1) {
    WavHeader header;
    MakeWavHeader(header, static_cast<std::int32_t>(samples.size()), channels, 44100, 16);
    const auto headerBytes = EncodeWavHeader(header);
    std::vector<std::uint8_t> out(headerBytes.begin(), headerBytes.end());
    PutSamples(out, samples);
    return out;
}

// A file with a 44-byte "smpl" chunk before the data and two bytes after it, as the kudüm and
// def recordings are laid out.
inline std::vector<std::uint8_t> SamplerChunkWav(const std::vector<std::int16_t>& samples) {
    const auto canonical = CanonicalWav(samples);
    std::vector<std::uint8_t> out(canonical.begin(), canonical.begin() + 36);
    const std::uint32_t riffSize = 36 + 44 + static_cast<std::uint32_t>(samples.size()) * 2 + 2;
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    out.insert(out.end(), {'s', 'm', 'p', 'l'});
    PutU32(out, 36);
    out.insert(out.end(), 36, 0);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutU32(out, static_cast<std::uint32_t>(samples.size()) * 2);
    PutSamples(out, samples);
    out.insert(out.end(), {0, 0});
    return out;
}

// The samples of a canonical WAV file (from byte 44 on).
inline std::vector<std::int16_t> ReadSamples(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    std::vector<std::int16_t> samples(bytes.size() < 44 ? 0 : (bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t at = 44 + 2 * i;
        samples[i] = static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8));
    }
    return samples;
}

// Writes all eighteen sample files of `instrument` and KUDUMD31 as one-sample impulses:
// a Düm at level digit x has value 1000 * x, a Tek 100 * x, so every mixed stroke shows
// where it starts and which file it came from.
inline void WriteImpulseBank(const std::filesystem::path& folder, Instrument instrument) {
    for (int loudness = 1; loudness <= 3; ++loudness) {
        for (bool dum : {true, false}) {
            const std::string name = SampleFileName(instrument, dum, loudness);
            const int digit = name[6] - '0';
            const auto value = static_cast<std::int16_t>((dum ? 1000 : 100) * digit);
            WriteBytes(folder / name, CanonicalWav({value}));
        }
    }
    const std::string kudum = SampleFileName(Instrument::Kudum, true, 3);
    if (!std::filesystem::exists(folder / kudum)) WriteBytes(folder / kudum, CanonicalWav({0}));
}

// The 0-based indexes of the non-zero samples.
inline std::vector<std::size_t> NonZero(const std::vector<std::int16_t>& samples) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i] != 0) at.push_back(i);
    }
    return at;
}

// An usul of `count` right-hand quarter notes in cells 1..count.
inline UsulRecord Quarters(int count) {
    UsulRecord usul = EmptySlotRecord();
    for (int i = 1; i <= count; ++i) usul.Cell(i).rightDuration = 16;
    usul.totalDuration = static_cast<std::int16_t>(16 * count);
    return usul;
}

}  // namespace ritmora::test
