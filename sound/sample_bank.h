#pragma once
// The sample bank: the six loud stroke recordings carried in the program, written into the vlvl
// folder with their twelve medium and soft variants, and the names the renderers read them by.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "app/texts.h"

namespace ritmora {

enum class Instrument { Kudum, Bendir, Def };

// "KUDUM", "BENDR", "TEFOO".
const char* InstrumentCode(Instrument instrument);

// The sample file of a stroke at a cell's loudness: instrument code, "D" or "T", the level digit
// (Düm 3/2/1, Tek 6/5/4 for loud/medium/soft), "1" and ".---". Loudness 3 and 0 (not set) are
// loud, 2 medium, 1 soft; the editor never stores other values, and any other value is taken
// as loud, like an unset one.
std::string SampleFileName(Instrument instrument, bool dum, int loudness);

struct LevelFactors {
    float medium = 0.6f;
    float soft = 0.4f;
};

enum class SofterSampleStatus {
    Written,
    NotRecognized,  // no data chunk: nothing written (kFormatNotRecognized)
    ReadError,      // the source exists but cannot be read
    WriteError,     // the target cannot be written
};

// Writes `target` as `source` with every sample multiplied by `factor` (the product in double
// from the single-precision factor, rounded halves to even). The target is the 44-byte header
// as read (its data chunk id and size those of the data chunk found, everything else, the RIFF
// size included, copied) followed by the scaled samples; chunks before the data are dropped.
SofterSampleStatus MakeSofterSample(const std::filesystem::path& source,
                                    const std::filesystem::path& target, float factor);

struct SampleBankResult {
    int messageIndex = 0;              // 13 ("Soundfile error.") when a file could not be made
    std::vector<std::string> notices;  // "File format not recognized!" per rejected source
    std::string detail;                // which file failed, for logs and the command line
    bool ok() const { return messageIndex == 0; }
};

// Creates `vlvlFolder` when missing, writes the six loud recordings unchanged ("KUDUMD31.---",
// "KUDUMT61.---", "BENDRD31.---", "BENDRT61.---", "TEFOOD31.---", "TEFOOT61.---") and derives
// from each, in that order, its medium and then its soft file. Stops at the first file that
// cannot be made. Never changes the process's current folder.
SampleBankResult WriteSampleBank(const std::filesystem::path& vlvlFolder, LevelFactors factors);

// The embedded loud recording of a stroke: a whole WAV file.
std::span<const std::uint8_t> StrokeRecording(Instrument instrument, bool dum);

}  // namespace ritmora
