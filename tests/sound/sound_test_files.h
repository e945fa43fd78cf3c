#pragma once
// Tiny synthetic sample files for the sound tests (canonical ones from WavBytes, written
// independently of the code under test).
#include <cstdint>
#include <string>
#include <vector>

#include "library/usul_record.h"
#include "sound/sample_bank.h"
#include "tests/playback/test_wav.h"
#include "tests/support/test_support.h"

namespace ritmora::test {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A file with a 44-byte "smpl" chunk before the data and two bytes after it, as the kudüm and
// def recordings are laid out.
inline std::vector<std::uint8_t> SamplerChunkWav(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> out = WavBytes(samples);
    PutLe(out, 0, 2);
    const std::uint32_t riffSize = static_cast<std::uint32_t>(out.size()) - 8 + 44;
    for (int i = 0; i < 4; ++i) out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    std::vector<std::uint8_t> chunk{'s', 'm', 'p', 'l'};
    PutLe(chunk, 36, 4);
    chunk.resize(44, 0);
    out.insert(out.begin() + 36, chunk.begin(), chunk.end());
    return out;
}

// The samples of a canonical WAV file (from byte 44 on).
inline std::vector<std::int16_t> ReadSamples(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    std::vector<std::int16_t> samples(bytes.size() < 44 ? 0 : (bytes.size() - 44) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(bytes[44 + 2 * i] | (bytes[45 + 2 * i] << 8));
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
            WriteBytes(folder / name,
                       WavBytes({static_cast<std::int16_t>((dum ? 1000 : 100) * digit)}));
        }
    }
    const std::string kudum = SampleFileName(Instrument::Kudum, true, 3);
    if (!std::filesystem::exists(folder / kudum)) WriteBytes(folder / kudum, WavBytes({0}));
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
