// Long renderings run on a worker: the window waits with a progress bar and Cancel, goes on
// answering meanwhile, plays what was rendered once it is there, and a cancel or a close leaves
// the previous file as it was and plays nothing.
#include <QProgressBar>

#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

namespace fs = std::filesystem;

class LongRendering : public PlanFixture {
  protected:
    // Two hours of slot 184, the longest plan the program renders.
    void StartLongPlan() {
        WriteRawPlan("Uzun.txt", "a 184 9 4 40\r\nb 184 9 4 40\r\nc 184 9 4 40");
        std::ofstream(vlvl / "Eser.---", std::ios::binary) << kPrevious;
        EnterPlanMode();
        OpenPlan("Uzun.txt");
        Click("Command4");
    }

    bool NoTemporaryLeft() {
        for (const fs::directory_entry& entry : fs::directory_iterator(vlvl)) {
            if (entry.path().filename().string().starts_with("~")) return false;
        }
        return true;
    }

    static constexpr const char* kPrevious = "the previous composition";
};

// A cancel, or closing the window, stops the worker: nothing plays, the last composition stays.
TEST_F(LongRendering, APlanRendersOnTheWorkerAndCancelOrCloseLeavesNothing) {
    StartLongPlan();
    PlanPlayback& playback = plan->Playback();
    ASSERT_TRUE(playback.IsRendering());
    EXPECT_FALSE(playback.IsPlaying());
    EXPECT_TRUE(IsEnabled("Command3"));
    for (const char* name : {"Command4", "But_Baslat", "Mn_SesKaydet", "Mn_volüm"}) {
        EXPECT_FALSE(IsEnabled(name)) << name;  // nothing starts a second rendering
    }
    // The window's own timer moves the bar while the worker renders.
    auto* bar = Window().findChild<QProgressBar*>("RenderProgressBar");
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() > 0 || !playback.IsRendering(); }));
    ASSERT_TRUE(playback.IsRendering());
    Click("RenderProgressCancel");
    EXPECT_FALSE(playback.IsRendering() || playback.IsActive() || playback.PlanPlayer().IsOpen());
    EXPECT_EQ(ReadText(vlvl / "Eser.---"), kPrevious);
    EXPECT_TRUE(NoTemporaryLeft());
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(IsEnabled("Command4") && IsEnabled("But_Baslat") && !IsEnabled("Command3"));

    Click("Command4");
    ASSERT_TRUE(playback.IsRendering());
    Window().close();
    EXPECT_FALSE(playback.IsRendering());
    QCoreApplication::processEvents();  // a late result would arrive here
    EXPECT_FALSE(playback.IsActive());
    EXPECT_EQ(ReadText(vlvl / "Eser.---"), kPrevious);
    EXPECT_TRUE(NoTemporaryLeft());
}

TEST_F(LongRendering, AnUsulPlaysWhenItsRenderingEndsAndStopCancelsTheNext) {
    LoadSlot(184);
    Controls().VScroll1->setValue(270 - 20);  // one cycle of about eighteen minutes
    PlaybackPanel& usul = Window().Playback();
    Click("But_Baslat");
    ASSERT_TRUE(usul.IsRendering());
    EXPECT_FALSE(usul.IsPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return usul.IsPlaying(); }, 20000));
    EXPECT_EQ(usul.MarkerStroke(), 1);
    EXPECT_TRUE(IsEnabled("But_Dur") && !IsEnabled("But_Baslat"));
    Click("But_Dur");
    const fs::path rendered = usul.RenderedFile();
    const auto written = fs::last_write_time(rendered);
    Click("But_Baslat");
    ASSERT_TRUE(usul.IsRendering());
    Click("But_Dur");
    QCoreApplication::processEvents();
    EXPECT_FALSE(usul.IsRendering() || usul.IsPlaying());
    EXPECT_EQ(usul.MarkerStroke(), 0);
    EXPECT_EQ(fs::last_write_time(rendered), written);
    EXPECT_TRUE(NoTemporaryLeft());
    EXPECT_TRUE(IsEnabled("But_Baslat"));
}

}  // namespace
}  // namespace ritmora::testing
