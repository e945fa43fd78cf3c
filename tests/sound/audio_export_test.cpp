// The audio export: what the player plays, saved in every format and read back with libsndfile.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <atomic>
#include <cmath>

#include "sound/audio_export.h"
#include "sound/usul_renderer.h"
#include "tests/sound/sound_test_files.h"

namespace ritmora {
namespace {

using test::Quarters;
using test::ReadBytes;
using test::ReadSamples;
using test::TempFolder;

struct Decoded {
    int rate = 0;
    std::vector<std::int16_t> samples;
};

Decoded Decode(const std::filesystem::path& file) {
    SF_INFO info{};
    SNDFILE* in = sf_open(file.c_str(), SFM_READ, &info);
    if (in == nullptr) return {};
    Decoded decoded{info.samplerate,
                    std::vector<std::int16_t>(static_cast<std::size_t>(info.frames))};
    decoded.samples.resize(
        static_cast<std::size_t>(sf_readf_short(in, decoded.samples.data(), info.frames)));
    sf_close(in);
    return decoded;
}

double LoudnessDb(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (std::int16_t s : samples) sum += double(s) * s;
    return 10 * std::log10(sum / std::max<std::size_t>(samples.size(), 1));
}

// Eight quarter notes at 60 BpM with the program's own kudüm strokes: 352 800 samples.
class AudioExport : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(WriteSampleBank(vlvl, LevelFactors{}).ok()); }
    RenderIntoWav Renderer() {
        return [this](const std::filesystem::path& wav) {
            ++renderings;
            return RenderUsul(Quarters(8), {60, 4, Instrument::Kudum, false}, vlvl, wav).written;
        };
    }
    TempFolder folder;
    std::filesystem::path vlvl = folder / "vlvl";
    int renderings = 0;
};

TEST_F(AudioExport, EveryFormatKeepsThePlayedSamples) {
    ASSERT_TRUE(Renderer()(folder / "played.wav"));
    const std::vector<std::int16_t> played = ReadSamples(folder / "played.wav");
    ASSERT_EQ(played.size(), 352800u);

    struct Case {
        const char* file;
        int rate;
        bool exact;
    };
    for (const Case& c :
         {Case{"a.wav", 44100, true}, Case{"b.FLAC", 44100, true}, Case{"c.ogg", 44100, false},
          Case{"d.opus", 48000, false}, Case{"e.Mp3", 44100, false}}) {
        SCOPED_TRACE(c.file);
        std::vector<double> fractions;
        const AudioWriteOutcome outcome = ExportAudio(folder / c.file, vlvl, Renderer(),
                                                      {[&](double f) { fractions.push_back(f); }});
        ASSERT_TRUE(outcome.ok()) << outcome.detail;
        ASSERT_FALSE(fractions.empty());
        EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
        EXPECT_EQ(fractions.back(), 1.0);

        const Decoded decoded = Decode(folder / c.file);
        EXPECT_EQ(decoded.rate, c.rate);
        EXPECT_EQ(decoded.samples.size(), played.size() * c.rate / 44100);
        if (c.exact) {
            EXPECT_EQ(decoded.samples, played);
        } else {
            EXPECT_NEAR(LoudnessDb(decoded.samples), LoudnessDb(played), 0.5);
        }
    }
    EXPECT_EQ(ReadBytes(folder / "a.wav"), ReadBytes(folder / "played.wav"));
    EXPECT_EQ(folder.FileCount(), 18 + 6);  // the sample bank and the files: no scratch left
}

TEST_F(AudioExport, AFailureLeavesThePreviousFileAsItWas) {
    const std::vector<std::uint8_t> previous{'o', 'l', 'd'};
    test::WriteBytes(folder / "keep.mp3", previous);
    std::filesystem::create_directory(folder / "folder.ogg");  // a folder is never replaced
    std::atomic<bool> cancel{false};
    const AudioProgress cancelAtOnce{[&](double) { cancel = true; }, &cancel};

    struct Case {
        std::filesystem::path target;
        AudioProgress progress;
        AudioExportFault fault;
        int renderings;
    };
    const Case cases[] = {
        {folder / "keep.mp3", cancelAtOnce, AudioExportFault::Cancelled, 1},
        {folder / "missing" / "x.flac", {}, AudioExportFault::CannotCreate, 1},
        {folder / "folder.ogg", {}, AudioExportFault::CannotCreate, 1},
        {folder / "x.aiff", {}, AudioExportFault::UnknownExtension, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.string());
        renderings = 0;
        cancel = false;
        EXPECT_EQ(ExportAudio(c.target, vlvl, Renderer(), c.progress).fault, c.fault);
        EXPECT_EQ(renderings, c.renderings);
    }
    EXPECT_EQ(ReadBytes(folder / "keep.mp3"), previous);
    EXPECT_EQ(folder.FileCount(), 18 + 1);
}

TEST(AudioFormatRules, TheExtensionChoosesTheFormat) {
    const std::pair<const char*, std::optional<AudioFormat>> cases[] = {
        {"Shablon.---", AudioFormat::Wav},
        {"a.WAV", AudioFormat::Wav},
        {"a.flac", AudioFormat::Flac},
        {"a.Ogg", AudioFormat::OggVorbis},
        {"a.oga", AudioFormat::OggVorbis},
        {"a.OPUS", AudioFormat::Opus},
        {"b.c.mp3", AudioFormat::Mp3},
        {"a.mp3.part", std::nullopt},
        {".mp3", std::nullopt},
        {"a", std::nullopt}};
    for (const auto& [name, format] : cases) EXPECT_EQ(AudioFormatForPath(name), format) << name;
}

}  // namespace
}  // namespace ritmora
