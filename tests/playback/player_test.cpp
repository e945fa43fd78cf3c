// The player and the beat marker against a real sound server (when the test run provides one
// through PULSE_SERVER, as tools/run-tests does with a PulseAudio null sink) and on the silent
// clock that stands in when there is no audio output at all.
#include "playback/qt/player.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

#include "playback/qt/beat_marker.h"
#include "test_wav.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

using QTest::qWaitFor;

// Generous: a sound server that starts idle may take a couple of seconds to begin playing.
constexpr int kStartWaitMs = 8000;

class PlayerTest : public ::testing::TestWithParam<Player::Output> {
  protected:
    void SetUp() override {
        if (Real() && (qgetenv("PULSE_SERVER").isEmpty() || !Player::HasAudioOutput())) {
            GTEST_SKIP() << "no sound server (set PULSE_SERVER, as tools/run-tests does)";
        }
        ASSERT_TRUE(dir_.isValid());
    }

    bool Real() const { return GetParam() == Player::Output::Automatic; }

    QString Wav(const char* name, int lengthMs, const std::vector<int>& clicks = {}) {
        const QString path = dir_.filePath(name);
        testing::WriteBytes(path.toStdString(), test::WavBytes(test::ClickTrack(lengthMs, clicks)));
        return path;
    }

    QTemporaryDir dir_;
};

TEST_P(PlayerTest, PlaysPausesResumesAndStops) {
    Player player(GetParam());
    QSignalSpy started(&player, &Player::started);
    QSignalSpy finished(&player, &Player::finished);
    ASSERT_TRUE(player.Open(Wav("two.wav", 2000, {0, 500, 1000, 1500})));
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.PositionMs(), 0);
    EXPECT_DOUBLE_EQ(player.DurationMs(), 2000.0);

    player.Play(500);
    ASSERT_TRUE(qWaitFor([&] { return started.count() == 1; }, kStartWaitMs));
    EXPECT_EQ(player.IsSilent(), !Real());
    const int atStart = player.PositionMs();
    EXPECT_GE(atStart, 500);
    EXPECT_LT(atStart, 1000);
    ASSERT_TRUE(qWaitFor([&] { return player.PositionMs() >= atStart + 150; }, kStartWaitMs))
        << "the position advances while the audio plays";

    player.Pause();
    EXPECT_TRUE(player.IsPaused());
    const int paused = player.PositionMs();
    QTest::qWait(300);
    EXPECT_EQ(player.PositionMs(), paused) << "a pause freezes the position";

    player.Resume();
    EXPECT_TRUE(player.IsPlaying());
    ASSERT_TRUE(qWaitFor([&] { return player.PositionMs() >= paused + 100; }, kStartWaitMs))
        << "and resuming continues from there";
    EXPECT_LT(player.PositionMs(), 2000);
    EXPECT_EQ(started.count(), 1) << "resuming is not a new start";

    player.StopClose();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.PositionMs(), 0);
    QTest::qWait(50);
    EXPECT_EQ(finished.count(), 0);
}

// Plays to the end, stops as soon as it sounds, plays again over a playback and from the end,
// again and again, while a second client records from the server: the sound server calls back
// into the player's output while and after it stops, which must never reach a freed one.
TEST_P(PlayerTest, PlaysAgainAndAgainBesideASecondClient) {
    // Asking for a short latency makes the server answer soonest, which is when a freed output
    // was reached before.
    QProcess recorder;
    if (Real()) {
        recorder.setStandardOutputFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
        // Gone with the test, even if it crashes: left running it would hold the server's latency.
        recorder.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
        recorder.start("parec", {"--device=@DEFAULT_MONITOR@", "--latency-msec=10"});
        ASSERT_TRUE(recorder.waitForStarted()) << "parec (pulseaudio-utils) is needed";
    }
    Player player(GetParam());
    QSignalSpy started(&player, &Player::started);
    QSignalSpy finished(&player, &Player::finished);
    const QString path = Wav("short.wav", 400, {0, 200});
    QElapsedTimer sounding;
    QObject::connect(&player, &Player::started, [&] { sounding.start(); });
    int starts = 0, ends = 0;
    for (int round = 0; round < (Real() ? 4 : 1); ++round) {
        ASSERT_TRUE(player.Open(path));
        player.Play(100);
        ASSERT_TRUE(qWaitFor([&] { return finished.count() == ends + 1; }, kStartWaitMs));
        ++starts, ++ends;
        // 300 ms were left to play: finishing much sooner would cut the audio short.
        EXPECT_GE(sounding.elapsed(), Real() ? 200 : 290);
        EXPECT_TRUE(player.IsOpen()) << "the file stays open until it is stopped and closed";
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_EQ(player.PositionMs(), 400);

        player.Play(0);
        ASSERT_TRUE(qWaitFor([&] { return started.count() == starts + 1; }, kStartWaitMs));
        player.Play(300);  // over the sounding playback
        ASSERT_TRUE(qWaitFor([&] { return finished.count() == ends + 1; }, kStartWaitMs));
        starts += 2, ++ends;

        player.Play(5000);  // nothing left to play: finishes at once
        ASSERT_TRUE(qWaitFor([&] { return finished.count() == ends + 1; }, kStartWaitMs));
        ++starts, ++ends;

        player.Play(0);
        ASSERT_TRUE(qWaitFor([&] { return started.count() == starts + 1; }, kStartWaitMs));
        ++starts;
        player.StopClose();
    }
    EXPECT_EQ(started.count(), starts);
    EXPECT_EQ(finished.count(), ends);
    if (Real()) {
        EXPECT_EQ(recorder.state(), QProcess::Running);
    }
}

TEST_P(PlayerTest, TheBeatMarkerMovesWhenPlaybackReachesEachStrokeEnd) {
    Player player(GetParam());
    BeatMarker marker(player);
    const std::vector<int> ends{100, 200, 300, 450, 600, 700, 900};
    ASSERT_TRUE(player.Open(Wav("usul.wav", 1000, {0, 100, 200, 300, 450, 600, 700})));
    std::vector<int> moved;
    std::vector<double> positions;
    marker.Follow(ends, [&](int stroke) {
        moved.push_back(stroke);
        positions.push_back(player.PositionExactMs());
    });
    EXPECT_TRUE(marker.IsActive());
    EXPECT_EQ(marker.CurrentStroke(), 0);
    player.Play(0);
    ASSERT_TRUE(qWaitFor([&] { return moved.size() == 6; }, 3 * kStartWaitMs));
    EXPECT_EQ(moved, (std::vector<int>{1, 2, 3, 4, 5, 6})) << "no move for the last stroke";
    for (std::size_t i = 0; i < moved.size(); ++i) {
        EXPECT_GE(positions[i], ends[i] - 0.5) << "stroke " << moved[i] << " moved early";
    }
    EXPECT_EQ(marker.CurrentStroke(), 6);
    EXPECT_FALSE(marker.IsActive());
    player.StopClose();
}

TEST_P(PlayerTest, StoppingTheMarkerEndsItsMoves) {
    Player player(GetParam());
    BeatMarker marker(player);
    ASSERT_TRUE(player.Open(Wav("stop.wav", 3000)));
    std::vector<int> moved;
    marker.Follow({100, 150, 200, 2800}, [&](int stroke) {
        moved.push_back(stroke);
        if (stroke == 1) marker.Stop();
    });
    player.Play(0);
    ASSERT_TRUE(qWaitFor([&] { return player.PositionMs() >= 300; }, 3 * kStartWaitMs));
    EXPECT_EQ(moved, std::vector<int>{1});
    EXPECT_FALSE(marker.IsActive());

    // A one-stroke usul has nothing to move.
    marker.Follow({1000}, [&](int stroke) { moved.push_back(stroke); });
    EXPECT_FALSE(marker.IsActive());
    player.StopClose();
}

INSTANTIATE_TEST_SUITE_P(Outputs, PlayerTest,
                         ::testing::Values(Player::Output::Automatic, Player::Output::Silent),
                         [](const auto& info) {
                             return info.param == Player::Output::Silent ? "Silent" : "SoundServer";
                         });

TEST(SilentPlayer, AskedForByTheEnvironmentItsPositionIsTheSteadyClock) {
    QTemporaryDir dir;
    const QString path = dir.filePath("clock.wav");
    testing::WriteBytes(path.toStdString(), test::WavBytes(test::ClickTrack(5000, {})));
    qputenv("RITMORA_AUDIO", "silent");
    Player player;
    qunsetenv("RITMORA_AUDIO");
    ASSERT_TRUE(player.Open(path));
    player.Play(1000);
    EXPECT_TRUE(player.IsSilent());
    // Each reading is bracketed by wall-clock readings, so a busy machine cannot widen the
    // comparison.
    QElapsedTimer wall;
    wall.start();
    const double first = player.PositionExactMs(), afterFirst = wall.nsecsElapsed() / 1e6;
    QTest::qWait(250);
    const double beforeLast = wall.nsecsElapsed() / 1e6, last = player.PositionExactMs();
    EXPECT_GE(last - first, beforeLast - afterFirst - 0.5);
    EXPECT_LE(last - first, wall.nsecsElapsed() / 1e6 + 0.5);
    player.StopClose();
}

TEST(PlayerOpen, RefusesWhatItCannotPlayAndOpeningClosesTheFileBefore) {
    QTemporaryDir dir;
    Player player(Player::Output::Silent);
    QSignalSpy started(&player, &Player::started);
    EXPECT_FALSE(player.Open(dir.filePath("missing.wav")));
    const QString text = dir.filePath("plan.txt");
    testing::WriteBytes(text.toStdString(), {'n', 'o', 't', ' ', 'w', 'a', 'v'});
    EXPECT_FALSE(player.Open(text));
    EXPECT_FALSE(player.IsOpen());
    player.Play(0);
    player.Pause();
    player.Resume();
    QTest::qWait(50);
    EXPECT_EQ(started.count(), 0);
    EXPECT_EQ(player.PositionMs(), 0);
    player.StopClose();

    const QString good = dir.filePath("good.wav");
    testing::WriteBytes(good.toStdString(), test::WavBytes(test::ClickTrack(2000, {})));
    ASSERT_TRUE(player.Open(good));
    player.Play(1500);
    ASSERT_TRUE(player.Open(good));
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.PositionMs(), 0);
}

}  // namespace
}  // namespace ritmora
