// The position clock, the stopwatch and the WAV layout: the Qt-free parts of the player.
#include <gtest/gtest.h>

#include <cmath>

#include "playback/position_clock.h"
#include "playback/stopwatch.h"
#include "playback/wav_layout.h"
#include "test_wav.h"

namespace ritmora {
namespace {

TEST(PositionClock, WaitsForTheAudioThenRunsWithRealTime) {
    PositionClock clock;
    clock.Hold(500.0);
    EXPECT_FALSE(clock.Follow(500.0, 1000.0)) << "nothing heard yet";
    EXPECT_DOUBLE_EQ(clock.Position(1010.0), 500.0);
    EXPECT_TRUE(clock.Follow(502.0, 1020.0));
    EXPECT_DOUBLE_EQ(clock.Position(1020.0), 502.0);
    EXPECT_DOUBLE_EQ(clock.Position(1120.0), 602.0) << "runs on between readings";
    clock.Freeze(1120.0);
    EXPECT_DOUBLE_EQ(clock.Position(5000.0), 602.0);
    clock.Run(5000.0);
    EXPECT_DOUBLE_EQ(clock.Position(5100.0), 702.0);
}

TEST(PositionClock, KeepsAnEvenPaceBesideASlowOrStalledServerAndNeverGoesBack) {
    struct Server {
        double (*heard)(int now);
        double maxAhead, maxBehind, atTheEnd;
    };
    const Server servers[] = {
        // Falls behind real time by up to 70 ms over four seconds, then jumps forward again, as
        // the PulseAudio null sink reports.
        {[](int now) { return now - std::fmod(now, 4000.0) / 4000.0 * 70.0 + 0.001; }, 75, 75, 75},
        // Stalls from 145 to 2000 ms, then plays on.
        {[](int now) { return now < 145 ? now : (now < 2000 ? 145.0 : 145.0 + (now - 2000)); }, 85,
         1e9, 1},  // caught up again at the end
    };
    for (const Server& server : servers) {
        PositionClock clock;
        clock.Hold(0.0);
        double last = 0.0;
        for (int now = 0; now <= 4000; now += 5) {
            clock.Follow(server.heard(now), now);
            const double position = clock.Position(now);
            EXPECT_GE(position, last) << "at " << now;
            EXPECT_LE(position - last, 5 * 1.1 + 0.01) << "at " << now;
            EXPECT_LE(position - server.heard(now), server.maxAhead) << "at " << now;
            EXPECT_LE(server.heard(now) - position, server.maxBehind) << "at " << now;
            last = position;
        }
        EXPECT_NEAR(clock.Position(4000.0), server.heard(4000), server.atTheEnd);
    }
    // A big jump (a seek, or audio that resumes far ahead) is taken at once.
    PositionClock clock;
    clock.Hold(0.0);
    clock.Follow(1.0, 0.0);
    clock.Follow(20500.0, 5.0);
    EXPECT_DOUBLE_EQ(clock.Position(5.0), 20500.0);
}

TEST(Stopwatch, MeasuresTheIntervalLessTheCalibration) {
    xTimer watch;
    EXPECT_EQ(watch.RunTime(), 0.0);
    watch.Calibrieren();
    EXPECT_GE(watch.CalibrationMs(), 0.0);
    EXPECT_LT(watch.CalibrationMs(), 50.0);
    const auto start = std::chrono::steady_clock::now();
    watch.Start();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(20)) {
    }
    watch.Halt();
    EXPECT_GE(watch.RunTime(), 19.0);
}

std::optional<PcmLayout> Layout(const std::vector<unsigned char>& bytes) {
    return ReadPcmLayout({bytes.data(), bytes.size()}, static_cast<std::int64_t>(bytes.size()));
}

TEST(WavLayout, FindsTheDataBehindOtherChunksAndTrimsAShortFile) {
    const auto layout = Layout(test::WavBytes(std::vector<std::int16_t>(44100, 0)));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->sampleRate, 44100);
    EXPECT_EQ(layout->dataOffset, 44);
    EXPECT_DOUBLE_EQ(layout->DurationMs(), 1000.0);
    EXPECT_EQ(layout->DataByteAt(500), 44100);
    EXPECT_EQ(layout->DataByteAt(5000), 88200) << "clamped to the end";
    EXPECT_EQ(layout->DataByteAt(-3), 0);

    auto bytes = test::WavBytes(std::vector<std::int16_t>(100, 1), 22050, 2);
    // A LIST chunk of odd length (padded) between "fmt " and "data".
    const std::vector<unsigned char> list{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    bytes.resize(bytes.size() - 3);  // cut inside the last frame
    const auto stereo = Layout(bytes);
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->dataOffset, 56);
    EXPECT_EQ(stereo->dataBytes, 196) << "whole frames that are really there";
}

TEST(WavLayout, RefusesWhatItCannotPlay) {
    const auto bytes = test::WavBytes(std::vector<std::int16_t>(10, 0));
    for (const auto& [at, value] : std::vector<std::pair<int, unsigned char>>{
             {34, 8} /* 8-bit */, {20, 3} /* float */, {0, 'X'} /* not RIFF */}) {
        auto changed = bytes;
        changed[static_cast<std::size_t>(at)] = value;
        EXPECT_FALSE(Layout(changed)) << at;
    }
    EXPECT_FALSE(Layout(std::vector<unsigned char>(20, 0)));
    EXPECT_FALSE(Layout({bytes.begin(), bytes.begin() + 30})) << "truncated format chunk";
}

}  // namespace
}  // namespace ritmora
