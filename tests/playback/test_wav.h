#pragma once
// Writes small 16-bit PCM WAV files for the playback tests: silence with a short click at each
// given time, so a listener (or a monitor of the sink) could tell where the strokes fall.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace ritmora::test {

inline void PutLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// The canonical 44-byte header followed by the frames (mono, 44.1 kHz unless told).
inline std::vector<unsigned char> WavBytes(const std::vector<std::int16_t>& samples,
                                           int sampleRate = 44100, int channels = 1) {
    std::vector<unsigned char> out;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    PutLe(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);
    PutLe(out, channels, 2);
    PutLe(out, sampleRate, 4);
    PutLe(out, sampleRate * channels * 2, 4);
    PutLe(out, channels * 2, 2);
    PutLe(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLe(out, dataBytes, 4);
    for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

inline std::vector<std::int16_t> ClickTrack(int lengthMs, const std::vector<int>& clicksMs) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(lengthMs) * 441 / 10, 0);
    for (int at : clicksMs) {
        const std::size_t first = static_cast<std::size_t>(at) * 441 / 10;
        for (std::size_t i = 0; i < 441 && first + i < samples.size(); ++i) {
            samples[first + i] =
                static_cast<std::int16_t>(12000 * std::sin(i * 0.3) * (1.0 - i / 441.0));
        }
    }
    return samples;
}

// Used by the marker accuracy probe in bench/.
inline bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace ritmora::test
