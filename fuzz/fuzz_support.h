#pragma once
// What every fuzz target shares: a scratch folder of its own process, whole-file reads and
// writes, and a check that stops the run (a crash libFuzzer keeps) when an invariant breaks.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "sound/sample_bank.h"
#include "sound/wav.h"

namespace ritmora::fuzz {

// Renderings longer than this are only estimated, so that every run stays short.
inline constexpr std::int64_t kMaxRenderedSamples = 3 * kSampleRate;

// Removed when the process ends normally; tools/fuzz points TMPDIR at a folder it removes, so
// what a crash leaves behind goes too.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ritmora-fuzz-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The file's bytes from `offset` on.
inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path,
                                          std::size_t offset = 0) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const auto size = in ? static_cast<std::size_t>(in.tellg()) : 0;
    std::vector<std::uint8_t> bytes(size > offset ? size - offset : 0);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The eighteen sample files of a rendering, each the first 4096 frames of its instrument's loud
// recording: what the renderers do with them does not depend on their length, and short files
// keep each run fast.
inline void WriteShortSampleBank(const std::filesystem::path& vlvl) {
    constexpr std::int32_t kFrames = 4096;
    std::filesystem::create_directories(vlvl);
    for (Instrument instrument : {Instrument::Kudum, Instrument::Bendir, Instrument::Def}) {
        for (bool dum : {true, false}) {
            const std::span<const std::uint8_t> loud = StrokeRecording(instrument, dum);
            const DataChunkLocation location = LocateDataChunk(loud);
            WavHeader header;
            MakeWavHeader(header, kFrames, 1, kSampleRate, 16);
            const WavHeaderBytes head = EncodeWavHeader(header);
            std::vector<std::uint8_t> file(head.begin(), head.end());
            const auto samples = loud.subspan(location.dataOffset, 2 * kFrames);
            file.insert(file.end(), samples.begin(), samples.end());
            for (int loudness : {1, 2, 3}) {
                WriteFile(vlvl / SampleFileName(instrument, dum, loudness), file);
            }
        }
    }
}

// An invariant of the code under test; a broken one is a finding like a sanitizer report.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace ritmora::fuzz
