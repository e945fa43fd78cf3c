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
#include "library/default_library.h"
#include "library/library_file.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

struct Calls {
    int applied = 0;
    int stored = 0;
    bool storeSucceeds = true;
    SettingsRecord last;
};

class ColourWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageHook([this](const MessageRequest& request) {
            messages.push_back(request.text);
            return true;
        });
    }
    void TearDown() override {
        if (frenk) delete frenk.data();
        SetMessageHook({});
    }

    FRenk* Open(const SettingsRecord& current, Language language = Language::English) {
        ColourWindowCalls hooks;
        hooks.apply = [this](const SettingsRecord& s) {
            ++calls.applied;
            calls.last = s;
        };
        hooks.store = [this](const SettingsRecord& s) {
            ++calls.stored;
            calls.last = s;
            return calls.storeSucceeds;
        };
        frenk = new FRenk(&mainWindow, current, language, hooks);
        frenk->show();
        return frenk;
    }
    QScrollBar* Bar(int n) const {
        return frenk->findChild<QScrollBar*>(QStringLiteral("HScroll%1").arg(n));
    }
    QColor Swatch() const {
        return frenk->findChild<QWidget*>(QStringLiteral("PicRenk"))
            ->palette()
            .color(QPalette::Window);
    }
    template <typename T>
    T* Child(const char* name) const {
        return frenk->findChild<T*>(QString::fromUtf8(name));
    }
    static void DeleteClosed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget mainWindow;  // stands in for the main window
    Calls calls;
    QPointer<FRenk> frenk;
    std::vector<QString> messages;
};

SettingsRecord Colour(int r, int g, int b) {
    SettingsRecord s;
    s.backRed = static_cast<std::uint8_t>(r);
    s.backGreen = static_cast<std::uint8_t>(g);
    s.backBlue = static_cast<std::uint8_t>(b);
    return s;
}

TEST_F(ColourWindow, OpensOnTheCurrentColourWithTheMainWindowDisabled) {
    mainWindow.show();
    Open(Colour(10, 20, 30));
    EXPECT_EQ(frenk->objectName(), "FRenk");
    EXPECT_EQ(frenk->windowTitle(), "Ritmora editor");
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(frenk->isEnabled());
    EXPECT_FALSE(frenk->isModal());
    EXPECT_EQ(Bar(1)->value(), 10);
    EXPECT_EQ(Bar(2)->value(), 20);
    EXPECT_EQ(Bar(3)->value(), 30);
    EXPECT_EQ(Swatch(), QColor(10, 20, 30));
    EXPECT_FALSE(Child<QCheckBox>("Check1")->isChecked());
}

TEST_F(ColourWindow, CaptionsFollowTheLanguage) {
    Open(Colour(0, 0, 0), Language::English);
    EXPECT_EQ(Child<QCheckBox>("Check1")->text(), "Make Permanent  ");
    EXPECT_EQ(Child<QPushButton>("But_RenkTamam")->text(), "Apply ");
    EXPECT_EQ(Child<QPushButton>("Command1")->text(), "Revert to Default");
    delete frenk.data();
    Open(Colour(0, 0, 0), Language::Turkish);
    EXPECT_EQ(Child<QCheckBox>("Check1")->text(), QString::fromUtf8("Kalıcı olsun  "));
    EXPECT_EQ(Child<QPushButton>("But_RenkTamam")->text(), "Uygula");
    EXPECT_EQ(Child<QPushButton>("Command1")->text(), "Orijinal renk");
}

TEST_F(ColourWindow, SwatchFollowsEveryMovementToTheExactEnds) {
    Open(Colour(100, 100, 100));
    Bar(1)->setValue(0);
    Bar(2)->setValue(255);
    Bar(3)->setValue(-5);  // clamped by the bar
    EXPECT_EQ(Swatch(), QColor(0, 255, 0));
    EXPECT_EQ(frenk->PreviewColour()[1], 255);
    // Dragging the thumb: the swatch follows while the slider is held down.
    Bar(3)->setSliderDown(true);
    Bar(3)->setSliderPosition(77);
    EXPECT_EQ(Swatch(), QColor(0, 255, 77));
    Bar(3)->setSliderDown(false);

    Child<QPushButton>("But_RenkTamam")->click();
    EXPECT_EQ(calls.applied, 1);
    EXPECT_EQ(calls.last.backRed, 0);
    EXPECT_EQ(calls.last.backGreen, 255);
    EXPECT_EQ(calls.last.backBlue, 77);
}

TEST_F(ColourWindow, RevertPutsTheDefaultOnTheBarsOnly) {
    Open(Colour(1, 2, 3));
    Child<QPushButton>("Command1")->click();
    EXPECT_EQ(Bar(1)->value(), 200);
    EXPECT_EQ(Bar(2)->value(), 185);
    EXPECT_EQ(Bar(3)->value(), 130);
    EXPECT_EQ(Swatch(), QColor(200, 185, 130));
    EXPECT_EQ(calls.applied, 0);
    EXPECT_EQ(calls.stored, 0);
    EXPECT_TRUE(frenk->isVisible());
}

TEST_F(ColourWindow, ApplyWithoutTickAppliesEnablesAndClosesWithoutStoring) {
    mainWindow.show();
    Open(Colour(1, 2, 3));
    Bar(1)->setValue(50);
    Child<QPushButton>("But_RenkTamam")->click();
    EXPECT_EQ(calls.applied, 1);
    EXPECT_EQ(calls.stored, 0);
    EXPECT_EQ(calls.last.backRed, 50);
    EXPECT_TRUE(mainWindow.isEnabled());
    DeleteClosed();
    EXPECT_TRUE(frenk.isNull());
}

TEST_F(ColourWindow, RevertThenApplyWithTickStoresRecord256) {
    testing::TempFolder folder;
    auto opened = UsulLibrary::EnsureAndOpen(folder.path(), DefaultLibraryBytes());
    ASSERT_EQ(opened.status, LibraryStatus::Ok);
    UsulLibrary& library = *opened.library;
    ASSERT_TRUE(library.WriteSettings(Colour(9, 9, 9)));

    SettingsRecord current = Colour(9, 9, 9);
    ColourWindowCalls hooks;
    hooks.apply = [&current](const SettingsRecord& s) { current = s; };
    hooks.store = [&library](const SettingsRecord& s) { return library.WriteSettings(s); };
    frenk = new FRenk(&mainWindow, current, Language::English, hooks);
    Child<QPushButton>("Command1")->click();
    Child<QCheckBox>("Check1")->setChecked(true);
    Child<QPushButton>("But_RenkTamam")->click();
    EXPECT_EQ(current, Colour(200, 185, 130));
    library.Close();

    auto reopened = UsulLibrary::EnsureAndOpen(folder.path(), DefaultLibraryBytes());
    SettingsRecord stored;
    ASSERT_TRUE(reopened.library->ReadSettings(stored));
    EXPECT_EQ(stored, Colour(200, 185, 130));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ColourWindow, FailedStoreIsReportedButTheColourIsApplied) {
    calls.storeSucceeds = false;
    Open(Colour(5, 6, 7));
    Child<QCheckBox>("Check1")->setChecked(true);
    Child<QPushButton>("But_RenkTamam")->click();
    EXPECT_EQ(calls.applied, 1);
    EXPECT_EQ(calls.stored, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains("usuller.usl"));
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(ColourWindow, ClosingFromTheTitleBarOrByEscapeEnablesTheMainWindow) {
    Open(Colour(1, 1, 1));
    EXPECT_FALSE(mainWindow.isEnabled());
    frenk->close();
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(calls.applied, 0);
    DeleteClosed();
    EXPECT_TRUE(frenk.isNull());

    Open(Colour(1, 1, 1));
    EXPECT_FALSE(mainWindow.isEnabled());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(Bar(2), &escape);  // from a focused child it reaches FRenk
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(calls.applied, 0);
    DeleteClosed();
    EXPECT_TRUE(frenk.isNull());
}

TEST_F(ColourWindow, ClosesWithTheMainWindow) {
    auto* owner = new QWidget;
    owner->show();
    frenk = new FRenk(owner, Colour(1, 1, 1), Language::English, {});
    frenk->show();
    owner->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frenk && frenk->isVisible());
    delete owner;
    DeleteClosed();
    EXPECT_TRUE(frenk.isNull());
}

}  // namespace
}  // namespace ritmora
