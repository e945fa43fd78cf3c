// How the window reads, from its pixels: a greyed control is the one that is off in every screen
// state, on any background colour.
#include <QWidget>
#include <algorithm>
#include <map>

#include <QFile>
#include <QLibraryInfo>

#include "plans/qt/example_pictures.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

int Luminance(QRgb colour) {
    return (299 * qRed(colour) + 587 * qGreen(colour) + 114 * qBlue(colour)) / 1000;
}

// The text of a button as drawn: the most common colour behind the caption and the caption's
// pixel farthest from it.
struct Ink {
    int background = 0;
    int text = 0;
    int Contrast() const { return std::abs(text - background); }
};

// The kinds of text that share one disabled look: captions on the button face, and texts that
// stand on the window's background (options, frame titles).
enum class Surface { kButtonFace, kBackground };

struct Caption {
    QWidget* control;
    Surface surface;
    QRect area;  // where the text lies, in the control's pixels
};

Ink InkOf(const Caption& caption) {
    const QImage image = caption.control->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = caption.area.intersected(image.rect());
    std::map<int, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[Luminance(image.pixel(x, y))];
    }
    Ink ink;
    ink.background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                         return a.second < b.second;
                     })->first;
    ink.text = ink.background;
    for (const auto& [luminance, count] : counts) {
        if (std::abs(luminance - ink.background) > ink.Contrast()) ink.text = luminance;
    }
    return ink;
}

struct LookCase {
    Language language;
    QColor background;
};

class ControlLook : public WindowFixture, public ::testing::WithParamInterface<LookCase> {
  protected:
    // Every captioned button and frame of the window and of the colour window, if open.
    static std::vector<Caption> Captions() {
        std::vector<Caption> captions;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            for (QAbstractButton* button : top->findChildren<QAbstractButton*>()) {
                if (button->text().isEmpty() || !button->isVisibleTo(top)) continue;
                // A push button's caption lies inside its border; an option's right of its
                // indicator.
                if (qobject_cast<QPushButton*>(button) != nullptr) {
                    captions.push_back(
                        {button, Surface::kButtonFace, button->rect().adjusted(4, 4, -4, -4)});
                } else {
                    captions.push_back(
                        {button, Surface::kBackground, button->rect().adjusted(20, 1, -1, -1)});
                }
            }
            for (QGroupBox* frame : top->findChildren<QGroupBox*>()) {
                if (frame->title().isEmpty() || !frame->isVisibleTo(top)) continue;
                const QFontMetrics metrics = frame->fontMetrics();
                captions.push_back(
                    {frame, Surface::kBackground,
                     QRect(0, 0, metrics.horizontalAdvance(frame->title()) + 8, metrics.ascent())});
            }
        }
        return captions;
    }

    // Enabled texts contrast strongly with what lies behind them; disabled ones are visibly
    // fainter but readable, and all disabled texts on one surface look the same.
    void ExpectLooksMatchStates() {
        std::map<Surface, std::vector<std::pair<std::string, Ink>>> disabledBySurface;
        int weakestEnabled = 255;
        for (const Caption& caption : Captions()) {
            const std::string name = caption.control->objectName().toStdString();
            const Ink ink = InkOf(caption);
            if (caption.control->isEnabled()) {
                EXPECT_GE(ink.Contrast(), 110) << name;
                weakestEnabled = std::min(weakestEnabled, ink.Contrast());
            } else {
                disabledBySurface[caption.surface].push_back({name, ink});
            }
        }
        for (const auto& [surface, disabled] : disabledBySurface) {
            for (const auto& [name, ink] : disabled) {
                EXPECT_LE(ink.Contrast(), weakestEnabled - 50) << name;
                EXPECT_GE(ink.Contrast(), 25) << name;
                EXPECT_NEAR(ink.text, disabled.front().second.text, 12)
                    << name << " against " << disabled.front().first;
            }
        }
    }
};

TEST_P(ControlLook, GreyedControlsAreExactlyTheDisabledOnesInEveryState) {
    ASSERT_TRUE(Window().StartedOk());
    const LookCase& look = GetParam();
    Window().renklendir(static_cast<std::uint8_t>(look.background.red()),
                        static_cast<std::uint8_t>(look.background.green()),
                        static_cast<std::uint8_t>(look.background.blue()));
    if (look.language == Language::English) TriggerMenu("Mn_Lisanlar");
    LoadSlot(24);

    const struct {
        const char* what;
        std::function<void()> enter;
    } states[] = {
        {"editing a fixed slot", [&] { Window().EkranKiliti(ScreenState::kEditing); }},
        {"load list open", [&] { Click("But_yükle"); }},
        {"after a load", [&] { ClickListLine(Controls().List1, 23); }},
        {"save-as list open", [&] { Click("But_farklı"); }},
        {"after save as into a user slot", [&] { ClickListLine(Controls().List2, 4); }},
        {"usul playing", [&] { Window().EkranKiliti(ScreenState::kUsulPlaying); }},
        {"plan playing",
         [&] {
             Window().EkranKiliti(ScreenState::kEditing);
             Window().EkranKiliti(ScreenState::kPlanPlaying);
         }},
        {"plan stopped", [&] { Window().EkranKiliti(ScreenState::kPlanStopped); }},
        {"colour window open", [&] { TriggerMenu("Mn_RenkZemin"); }},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(state.what);
        state.enter();
        QApplication::processEvents();
        ExpectLooksMatchStates();
    }
}

INSTANTIATE_TEST_SUITE_P(LanguagesAndBackgrounds, ControlLook,
                         ::testing::Values(LookCase{Language::Turkish, QColor(24, 28, 48)},
                                           LookCase{Language::English, QColor(24, 28, 48)},
                                           LookCase{Language::Turkish, QColor(252, 250, 240)},
                                           LookCase{Language::English, QColor(252, 250, 240)}));

}  // namespace
}  // namespace ritmora::testing

namespace ritmora::testing {
namespace {

// Dark text on the light faces and boxes: solid, or with its anti-aliased edges (the thin
// strokes of a condensed word), which a box's grey border line would pass too.
constexpr int kSolidInk = 100;
constexpr int kAnyInk = 140;

// Where each run of ink darker than `ink` starts along rows top..bottom of `image`; runs
// closer than 5 pixels belong together (the letters of a word).
std::vector<int> InkRunStarts(const QImage& image, int top, int bottom, int ink) {
    constexpr int kMinGap = 5;
    std::vector<int> starts;
    int lastInk = -1000;
    for (int x = 0; x < image.width(); ++x) {
        bool dark = false;
        for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1) && !dark; ++y) {
            dark = Luminance(image.pixel(x, y)) < ink;
        }
        if (!dark) continue;
        if (x - lastInk > kMinGap) starts.push_back(x);
        lastInk = x;
    }
    return starts;
}

// The rows of `image` that hold solid ink (not the grey lines of a box), as runs of rows.
std::vector<std::pair<int, int>> InkBands(const QImage& image) {
    std::vector<std::pair<int, int>> bands;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = Luminance(image.pixel(x, y)) < kSolidInk;
        if (!ink) continue;
        if (!bands.empty() && bands.back().second == y - 1) {
            bands.back().second = y;
        } else {
            bands.push_back({y, y});
        }
    }
    return bands;
}

// A header word starts at the start of every field of the line: the name's and the four
// numbers' (a name may hold several words, so does "Usul Nr"; two header words run together
// would leave a column without its word).
void ExpectHeaderOverColumns(const std::vector<int>& header, const std::vector<int>& fields) {
    ASSERT_GE(fields.size(), 5u);
    std::vector<int> columns = {fields.front()};
    columns.insert(columns.end(), fields.end() - 4, fields.end());
    for (int column : columns) {
        EXPECT_TRUE(std::any_of(header.begin(), header.end(),
                                [column](int word) { return std::abs(word - column) <= 2; }))
            << "no header word starts over the field at x " << column;
    }
}

class PlanHeader : public WindowFixture {};

TEST_F(PlanHeader, EachWordStandsOverItsColumnInThePanelAndInTheHelpPicture) {
    const WindowControls& c = Controls();
    c.Text14->setPlainText(ExamplePlanLines().join(u'\n'));
    for (Language language : {Language::Turkish, Language::English}) {
        SCOPED_TRACE(language == Language::Turkish ? "Turkish" : "English");
        ASSERT_EQ(Window().language(), language);
        const QImage panel = c.Frame9->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect header = c.Label2->geometry();
        const QRect firstLine = c.Text14->cursorRect(QTextCursor(c.Text14->document()))
                                    .translated(c.Text14->viewport()->mapTo(c.Frame9, QPoint()));
        ExpectHeaderOverColumns(
            InkRunStarts(panel, header.top(), header.bottom(), kAnyInk),
            InkRunStarts(panel, firstLine.top(), firstLine.bottom(), kSolidInk));

        // The picture: the plan name row, the header, then the first plan line.
        const QImage picture =
            DrawSequencesExample(QSize(373, 230), language, Window().ListFont(), Window().font());
        const auto bands = InkBands(picture);

        ASSERT_GE(bands.size(), 3u);
        ExpectHeaderOverColumns(InkRunStarts(picture, bands[1].first, bands[1].second, kAnyInk),
                                InkRunStarts(picture, bands[2].first, bands[2].second, kSolidInk));
        TriggerMenu("Mn_Lisanlar");
    }
}

}  // namespace
}  // namespace ritmora::testing

namespace ritmora::testing {
namespace {

class StandardButtons : public WindowFixture {};

TEST_F(StandardButtons, SpeakTheWindowsLanguage) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_tr.qm")) {
        GTEST_SKIP() << "Qt's Turkish translation is not installed";
    }
    auto buttons = [this] {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel, &Window());
        return (box.button(QMessageBox::Ok)->text() + " / " +
                box.button(QMessageBox::Cancel)->text())
            .toStdString();
    };
    EXPECT_EQ(buttons(), "Tamam / İptal");
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(buttons(), "OK / Cancel");
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(buttons(), "Tamam / İptal");
}

}  // namespace
}  // namespace ritmora::testing
