// The screen states applied to the real controls.
#include <map>

#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class ScreenLock : public WindowFixture {
  protected:
    std::map<QString, bool> EnabledFlags() {
        std::map<QString, bool> flags;
        for (QObject* control : Window().RegisteredControls()) {
            flags[control->objectName()] = IsEnabled(control->objectName().toUtf8().constData());
        }
        return flags;
    }
    const char* const kLockSet[8] = {"But_Sil",  "But_kaydet", "But_Temizle",    "But_optimize",
                                     "But_uzat", "But_kısalt", "But_mertebe(0)", "But_mertebe(1)"};
};

TEST_F(ScreenLock, EditingStateLocksTheFixedSlotButtonsOnly) {
    LoadSlot(12);
    Window().EkranKiliti(ScreenState::kEditing);
    for (const char* name : kLockSet) EXPECT_FALSE(IsEnabled(name)) << name;
    for (const auto& [name, enabled] : EnabledFlags()) {
        const bool locked = std::find_if(std::begin(kLockSet), std::end(kLockSet), [&](auto n) {
                                return name == QString::fromUtf8(n);
                            }) != std::end(kLockSet);
        if (locked || name == "But_Dur" || name == "TimerWav") continue;
        EXPECT_TRUE(enabled) << name.toStdString();
    }
    EXPECT_FALSE(IsEnabled("But_Dur"));

    SaveAs(205);
    Window().EkranKiliti(ScreenState::kEditing);
    for (const char* name : kLockSet) EXPECT_TRUE(IsEnabled(name)) << name;
}

TEST_F(ScreenLock, PlayingStateLeavesOnlyTheStopButtonAndTimersStayOff) {
    Controls().TimerWav->start();
    Window().EkranKiliti(ScreenState::kUsulPlaying);
    EXPECT_FALSE(Controls().TimerWav->isActive());
    EXPECT_TRUE(Controls().But_Dur->isEnabled());
    EXPECT_TRUE(Controls().Frame2->isEnabled());
    EXPECT_FALSE(Controls().But_Baslat->isEnabled());
    EXPECT_FALSE(Controls().Option2->isEnabled());
    EXPECT_FALSE(IsEnabled("Mn_Lisanlar"));
    EXPECT_FALSE(IsEnabled("Mn_editNota(3)"));
    EXPECT_FALSE(Controls().But_yükle->isEnabled());
    Window().EkranKiliti(ScreenState::kEditing);
    EXPECT_FALSE(Controls().TimerWav->isActive());
    EXPECT_TRUE(Controls().But_Baslat->isEnabled());
    EXPECT_FALSE(Controls().But_Dur->isEnabled());
}

TEST_F(ScreenLock, SaveAsListIsTheOnlyThingUsableWhileOpen) {
    LoadSlot(12);
    Click("But_farklı");
    ASSERT_TRUE(Controls().List2->isVisible());
    EXPECT_EQ(Controls().List2->count(), 55);
    EXPECT_TRUE(Controls().List2->item(4)->text().startsWith("205"));
    EXPECT_TRUE(IsEnabled("List2"));
    EXPECT_FALSE(IsEnabled("List1"));
    EXPECT_FALSE(IsEnabled("Mn_bilgi"));
    EXPECT_FALSE(IsEnabled("Text5"));
    ClickListLine(Controls().List2, 0, Qt::RightButton);  // closes the list, writes nothing
    EXPECT_FALSE(Controls().List2->isVisible());
    EXPECT_EQ(Window().CurrentSlot(), 12);
    EXPECT_TRUE(IsEnabled("Mn_bilgi"));
    EXPECT_EQ(ReadSlot(201).totalDuration, 0);
}

}  // namespace
}  // namespace ritmora::testing
