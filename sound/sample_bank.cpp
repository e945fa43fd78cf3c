#include "sound/sample_bank.h"

#include <system_error>
#include <utility>

#include "library/checked_read.h"
#include "library/rounding.h"
#include "sound/replacing_file.h"
#include "sound/wav.h"

namespace ritmora {

const char* InstrumentCode(Instrument instrument) {
    switch (instrument) {
        case Instrument::Kudum:
            return "KUDUM";
        case Instrument::Bendir:
            return "BENDR";
        case Instrument::Def:
            return "TEFOO";
    }
    return "TEFOO";
}

std::string SampleFileName(Instrument instrument, bool dum, int loudness) {
    // 0 = loud, 1 = medium, 2 = soft steps below the loud digit.
    int step = 0;
    if (loudness == 2) step = 1;
    if (loudness == 1) step = 2;
    const int digit = (dum ? 3 : 6) - step;
    return std::string(InstrumentCode(instrument)) + (dum ? "D" : "T") +
           static_cast<char>('0' + digit) + "1.---";
}

SofterSampleStatus MakeSofterSample(const std::filesystem::path& source,
                                    const std::filesystem::path& target, float factor) {
    const CheckedRead read = ReadCheckedFile(source, kStrokeFileByteLimit);
    if (read.fault == ReadFault::Missing) return SofterSampleStatus::NotRecognized;
    if (!read.ok()) return SofterSampleStatus::ReadError;
    const std::vector<std::uint8_t>& file = read.bytes;
    const DataChunkLocation location = LocateDataChunk(file);
    const std::int64_t frames = location.found ? FrameCount(location.header) : -1;
    if (frames < 0) return SofterSampleStatus::NotRecognized;

    ReplacingFile out(target);
    out.Write(EncodeWavHeader(location.header));
    const double scale = static_cast<double>(factor);
    std::vector<std::int16_t> chunk;
    chunk.reserve(65536);
    for (std::int64_t i = 0; i < frames && out.ok(); ++i) {
        const std::size_t at = location.dataOffset + 2 * static_cast<std::size_t>(i);
        // Samples the file does not hold read as silence.
        const std::int16_t sample =
            at + 1 < file.size() ? static_cast<std::int16_t>(file[at] | (file[at + 1] << 8)) : 0;
        chunk.push_back(static_cast<std::int16_t>(RoundHalfEven(sample * scale)));
        if (chunk.size() == 65536) {
            out.WriteSamples(chunk);
            chunk.clear();
        }
    }
    out.WriteSamples(chunk);
    return out.Commit() ? SofterSampleStatus::Written : SofterSampleStatus::WriteError;
}

namespace {

struct LoudFile {
    Instrument instrument;
    bool dum;
};

constexpr LoudFile kLoudFiles[] = {
    {Instrument::Kudum, true},   {Instrument::Kudum, false}, {Instrument::Bendir, true},
    {Instrument::Bendir, false}, {Instrument::Def, true},    {Instrument::Def, false},
};

SampleBankResult Failure(std::string detail) {
    SampleBankResult result;
    result.messageIndex = kSoundfileErrorMessage;
    result.detail = std::move(detail);
    return result;
}

}  // namespace

SampleBankResult WriteSampleBank(const std::filesystem::path& vlvlFolder, LevelFactors factors) {
    std::error_code error;
    if (!std::filesystem::is_directory(vlvlFolder, error)) {
        std::filesystem::create_directories(vlvlFolder, error);
        if (error) return Failure("cannot create " + vlvlFolder.string() + ": " + error.message());
    }
    for (const LoudFile& loud : kLoudFiles) {
        const auto path = vlvlFolder / SampleFileName(loud.instrument, loud.dum, 3);
        const std::string failure =
            ReplaceFileContent(path, StrokeRecording(loud.instrument, loud.dum));
        if (!failure.empty()) return Failure(failure);
    }
    SampleBankResult result;
    for (const LoudFile& loud : kLoudFiles) {
        const auto source = vlvlFolder / SampleFileName(loud.instrument, loud.dum, 3);
        if (!std::filesystem::exists(source, error)) continue;  // skipped without a message
        const std::pair<int, float> levels[] = {{2, factors.medium}, {1, factors.soft}};
        for (const auto& [loudness, factor] : levels) {
            const auto target = vlvlFolder / SampleFileName(loud.instrument, loud.dum, loudness);
            switch (MakeSofterSample(source, target, factor)) {
                case SofterSampleStatus::Written:
                    break;
                case SofterSampleStatus::NotRecognized:
                    result.notices.emplace_back(kFormatNotRecognized);
                    break;
                case SofterSampleStatus::ReadError:
                    result.messageIndex = kSoundfileErrorMessage;
                    result.detail = "cannot read " + source.string();
                    return result;
                case SofterSampleStatus::WriteError:
                    result.messageIndex = kSoundfileErrorMessage;
                    result.detail = "cannot write " + target.string();
                    return result;
            }
        }
    }
    return result;
}

}  // namespace ritmora
