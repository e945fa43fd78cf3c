// Rendering and playing a plan in the real window: the start from a chosen passage, pause and
// continue, stop, the passage display, the running time and the faults that stop a start.
#include "app/texts.h"
#include "playback/qt/player.h"
#include "playback/qt/timers.h"
#include "playback/schedule.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

// Three short passages of two usuls: 0.75 s of Semai (slot 4), 1.25 s of Türk aksağı (slot
// 12), 0.75 s of Semai.
const char* const kShortPlan = "Bir 4 1 4 120\nIki 12 1 4 120\nUc 4 1 4 120";

class PlanPlaybackTest : public PlanFixture {
  protected:
    PlanPlayback& Playback() { return plan->Playback(); }
    Player& ThePlayer() { return Playback().PlanPlayer(); }
    TimerBank& Timers() { return Playback().Timers(); }

    QColor Label3Colour() { return Controls().Label3->palette().color(QPalette::WindowText); }

    // Saves a plan, opens it and selects passage `row` of the passage list.
    void Prepare(const char* name, const char* text, int row) {
        EnterPlanMode();
        ASSERT_TRUE(SavePlan(QString::fromUtf8(name), QString::fromUtf8(text)));
        OpenPlan(QString::fromUtf8(name) + ".txt");
        ASSERT_TRUE(Messages().empty());
        Controls().List3->setCurrentRow(row);
    }

    // Waits for the schedule: it is armed once the sound has begun.
    void WaitForSchedule() { QTRY_VERIFY(Timers().IsArmed(TimerFamily::PlanEnd, 1)); }

    bool PlaysNothing() {
        return !ThePlayer().IsOpen() && Timers().ArmedCount(TimerFamily::Passage) == 0 &&
               Timers().ArmedCount(TimerFamily::PlanEnd) == 0 && !IsEnabled("Command1") &&
               !IsEnabled("Command3") && IsEnabled("Command4") && !plan->Playback().IsPlaying();
    }
};

TEST_F(PlanPlaybackTest, StartsFromTheSelectedPassage) {
    Prepare("Huseyni Pesrevi Lavtaci Tavron", kTypedExample, 2);
    Click("Command2");  // the help panel: the start closes it
    Click("Command4");
    ASSERT_TRUE(Messages().empty()) << LastMessage().toStdString();
    const PlanState& state = plan->Plan();
    ASSERT_EQ(state.PassageEndMs.size(), 4u);
    EXPECT_EQ(ReadText(vlvl / "Eser.---").substr(0, 4), "RIFF");  // the whole plan rendered
    // Playback begins at the start of the third passage.
    const int from = state.PassageEndMs[1];
    ASSERT_TRUE(ThePlayer().IsOpen());
    EXPECT_GE(ThePlayer().PositionMs(), from);
    EXPECT_LT(ThePlayer().PositionMs(), from + 2000);
    WaitForSchedule();
    EXPECT_EQ(Playback().LastSchedule().fromMs, from);
    EXPECT_TRUE(Timers().IsArmed(TimerFamily::Passage, 3));
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::Passage), 1);
    // The plan panels are locked, pause and stop usable; the notation shows the usul.
    for (const char* name : {"Command4", "File1", "Option2"}) EXPECT_FALSE(IsEnabled(name)) << name;
    for (const char* name : {"Command1", "Command3"}) EXPECT_TRUE(IsEnabled(name)) << name;
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("165"));
    EXPECT_TRUE(Controls().Picture1->isVisible());
    EXPECT_FALSE(Controls().Picture4->isVisible() || Controls().Picture3->isVisible());
    EXPECT_LT(Controls().Picture1->height(), 600);  // never under the raised panels
    EXPECT_EQ(Controls().List3->currentRow(), 2);
    // The running time and the progress bar, already filled up to the start.
    QTRY_VERIFY(Controls().Label3->text() > QString::fromStdString(PositionLabel(from)));
    const QImage& bar = Controls().Picture2->Picture();
    const int filled = ProgressWidth(bar.width(), state.PlayDurationMs, from);
    ASSERT_GT(filled, 2);
    QTRY_COMPARE(bar.pixelColor(filled - 2, bar.height() / 2), QColor(0, 255, 0));
    EXPECT_EQ(bar.pixelColor(bar.width() - 1, bar.height() / 2), QColor(Qt::white));
    Click("But_Baslat");  // the player holds one file: an usul's start stops the plan
    EXPECT_FALSE(Playback().IsPlaying());
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::PlanEnd), 0);
}

TEST_F(PlanPlaybackTest, PauseAndContinueRearmFromThePlayersPositionAndStopResets) {
    Prepare("Huseyni Pesrevi Lavtaci Tavron", kTypedExample, 1);
    Click("Command4");
    WaitForSchedule();
    const PlanState& state = plan->Plan();
    QTRY_VERIFY(ThePlayer().PositionMs() > state.PassageEndMs[0]);
    Click("Command1");
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Devam"));
    EXPECT_EQ(Label3Colour(), QColor(192, 0, 0));
    EXPECT_FALSE(Controls().TimerWav->isActive());
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::Passage), 0);
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::PlanEnd), 0);
    EXPECT_TRUE(ThePlayer().IsPaused());
    EXPECT_TRUE(IsEnabled("Command1") && IsEnabled("Command3") && !IsEnabled("Command4"));
    const int paused = ThePlayer().PositionMs();
    QTest::qWait(300);  // nothing to wait for: the position must stand still
    EXPECT_EQ(ThePlayer().PositionMs(), paused);
    Click("Command1");
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Bekle"));
    EXPECT_EQ(Label3Colour(), QColor(0, 128, 0));
    EXPECT_TRUE(Controls().TimerWav->isActive());
    EXPECT_TRUE(ThePlayer().IsPlaying());
    // The remaining times, from where the player stood.
    const auto& schedule = Playback().LastSchedule();
    EXPECT_EQ(schedule.fromMs, paused);
    ASSERT_EQ(schedule.passages.size(), 2u);
    EXPECT_EQ(schedule.passages[0], (TimerDue{2, state.PassageEndMs[1] - paused}));
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::Passage), 2);
    // The caption follows a language switch in either state.
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Pause"));
    Click("Command1");
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Continue"));
    const QString pausedTime = Controls().Label3->text();
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Devam"));
    EXPECT_EQ(Controls().Label3->text(), pausedTime);

    // Paused on a later passage, a stop still resets everything.
    Playback().PassageTimerProc(3);
    EXPECT_EQ(Controls().List3->currentRow(), 3);
    Click("Command3");
    EXPECT_TRUE(PlaysNothing());
    EXPECT_FALSE(Controls().TimerWav->isActive());
    EXPECT_EQ(Controls().Command1->text(), QStringLiteral("Bekle"));
    EXPECT_EQ(Label3Colour(), QColor(192, 0, 0));
    EXPECT_EQ(Controls().List3->currentRow(), 1);  // the passage it started from
    EXPECT_FALSE(Controls().Picture1->isVisible());
    EXPECT_TRUE(Controls().Picture4->isVisible());
    for (const char* name :
         {"File1", "Picture2", "Command4", "Command5", "Command10", "Command2", "Text14", "Text9",
          "Command8", "Option2", "Option3", "Option4", "List3"}) {
        EXPECT_TRUE(IsEnabled(name)) << name;
    }
    const QImage bar = Controls().Picture2->Picture();
    for (int x = 0; x < bar.width(); x += 7) {
        EXPECT_EQ(bar.pixelColor(x, bar.height() / 2), QColor(Qt::white)) << x;
    }
}

// The passage display follows what is heard: it waits while the sound stalls (as on a busy
// sound server) and moves on with it to the end, which stops the plan at its first passage.
TEST_F(PlanPlaybackTest, PassagesFollowTheSoundEvenWhenItFallsBehind) {
    Prepare("Kisa", kShortPlan, 0);
    Click("Command4");
    ASSERT_TRUE(Messages().empty());
    EXPECT_EQ(plan->Plan().PassageUsuls, (std::vector<int>{4, 12, 4}));
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("4"));
    WaitForSchedule();
    EXPECT_EQ(Timers().ArmedCount(TimerFamily::Passage), 2);
    ThePlayer().Pause();  // the clock runs on, the sound does not
    QTest::qWait(plan->Plan().PassageEndMs[0] - ThePlayer().PositionMs() + 300);
    EXPECT_EQ(Controls().List3->currentRow(), 0);
    EXPECT_TRUE(plan->Playback().IsPlaying());
    ThePlayer().Resume();
    QTRY_COMPARE_WITH_TIMEOUT(Controls().List3->currentRow(), 1, 5000);
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("12"));
    EXPECT_GE(ThePlayer().PositionMs(), plan->Plan().PassageEndMs[0]);
    QTRY_COMPARE_WITH_TIMEOUT(Controls().List3->currentRow(), 2, 5000);
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("4"));
    EXPECT_EQ(Window().CurrentSlot(), 0);  // the editor's usul is never the passage's
    QTRY_VERIFY_WITH_TIMEOUT(!plan->Playback().IsPlaying(), 5000);
    EXPECT_TRUE(PlaysNothing());
    EXPECT_EQ(Controls().List3->currentRow(), 0);
}

// A start that cannot play says why and plays nothing: an empty slot in the plan, no plan
// selected (saving selects none), a file edited by hand since it was opened.
TEST_F(PlanPlaybackTest, StartsThatCannotPlaySayWhyAndPlayNothing) {
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QStringLiteral("Bir"), QStringLiteral("Tek 4 1 4 120")));
    ASSERT_TRUE(SavePlan(QStringLiteral("Bos"), QStringLiteral("Dolu 4 1 4 120\nBos 210 2 4 84")));
    const struct {
        const char *open, *rewritten, *message;
    } cases[] = {
        {nullptr, nullptr, "Bir meşk planı seçin.  "},
        {"Bos.txt", nullptr, "       Girilmiş darp yok.       "},
        {"Bir.txt", "Tek 4 1 4 120\r\nIki 4 1 4 250\r\n", "Metronom çok yüksek.  Satır: 2"}};
    for (const auto& c : cases) {
        if (c.open) OpenPlan(c.open);
        if (c.rewritten) WriteRawPlan(c.open, c.rewritten);
        ClearMessages();
        Click("Command4");
        EXPECT_EQ(LastMessage(), QString::fromUtf8(c.message));
        EXPECT_EQ(Messages().size(), 1u);
        EXPECT_TRUE(PlaysNothing());
    }
    EXPECT_FALSE(std::filesystem::exists(vlvl / "Eser.---"));
}

}  // namespace
}  // namespace ritmora::testing
