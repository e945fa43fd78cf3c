// The rehearsal view in the real window: the mode switch and the slide of the plan panels, the
// help panel and its pictures, and the editor's usul kept through the plan mode.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/texts.h"
#include "plans/qt/example_pictures.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class PlanRehearsalTest : public PlanFixture {
  protected:
    int Lowered() { return Window().InnerHeight() + 2; }

    QImage PictureOf(const char* name) {
        auto* label = Find<QLabel>(QString::fromLatin1(name));
        return label == nullptr ? QImage() : label->pixmap().toImage();
    }

    static int ColourCount(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        }
        return static_cast<int>(colours.size());
    }
};

TEST_F(PlanRehearsalTest, PanelsRise165PixelsAndComeBack) {
    EXPECT_EQ(RehearsalView::kSlideStepDelayMs, 25);
    const WindowControls& c = Controls();
    ASSERT_EQ(c.Frame5->y(), Lowered());
    const int frame9 = c.Frame9->y();
    const int frame10 = c.Frame10->y();

    // "Once" right after start-up moves nothing.
    Click("Option3");
    Click("Option2");
    EXPECT_EQ(c.Frame5->y(), Lowered());

    EnterPlanMode();
    EXPECT_EQ(c.Frame5->y(), Lowered() - 165);
    EXPECT_EQ(c.Frame9->y(), frame9 - 165);
    EXPECT_EQ(c.Frame10->y(), frame10 - 165);
    // Raised, they leave the instrument and play frames in sight.
    EXPECT_LT(c.Frame9->geometry().right(), c.Frame1->x());
    EXPECT_TRUE(c.Frame5->isVisible() && c.Frame9->isVisible() && c.Frame10->isVisible());
    // What they cover shows no edge beside them; what they leave stays.
    EXPECT_FALSE(c.Frame8->isVisible() || c.Frame3->isVisible() || c.But_baskı->isVisible());
    EXPECT_TRUE(c.Frame1->isVisible() && c.Frame2->isVisible());
    EXPECT_FALSE(c.Picture1->isVisible());
    EXPECT_TRUE(c.Picture4->isVisible());
    EXPECT_FALSE(c.Picture3->isVisible());
    EXPECT_FALSE(IsEnabled("Command1"));
    EXPECT_FALSE(IsEnabled("Command3"));
    EXPECT_TRUE(IsEnabled("Command2"));
    EXPECT_EQ(c.Command1->text(), QStringLiteral("Bekle"));
    // An empty plan folder: no message, the boxes as they were.
    EXPECT_TRUE(Messages().empty());
    // The reference table is drawn.
    EXPECT_GT(ColourCount(c.Picture4->Picture()), 1);

    Click("Option3");
    EXPECT_EQ(c.Frame5->y(), Lowered());
    EXPECT_EQ(c.Frame9->y(), frame9);
    EXPECT_EQ(c.Frame10->y(), frame10);
    EXPECT_TRUE(c.Picture1->isVisible());
    EXPECT_FALSE(c.Picture4->isVisible());
    EXPECT_TRUE(c.Frame8->isVisible() && c.Frame3->isVisible() && c.But_baskı->isVisible());
}

TEST_F(PlanRehearsalTest, PlanModeOpensTheFirstSavedPlanOverWhatWasTyped) {
    ASSERT_TRUE(SavePlan(QStringLiteral("B plan"), QStringLiteral("Bir 4 1 4 120")));
    ASSERT_TRUE(SavePlan(QStringLiteral("A plan"), QStringLiteral("Ilk 12 1 4 120")));
    TypePlan(QStringLiteral("yazilan"), QStringLiteral("X 1 1 4 60"));
    EnterPlanMode();
    EXPECT_EQ(Controls().File1->currentRow(), 0);
    EXPECT_EQ(Controls().Text9->text(), QStringLiteral("A plan"));
    EXPECT_EQ(Items(Controls().List3), QStringList{"Ilk"});
}

TEST_F(PlanRehearsalTest, HelpPanelAndReferenceTableTakeTurns) {
    EnterPlanMode();
    const WindowControls& c = Controls();
    Click("Command2");
    EXPECT_TRUE(c.Picture3->isVisible());
    EXPECT_FALSE(c.Picture4->isVisible());
    EXPECT_FALSE(IsEnabled("Command2"));
    EXPECT_TRUE(
        c.Text1->toPlainText().startsWith(QString::fromUtf8("LAVTACI TAVRON'UN HÜSEYNİ PEŞREVİ:")));

    Click("Image3");
    EXPECT_FALSE(c.Picture3->isVisible());
    EXPECT_TRUE(c.Picture4->isVisible());
    EXPECT_TRUE(IsEnabled("Command2"));

    // Leaving the plan mode hides both.
    Click("Command2");
    Click("Option2");
    EXPECT_FALSE(c.Picture3->isVisible());
    EXPECT_FALSE(c.Picture4->isVisible());
}

// Where runs of ink darker than `ink` start along rows top..bottom; runs closer than 5 pixels
// are one word. Solid ink for fixed-pitch text, any ink for a condensed word's thin strokes.
constexpr int kSolidInk = 100;
constexpr int kAnyInk = 140;
std::vector<int> InkRunStarts(const QImage& image, int top, int bottom, int ink) {
    std::vector<int> starts;
    for (int x = 0, last = -100; x < image.width(); ++x) {
        bool dark = false;
        for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y) {
            dark = dark || qGray(image.pixel(x, y)) < ink;
        }
        if (dark && x - last > 5) starts.push_back(x);
        if (dark) last = x;
    }
    return starts;
}

// A header word starts over the start of the line's name and of each of its four numbers (a
// name and "Usul Nr" hold several words; two words run together leave a column without one).
void ExpectHeaderOverColumns(const QImage& image, QRect header, QRect line) {
    const std::vector<int> words = InkRunStarts(image, header.top(), header.bottom(), kAnyInk);
    std::vector<int> fields = InkRunStarts(image, line.top(), line.bottom(), kSolidInk);
    ASSERT_GE(fields.size(), 5u);
    fields.erase(fields.begin() + 1, fields.end() - 4);
    for (int field : fields) {
        EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                [field](int word) { return std::abs(word - field) <= 2; }))
            << "no header word over the field at x " << field;
    }
}

TEST_F(PlanRehearsalTest, ExamplePicturesFollowTheLanguageWithHeadersOverTheColumns) {
    const WindowControls& c = Controls();
    c.Text14->setPlainText(ExamplePlanLines().join(u'\n'));
    const QImage savedTurkish = PictureOf("Frame13Picture");
    // Text, a selection bar, boxes: far more than a blank surface.
    EXPECT_GT(ColourCount(savedTurkish), 3);
    EXPECT_EQ(savedTurkish.pixelColor(savedTurkish.width() - 8, 4), QColor(0, 0, 128));
    for (const char* language : {"Turkish", "English"}) {
        SCOPED_TRACE(language);
        // The panel's header over its plan text, the picture's over its own.
        const QRect firstLine = c.Text14->cursorRect(QTextCursor(c.Text14->document()))
                                    .translated(c.Text14->viewport()->mapTo(c.Frame9, QPoint()));
        ExpectHeaderOverColumns(c.Frame9->grab().toImage(), c.Label2->geometry(), firstLine);
        // The picture's text rows, top and bottom: the plan name, the header, the first line.
        const QImage picture = PictureOf("Frame14Picture").convertToFormat(QImage::Format_RGB32);
        std::vector<int> rows;
        for (int y = 0; y < picture.height() && rows.size() < 6; ++y) {
            bool dark = false;
            for (int x = 0; x < picture.width(); ++x) {
                dark = dark || qGray(picture.pixel(x, y)) < kSolidInk;
            }
            if (dark == (rows.size() % 2 == 0)) rows.push_back(y);
        }
        ASSERT_EQ(rows.size(), 6u);
        ExpectHeaderOverColumns(picture, QRect(0, rows[2], 1, rows[3] - rows[2]),
                                QRect(0, rows[4], 1, rows[5] - rows[4]));
        TriggerMenu("Mn_Lisanlar");
    }
    TriggerMenu("Mn_Lisanlar");  // English again: its captions differ
    EXPECT_NE(PictureOf("Frame13Picture"), savedTurkish);
    EXPECT_TRUE(Controls().Text1->toPlainText().startsWith(
        QStringLiteral("Beat information for HUSEYNI PESHREV of Lavta-player Tavron:")));
}

// Everything the editor shows, as the user sees it.
struct EditorView {
    int slot;
    UsulRecord usul;
    QImage picture;
    QStringList texts;
    QPalette status;
    std::vector<bool> enabled;
    bool operator==(const EditorView&) const = default;
};

EditorView Seen(ArayüzKalıp& window) {
    WindowControls& c = window.Controls();
    std::vector<bool> enabled;
    for (QWidget* control : std::initializer_list<QWidget*>{
             c.But_kaydet, c.But_Sil, c.But_Temizle, c.But_mertebe[0], c.But_yükle, c.But_Dur})
        enabled.push_back(control->isEnabled());
    return {window.CurrentSlot(),
            window.CurrentUsul(),
            c.Picture1->Picture(),
            {c.Label1->text(), c.Text2->text(), c.Text3->text(), c.Text4->text(), c.Text5->text(),
             c.Label4->text()},
            c.Label4->palette(),
            enabled};
}

TEST_F(PlanRehearsalTest, LeavingThePlanModeGivesBackTheEditorExactly) {
    LoadSlot(12);
    SaveAs(205);
    Press(UpperLine(9));  // an edit that is not saved
    const EditorView before = Seen(Window());
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QStringLiteral("p"), QStringLiteral("a 165 1 4 84\nb 4 1 4 120")));
    OpenPlan(QStringLiteral("p.txt"));
    Click("Command4");
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("165"));
    plan->Playback().PassageTimerProc(1);
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("4"));
    Click("Command3");
    Click("Option2");
    EXPECT_TRUE(Seen(Window()) == before);
    EXPECT_EQ(ReadSlot(205).cells, ReadSlot(12).cells);  // nothing was saved on the way
}

TEST_F(PlanRehearsalTest, UndoDoesNothingInThePlanModeAndNoPassageReachesTheEditor) {
    LoadSlot(12);
    SaveAs(205);
    const CellSnapshot stored = Cells();
    Press(UpperLine(1));
    const CellSnapshot edited = Cells();
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QStringLiteral("Bir"), QStringLiteral("Bir 4 1 4 120")));
    OpenPlan(QStringLiteral("Bir.txt"));
    Click("Command4");
    Panel().UndoAction()->trigger();
    Click("Command3");
    Click("Option2");
    Panel().RedoAction()->trigger();
    EXPECT_EQ(Window().CurrentSlot(), 205);
    EXPECT_EQ(Cells(), edited);
    Panel().UndoAction()->trigger();  // back in the editor, the history is its own again
    EXPECT_EQ(Cells(), stored);
    Panel().RedoAction()->trigger();
    Click("But_kaydet");
    EXPECT_EQ(ReadSlot(205).cells, edited);
}

}  // namespace
}  // namespace ritmora::testing
