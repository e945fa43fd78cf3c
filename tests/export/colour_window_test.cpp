// FRenk: the scroll bars and swatch, revert, apply with and without storing record 256, and the
// main window enabled again however FRenk closes.
#include "app/colour_settings_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "app/message_box.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

SettingsRecord Colour(int r, int g, int b) {
    SettingsRecord s;
    s.backRed = static_cast<std::uint8_t>(r);
    s.backGreen = static_cast<std::uint8_t>(g);
    s.backBlue = static_cast<std::uint8_t>(b);
    return s;
}

class ColourWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageHook([this](const MessageRequest& request) {
            messages.push_back(request.text);
            return true;
        });
        mainWindow.show();
    }
    void TearDown() override {
        if (frenk) delete frenk.data();
        SetMessageHook({});
    }

    void Open(const SettingsRecord& current, Language language = Language::English) {
        ColourWindowCalls hooks;
        hooks.apply = [this](const SettingsRecord& s) { applied.push_back(s); };
        hooks.store = [this](const SettingsRecord& s) {
            stored.push_back(s);
            return storeSucceeds;
        };
        frenk = new FRenk(&mainWindow, current, language, hooks);
        frenk->show();
    }
    QScrollBar* Bar(int n) const {
        return frenk->findChild<QScrollBar*>(QStringLiteral("HScroll%1").arg(n));
    }
    std::array<int, 3> Bars() const { return {Bar(1)->value(), Bar(2)->value(), Bar(3)->value()}; }
    QColor Swatch() const {
        return frenk->findChild<QWidget*>(QStringLiteral("PicRenk"))
            ->palette()
            .color(QPalette::Window);
    }
    template <typename T>
    T* Child(const char* name) const {
        return frenk->findChild<T*>(QString::fromUtf8(name));
    }
    // FRenk deletes itself once closed.
    bool ClosedAndGone() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return frenk.isNull() && mainWindow.isEnabled();
    }

    QWidget mainWindow;  // stands in for the main window
    QPointer<FRenk> frenk;
    std::vector<SettingsRecord> applied, stored;
    bool storeSucceeds = true;
    std::vector<QString> messages;
};

TEST_F(ColourWindow, OpensOnTheCurrentColourWithTheMainWindowDisabled) {
    Open(Colour(10, 20, 30), Language::Turkish);
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_FALSE(frenk->isModal());
    EXPECT_EQ(Bars(), (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(Swatch(), QColor(10, 20, 30));
    EXPECT_FALSE(Child<QCheckBox>("Check1")->isChecked());
}

TEST_F(ColourWindow, SwatchFollowsEveryMovementAndApplyWithoutTickDoesNotStore) {
    Open(Colour(100, 100, 100));
    Bar(1)->setValue(0);
    Bar(2)->setValue(255);
    Bar(3)->setValue(-5);  // clamped by the bar
    EXPECT_EQ(Swatch(), QColor(0, 255, 0));
    // Dragging the thumb: the swatch follows while the slider is held down.
    Bar(3)->setSliderDown(true);
    Bar(3)->setSliderPosition(77);
    EXPECT_EQ(Swatch(), QColor(0, 255, 77));
    Bar(3)->setSliderDown(false);
    Child<QPushButton>("But_RenkTamam")->click();
    EXPECT_EQ(applied, std::vector<SettingsRecord>{Colour(0, 255, 77)});
    EXPECT_TRUE(stored.empty());
    EXPECT_TRUE(ClosedAndGone());
}

// A failed store is reported, yet the colour is applied.
TEST_F(ColourWindow, RevertPutsTheDefaultOnTheBarsAndApplyWithTickStoresIt) {
    for (const bool succeeds : {true, false}) {
        storeSucceeds = succeeds;
        Open(Colour(1, 2, 3));
        Child<QPushButton>("Command1")->click();
        EXPECT_EQ(Bars(), (std::array<int, 3>{200, 185, 130}));
        EXPECT_EQ(Swatch(), QColor(200, 185, 130));
        EXPECT_TRUE(frenk->isVisible());
        Child<QCheckBox>("Check1")->setChecked(true);
        Child<QPushButton>("But_RenkTamam")->click();
        EXPECT_EQ(applied.back(), Colour(200, 185, 130));
        EXPECT_EQ(stored, applied);
        EXPECT_EQ(messages.size(), succeeds ? 0u : 1u);
        EXPECT_TRUE(ClosedAndGone());
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("usuller.usl"));
}

TEST_F(ColourWindow, ClosingByTitleBarEscapeOrWithTheMainWindowAppliesNothing) {
    Open(Colour(1, 1, 1));
    frenk->close();
    EXPECT_TRUE(ClosedAndGone());
    Open(Colour(1, 1, 1));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(Bar(2), &escape);  // from a focused child it reaches FRenk
    EXPECT_TRUE(ClosedAndGone());
    Open(Colour(1, 1, 1));
    mainWindow.close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(ClosedAndGone());
    EXPECT_TRUE(applied.empty());
}

}  // namespace
}  // namespace ritmora
