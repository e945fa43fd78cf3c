// How the window reads, from its pixels: in every screen state, both languages and on any
// background colour, captions fit and a greyed control is exactly one that is off; Qt's own
// buttons speak the window's language.
#include <QFile>
#include <QLibraryInfo>
#include <map>

#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

// A caption as drawn, in greys: what most of its area shows, and its pixel farthest from that.
struct Ink {
    int background = 0, text = 0;
    int Contrast() const { return std::abs(text - background); }
};

Ink InkOf(QWidget* control, QRect area) {
    const QImage image = control->grab().toImage();
    std::map<int, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[qGray(image.pixel(x, y))];
    }
    Ink ink;
    ink.background =
        std::ranges::max_element(counts, {}, &std::pair<const int, int>::second)->first;
    ink.text = ink.background;
    for (const auto& [grey, count] : counts) {
        if (std::abs(grey - ink.background) > ink.Contrast()) ink.text = grey;
    }
    return ink;
}

class ControlLook : public WindowFixture, public ::testing::WithParamInterface<QColor> {
  protected:
    // Every caption of every open window fits its control. Enabled ones stand out from what is
    // behind them; disabled ones are visibly fainter yet readable, and alike on one surface:
    // the button face, or the window's background (options, frame titles).
    void ExpectLooksMatchState() {
        std::map<bool, std::vector<std::pair<std::string, Ink>>> disabledOnFace;
        int weakestEnabled = 255;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (QWidget* control : top->findChildren<QWidget*>()) {
                auto* button = qobject_cast<QAbstractButton*>(control);
                auto* frame = qobject_cast<QGroupBox*>(control);
                const QString caption = button ? button->text() : frame ? frame->title() : "";
                if (!top->isVisible() || !control->isVisibleTo(top) || caption.isEmpty()) continue;
                const std::string name = control->objectName().toStdString();
                // Where the caption lies: inside a push button's border, right of an option's
                // indicator, along a frame's top.
                const bool face = qobject_cast<QPushButton*>(control) != nullptr;
                const int width = control->fontMetrics().horizontalAdvance(caption);
                EXPECT_LE(width + (face ? 8 : 22), control->width()) << name;
                const Ink ink = InkOf(
                    control, face     ? control->rect().adjusted(4, 4, -4, -4)
                             : button ? control->rect().adjusted(20, 1, -1, -1)
                                      : QRect(0, 0, width + 14, control->fontMetrics().ascent()));
                if (control->isEnabled()) {
                    EXPECT_GE(ink.Contrast(), 110) << name;
                    weakestEnabled = std::min(weakestEnabled, ink.Contrast());
                } else {
                    disabledOnFace[face].push_back({name, ink});
                }
            }
        }
        for (const auto& [face, disabled] : disabledOnFace) {
            for (const auto& [name, ink] : disabled) {
                EXPECT_LE(ink.Contrast(), weakestEnabled - 50) << name;
                EXPECT_GE(ink.Contrast(), 25) << name;
                EXPECT_NEAR(ink.text, disabled.front().second.text, 12) << name;
            }
        }
    }
};

TEST_P(ControlLook, CaptionsFitAndGreyedOnesAreExactlyTheDisabledInEveryState) {
    const QColor background = GetParam();
    Window().renklendir(static_cast<std::uint8_t>(background.red()),
                        static_cast<std::uint8_t>(background.green()),
                        static_cast<std::uint8_t>(background.blue()));
    Window().Plans().View().SetSlideStepDelayMs(0);
    const std::pair<const char*, std::function<void()>> states[] = {
        {"fixed slot", [&] { LoadSlot(24); }},
        {"load list", [&] { Click("But_yükle"); }},
        {"after load", [&] { ClickListLine(Controls().List1, 23); }},
        {"save-as list", [&] { Click("But_farklı"); }},
        {"user slot", [&] { ClickListLine(Controls().List2, 4); }},
        {"usul playing", [&] { Window().EkranKiliti(ScreenState::kUsulPlaying); }},
        {"colour window", [&] { TriggerMenu("Mn_RenkZemin"); }},
        {"plan mode",
         [&] {
             for (QWidget* top : QApplication::topLevelWidgets()) {
                 if (top->objectName() == "FRenk") top->close();
             }
             Window().EkranKiliti(ScreenState::kEditing);
             Click("Option4");
         }},
        {"plan playing", [&] { Window().EkranKiliti(ScreenState::kPlanPlaying); }},
        {"plan stopped, help",
         [&] {
             Window().EkranKiliti(ScreenState::kPlanStopped);
             Click("Command2");
         }},
    };
    for (const char* language : {"tr", "en"}) {
        for (const auto& [state, enter] : states) {
            SCOPED_TRACE(std::string(language) + " " + state);
            enter();
            ExpectLooksMatchState();
        }
        Click("Image3");
        Click("Option2");
        TriggerMenu("Mn_Lisanlar");
    }
}

// Dark, light, and the colour the program starts with.
INSTANTIATE_TEST_SUITE_P(Backgrounds, ControlLook,
                         ::testing::Values(QColor(24, 28, 48), QColor(252, 250, 240),
                                           QColor(200, 185, 130)));

using StandardButtons = WindowFixture;

TEST_F(StandardButtons, SpeakTheWindowsLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_tr.qm")) {
        GTEST_SKIP() << "Qt's Turkish translation is not installed";
    }
    for (const char* expected : {"Tamam / İptal", "OK / Cancel", "Tamam / İptal"}) {
        QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(
            (box.button(QMessageBox::Ok)->text() + " / " + box.button(QMessageBox::Cancel)->text())
                .toStdString(),
            expected);
        TriggerMenu("Mn_Lisanlar");
    }
}

}  // namespace
}  // namespace ritmora::testing
