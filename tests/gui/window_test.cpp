// The window as a user meets it: the start, the screen states, the notation as drawn in either
// language, the status of the totals, help and about, and a library it cannot use.
#include <QRegularExpression>
#include <QUrl>
#include <functional>

#include "library/default_library.h"
#include "notation/qt/notation_painter.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

using WindowStart = WindowFixture;

TEST_F(WindowStart, StartsWithTheLibraryWrittenNothingLoadedAndAnEmptyStaff) {
    EXPECT_EQ(std::filesystem::file_size(folder / "usuller.usl"), kLibraryFileSize);
    EXPECT_EQ(Window().CurrentSlot(), 0);
    EXPECT_EQ(Window().UnitNote(), 8);
    EXPECT_EQ(Controls().Label5->text(), "= 150");
    for (const char* name : {"But_kaydet", "But_Sil", "But_Temizle", "But_mertebe(0)", "But_Dur"}) {
        EXPECT_FALSE(IsEnabled(name)) << name;
    }
    EXPECT_TRUE(IsEnabled("But_farklı"));
    // One empty row (drawn as the painter's tests show); the unit-note box shows its glyph.
    EXPECT_EQ(Picture().size(), QSize(964, 150));
    const QImage& unit = Controls().PicBirimNota->Picture();
    int ink = 0;
    for (int y = 0; y < unit.height(); ++y) {
        for (int x = 0; x < unit.width(); ++x) ink += unit.pixel(x, y) == qRgb(0, 0, 0);
    }
    EXPECT_GT(ink, 20);
}

TEST_F(WindowStart, TheUsulIsDrawnAsThePainterDrawsItWithTheLanguagesLetters) {
    LoadSlot(12);
    EXPECT_EQ(Controls().Label4->text(), "Tamam");
    EXPECT_EQ(Controls().Label4->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Controls().Text4->text(), "40");
    const UsulRecord usul = Window().CurrentUsul();
    auto drawn = [&](const LoudnessLetters& letters) {
        QImage expected(964, 150, QImage::Format_RGB32);
        DrawNotation(expected, usul, Window().Glyphs(), letters, Window().NotationFont());
        return expected;
    };
    EXPECT_EQ(Picture().convertToFormat(QImage::Format_RGB32), drawn({"K", "O", "Z"}));
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Picture().convertToFormat(QImage::Format_RGB32), drawn({"F", "M", "P"}));
}

// The status compares the boxes' total with the sum of the durations; a zero denominator keeps
// the last total.
TEST_F(WindowStart, TimeSignatureBoxesSetTheExpectedTotalAndTheStatus) {
    LoadSlot(12);  // 5/8, the durations add up to 40
    const struct {
        const char *beats, *mertebe;
        int expected;
        const char* status;
    } cases[] = {{"6", "8", 48, "Eksik"},   {"6", "0", 48, "Eksik"},   {"6", "16", 24, "Fazla"},
                 {"41", "64", 41, "Eksik"}, {"39", "64", 39, "Fazla"}, {"5", "8", 40, "Tamam"}};
    for (const auto& c : cases) {
        Controls().Text2->setText(c.beats);
        Controls().Text3->setText(c.mertebe);
        EXPECT_EQ(Window().ExpectedTotal(), c.expected) << c.beats << "/" << c.mertebe;
        EXPECT_EQ(Controls().Label4->text(), c.status) << c.beats << "/" << c.mertebe;
    }
    EXPECT_EQ(Controls().Text4->text(), "40");
}

TEST_F(WindowStart, HelpLinksTheGuideOfTheLanguageAndAboutFollowsIt) {
    auto linkedGuide = [this] {
        const QRegularExpressionMatch link =
            QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).match(LastMessage());
        return QUrl(link.captured(1)).toLocalFile();
    };
    for (const char* guide : {"guide_tr.html", "guide_en.html"}) {
        TriggerMenu("Mn_yardm");
        EXPECT_TRUE(linkedGuide().endsWith(guide)) << linkedGuide().toStdString();
        EXPECT_TRUE(QFile::exists(linkedGuide())) << guide;
        TriggerMenu("Mn_Lisanlar");
    }
    TriggerMenu("Mn_bilgi");
    EXPECT_EQ(Messages().back().title, "Ritmora editörü");
    EXPECT_TRUE(LastMessage().endsWith("30 Mart 2010.")) << LastMessage().toStdString();
}

// ---- The screen states on the real controls, reached as the user reaches them.

using ScreenLock = PlaybackFixture;

const std::vector<const char*> kUserSlotButtons = {"But_Sil",        "But_kaydet",    "But_Temizle",
                                                   "But_optimize",   "But_uzat",      "But_kısalt",
                                                   "But_mertebe(0)", "But_mertebe(1)"};

TEST_F(ScreenLock, EachStateLeavesUsableExactlyWhatItShould) {
    struct Case {
        const char* state;
        std::function<void()> enter;
        std::vector<const char*> on, off;
    };
    const Case cases[] = {
        {"fixed slot", [&] { LoadSlot(12); }, {"But_farklı", "Mn_Lisanlar"}, kUserSlotButtons},
        {"user slot", [&] { SaveAs(205); }, kUserSlotButtons, {"But_Dur"}},
        {"load list",
         [&] { Click("But_yükle"); },
         {"List1"},
         {"But_farklı", "Mn_Lisanlar", "Mn_volüm", "Text5", "Mn_bilgi"}},
        {"load list closed by the other button",
         [&] { ClickListLine(Controls().List1, 4, Qt::RightButton); },
         {"Mn_Lisanlar", "Text5"},
         {}},
        {"save-as list", [&] { Click("But_farklı"); }, {"List2"}, {"List1", "Mn_bilgi", "Text5"}},
        {"save-as list closed by the other button",
         [&] { ClickListLine(Controls().List2, 0, Qt::RightButton); },
         {"Mn_bilgi", "But_Sil"},
         {}},
        {"usul playing",
         [&] {
             Controls().TimerWav->start();
             Click("But_Baslat");
         },
         {"But_Dur", "Frame2"},
         {"But_Baslat", "Option2", "Option1(1)", "Option3", "Mn_Lisanlar", "Mn_editNota(3)",
          "Mn_Oseviye(6)", "But_yükle", "VScroll1", "Text2", "TimerWav"}},
        {"stopped",
         [&] { Click("But_Dur"); },
         {"But_Baslat", "But_yükle", "Option1(2)", "VScroll1", "But_kaydet"},
         {"But_Dur", "TimerWav"}},
    };
    for (const Case& c : cases) {
        c.enter();
        for (const char* name : c.on) EXPECT_TRUE(IsEnabled(name)) << c.state << ": " << name;
        for (const char* name : c.off) EXPECT_FALSE(IsEnabled(name)) << c.state << ": " << name;
    }
    EXPECT_EQ(Window().CurrentSlot(), 205);  // the lists closed without loading or writing
    EXPECT_EQ(ReadSlot(201).totalDuration, 0);
}

// Editing a fixed slot: the sweep enables everything but the fixed-slot set, Dur and the timer.
TEST_F(ScreenLock, EditingAFixedSlotLocksItsSetOnly) {
    LoadSlot(12);
    Window().EkranKiliti(ScreenState::kEditing);
    for (QObject* control : Window().RegisteredControls()) {
        const std::string name = control->objectName().toStdString();
        const bool off = name == "But_Dur" || name == "TimerWav" ||
                         std::ranges::find(kUserSlotButtons, name) != kUserSlotButtons.end();
        EXPECT_EQ(IsEnabled(name.c_str()), !off) << name;
    }
}

class BrokenLibrary : public WindowFixture {
  public:
    BrokenLibrary() { libraryBytes.assign(1000, 0); }  // not 256 records: refused, untouched
};

TEST_F(BrokenLibrary, StartFailsWithAClearMessage) {
    EXPECT_FALSE(Window().StartedOk());
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(LastMessage().contains("usuller.usl"));
    EXPECT_EQ(std::filesystem::file_size(folder / "usuller.usl"), 1000u);
}

}  // namespace
}  // namespace ritmora::testing
