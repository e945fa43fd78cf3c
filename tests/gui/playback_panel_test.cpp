// Usul playback from the editor: start renders and locks, the marker follows the strokes, stop
// and the end of the file remove it and unlock.
#include "notation/qt/notation_painter.h"
#include "playback/schedule.h"
#include "sound/wav.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

namespace fs = std::filesystem;

class UsulPlayback : public PlaybackFixture {
  protected:
    // The picture as it was before the start, with stroke k's circle drawn.
    QImage WithMarker(QImage picture, int stroke) {
        const UsulSchedule& s = panel->Schedule();
        const auto at = static_cast<std::size_t>(stroke - 1);
        ToggleBeatMarker(picture, s.markerX[at], s.markerRow[at] * 150 - 75);
        return picture;
    }

    bool Unlocked() {
        return !IsEnabled("But_Dur") && IsEnabled("But_Baslat") && IsEnabled("But_yükle") &&
               IsEnabled("Option1(2)") && IsEnabled("VScroll1") && IsEnabled("Mn_Oseviye(6)");
    }
};

// Nothing to play: a message, no file, no lock. A rejected sample file: said once per start.
TEST_F(UsulPlayback, EmptyUsulSaysNoBeatsAndARejectedSampleIsToldOnce) {
    Click("But_Baslat");
    EXPECT_EQ(LastMessage(), Message(message::kNoBeats));
    EXPECT_FALSE(fs::exists(Vlvl() / "Shablon.---"));
    EXPECT_TRUE(Unlocked());
    LoadSlot(158);
    std::ofstream(Vlvl() / SampleFileName(Instrument::Kudum, true, 3)) << "no sound in here";
    Click("But_Baslat");
    EXPECT_EQ(LastMessage(), QString::fromLatin1(kFormatNotRecognized));
    EXPECT_EQ(Messages().size(), 2u);
    Click("But_Dur");
}

TEST_F(UsulPlayback, StartLocksDrawsTheMarkerWhichMovesAndStopRemovesIt) {
    LoadSlot(12);
    SetBpm(250);
    const QImage before = Picture();
    Click("But_Baslat");
    EXPECT_TRUE(Messages().empty());
    ASSERT_TRUE(panel->IsPlaying());
    EXPECT_TRUE(fs::exists(Vlvl() / "Shablon.---"));
    // The circle on stroke 1, then on each next one as the strokes end.
    const UsulSchedule& schedule = panel->Schedule();
    ASSERT_GE(schedule.strokeCount, 3);
    EXPECT_EQ(panel->MarkerStroke(), 1);
    EXPECT_EQ(Picture(), WithMarker(before, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->CurrentStroke() >= 2; },
                                schedule.strokeEndMs[1] + 5000));
    EXPECT_EQ(panel->MarkerStroke(), panel->CurrentStroke() + 1);
    EXPECT_EQ(Picture(), WithMarker(before, panel->MarkerStroke()));
    EXPECT_TRUE(panel->Timers().IsArmed(TimerFamily::UsulEnd, PlaybackPanel::kUsulEndTimerId));
    Click("But_Dur");
    EXPECT_FALSE(panel->IsPlaying());
    EXPECT_EQ(panel->MarkerStroke(), 0);
    EXPECT_EQ(Picture(), before);
    EXPECT_FALSE(panel->AudioPlayer().IsOpen());
    EXPECT_FALSE(panel->Timers().IsArmed(TimerFamily::UsulEnd, PlaybackPanel::kUsulEndTimerId));
    EXPECT_FALSE(panel->Marker().IsActive());
    EXPECT_TRUE(Unlocked());

    // Nothing moves after the stop, and a second stop draws nothing.
    QTest::qWait(schedule.strokeEndMs[2] - schedule.strokeEndMs[1] + 100);
    panel->But_dur_Click();
    EXPECT_EQ(Picture(), before);
    Click("But_Baslat");  // closing the window silences it
    Window().close();
    EXPECT_FALSE(panel->IsPlaying() || panel->AudioPlayer().IsOpen());
}

// A stop before the first move takes the first marker away; the end of the file, however late
// the sound, stops after every move and unlocks.
TEST_F(UsulPlayback, StopBeforeTheFirstMoveAndTheEndOfTheFileLeaveThePictureClean) {
    LoadSlot(12);
    SetBpm(20);
    const QImage before = Picture();
    Click("But_Baslat");
    ASSERT_NE(Picture(), before);
    EXPECT_EQ(panel->CurrentStroke(), 0);
    Click("But_Dur");
    EXPECT_EQ(Picture(), before);
    SetBpm(250);
    Click("But_Baslat");
    const UsulSchedule& schedule = panel->Schedule();
    // A server that falls behind (held once playing) still has the rest to play: the end waits.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return panel->Timers().IsArmed(TimerFamily::UsulEnd, PlaybackPanel::kUsulEndTimerId);
        },
        5000));
    panel->AudioPlayer().Pause();
    QTest::qWait(static_cast<int>(schedule.playDurationMs) + 300);
    EXPECT_TRUE(panel->IsPlaying());
    panel->AudioPlayer().Resume();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->IsPlaying(); },
                                static_cast<int>(schedule.playDurationMs) + 5000));
    EXPECT_EQ(Picture(), before);
    EXPECT_TRUE(Unlocked());
    EXPECT_EQ(panel->CurrentStroke(), schedule.strokeCount - 1);  // every move happened
}

TEST_F(UsulPlayback, TheOptionsOfTheWindowChooseWhatIsRendered) {
    LoadSlot(12);
    SetBpm(233);
    Click("Option1(2)");
    Click("Option3");
    Click("But_Baslat");
    ASSERT_TRUE(panel->IsPlaying());
    Click("But_Dur");
    UsulRenderOptions options;
    options.bpm = 233;
    options.unitNote = Window().UnitNote();
    options.instrument = Instrument::Bendir;
    options.looped = true;
    const fs::path expected = folder / "expected.wav";
    const UsulRenderResult result = RenderUsul(ReadSlot(12), options, Vlvl(), expected);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(ReadText(Vlvl() / "Shablon.---"), ReadText(expected));
    EXPECT_EQ(panel->Schedule().strokeEndMs, result.schedule.strokeEndMs);
}

// A five-minute loop of a quick usul schedules far more than 1001 strokes: the marker's move
// number 1001 and the end timer 1001 must both stand.
TEST_F(UsulPlayback, LongLoopKeepsTheEndTimerApartFromTheMarker) {
    LoadSlot(12);
    SetBpm(250);
    Window().PicBirimNota_Click();  // 8 -> 16
    Window().PicBirimNota_Click();  // 16 -> 4: a quarter a beat, twice the cycles of 8
    ASSERT_EQ(Window().UnitNote(), 4);
    Click("Option3");
    Click("But_Baslat");
    const UsulSchedule& schedule = panel->Schedule();
    ASSERT_GT(schedule.strokeCount, 1001);
    const std::vector<TimerDue> moves = MarkerTimers(schedule.strokeEndMs);
    EXPECT_EQ(moves[1000].id, PlaybackPanel::kUsulEndTimerId);
    EXPECT_LT(moves[1000].dueMs, UsulEndTimerMs(schedule.playDurationMs));

    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->CurrentStroke() >= 1; }, 5000));
    EXPECT_TRUE(panel->Timers().IsArmed(TimerFamily::UsulEnd, PlaybackPanel::kUsulEndTimerId));
    EXPECT_EQ(panel->Timers().ArmedCount(TimerFamily::UsulEnd), 1);
    EXPECT_TRUE(panel->Marker().IsActive());
    Click("But_Dur");
    EXPECT_TRUE(Unlocked());
}

// Once against a real sound server when one is there (tools/run-tests starts a null sink).
class UsulPlaybackOnServer : public UsulPlayback {
  protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || !Player::HasAudioOutput()) {
            GTEST_SKIP() << "no audio server";
        }
        output = Player::Output::Automatic;
        UsulPlayback::SetUp();
    }
};

TEST_F(UsulPlaybackOnServer, MarkerFollowsTheSoundToTheEnd) {
    LoadSlot(12);
    SetBpm(250);
    const QImage before = Picture();
    Click("But_Baslat");
    ASSERT_TRUE(panel->IsPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->CurrentStroke() >= 2; }, 8000))
        << "playing " << panel->AudioPlayer().IsPlaying() << " at "
        << panel->AudioPlayer().PositionMs() << " stroke " << panel->CurrentStroke();
    EXPECT_FALSE(panel->AudioPlayer().IsSilent());
    // Stroke k moved on once what is heard reached its end.
    EXPECT_GE(panel->AudioPlayer().PositionMs() + 30,
              panel->Schedule().strokeEndMs[static_cast<std::size_t>(panel->CurrentStroke() - 1)]);
    // The end waits for the sound: every move happens before the stop.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel->IsPlaying(); }, 10000));
    EXPECT_EQ(panel->CurrentStroke(), panel->Schedule().strokeCount - 1);
    EXPECT_EQ(Picture(), before);
    EXPECT_TRUE(Unlocked());
}

}  // namespace
}  // namespace ritmora::testing
