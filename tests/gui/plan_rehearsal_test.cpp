// The rehearsal view in the real window: the mode switch and the slide of the plan panels, the
// help panel and its pictures, and the editor's usul kept through the plan mode.
#include "plans/qt/example_pictures.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class PlanRehearsalTest : public PlanFixture {
  protected:
    QImage PictureOf(const char* name) {
        auto* label = Window().findChild<QLabel*>(QString::fromLatin1(name));
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

// The plan mode raises the plan panels over what they cover and shows the reference table,
// which takes turns with the help panel; "once" right after start-up moves nothing.
TEST_F(PlanRehearsalTest, PanelsRise165PixelsAndHelpAndTableTakeTurns) {
    const WindowControls& c = Controls();
    const std::vector<QWidget*> panels{c.Frame5, c.Frame9, c.Frame10};
    std::vector<int> lowered;
    for (QWidget* panel : panels) lowered.push_back(panel->y());
    ASSERT_EQ(c.Frame5->y(), Window().InnerHeight() + 2);
    auto raisedBy = [&](int by) {
        for (std::size_t i = 0; i < panels.size(); ++i) {
            EXPECT_EQ(panels[i]->y(), lowered[i] - by) << i;
        }
    };
    Click("Option3");
    Click("Option2");
    raisedBy(0);

    EnterPlanMode();
    raisedBy(165);
    EXPECT_LT(c.Frame9->geometry().right(), c.Frame1->x());  // the play frames stay in sight
    EXPECT_FALSE(c.Frame8->isVisible() || c.Frame3->isVisible() || c.But_baskı->isVisible());
    EXPECT_TRUE(c.Frame1->isVisible() && c.Frame2->isVisible() && c.Frame9->isVisible());
    EXPECT_FALSE(c.Picture1->isVisible() || c.Picture3->isVisible());
    EXPECT_GT(ColourCount(c.Picture4->Picture()), 1);  // the reference table, drawn
    EXPECT_FALSE(IsEnabled("Command1") || IsEnabled("Command3"));
    EXPECT_TRUE(Messages().empty());  // an empty plan folder says nothing
    Click("Command2");
    EXPECT_TRUE(c.Picture3->isVisible() && !c.Picture4->isVisible() && !IsEnabled("Command2"));
    Click("Image3");
    EXPECT_TRUE(!c.Picture3->isVisible() && c.Picture4->isVisible() && IsEnabled("Command2"));

    Click("Command2");  // leaving with the help open hides it too
    Click("Option3");
    raisedBy(0);
    EXPECT_TRUE(c.Picture1->isVisible());
    EXPECT_FALSE(c.Picture4->isVisible() || c.Picture3->isVisible());
    EXPECT_TRUE(c.Frame8->isVisible() && c.Frame3->isVisible() && c.But_baskı->isVisible());
}

// Where runs of ink start along rows top..bottom (runs closer than 5 pixels are one word).
std::vector<int> InkRunStarts(const QImage& image, QRect rows, int ink) {
    std::vector<int> starts;
    for (int x = 0, last = -100; x < image.width(); ++x) {
        bool dark = false;
        for (int y = std::max(rows.top(), 0); y <= std::min(rows.bottom(), image.height() - 1);
             ++y) {
            dark = dark || qGray(image.pixel(x, y)) < ink;
        }
        if (dark && x - last > 5) starts.push_back(x);
        if (dark) last = x;
    }
    return starts;
}

// A header word starts over the line's name and over each of its four numbers. Fixed-pitch
// fields are solid ink; the header's thin strokes are lighter.
void ExpectHeaderOverColumns(const QImage& image, QRect header, QRect line) {
    const std::vector<int> words = InkRunStarts(image, header, 140);
    std::vector<int> fields = InkRunStarts(image, line, 100);
    ASSERT_GE(fields.size(), 5u);
    fields.erase(fields.begin() + 1, fields.end() - 4);
    for (int field : fields) {
        EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                                [field](int word) { return std::abs(word - field) <= 2; }))
            << "no header word over the field at x " << field;
    }
}

// The help panel's text and the example pictures follow the language, and in both the column
// headers stand over their columns, in the plan panel and in the example picture.
TEST_F(PlanRehearsalTest, ExamplePicturesAndHelpFollowTheLanguageWithHeadersOverColumns) {
    const WindowControls& c = Controls();
    c.Text14->setPlainText(ExamplePlanLines().join(u'\n'));
    const QImage turkish = PictureOf("Frame13Picture");
    EXPECT_GT(ColourCount(turkish), 3);  // text, a selection bar, boxes: not blank
    for (const char* language : {"Turkish", "English"}) {
        SCOPED_TRACE(language);
        const QRect firstLine = c.Text14->cursorRect(QTextCursor(c.Text14->document()))
                                    .translated(c.Text14->viewport()->mapTo(c.Frame9, QPoint()));
        ExpectHeaderOverColumns(c.Frame9->grab().toImage(), c.Label2->geometry(), firstLine);
        // The picture's text rows, top to bottom: the plan name, the header, the first line.
        const QImage picture = PictureOf("Frame14Picture").convertToFormat(QImage::Format_RGB32);
        std::vector<int> rows;
        for (int y = 0; y < picture.height() && rows.size() < 6; ++y) {
            bool dark = false;
            for (int x = 0; x < picture.width(); ++x)
                dark = dark || qGray(picture.pixel(x, y)) < 100;
            if (dark == (rows.size() % 2 == 0)) rows.push_back(y);
        }
        ASSERT_EQ(rows.size(), 6u);
        ExpectHeaderOverColumns(picture, QRect(0, rows[2], 1, rows[3] - rows[2]),
                                QRect(0, rows[4], 1, rows[5] - rows[4]));
        if (std::string_view(language) == "Turkish") TriggerMenu("Mn_Lisanlar");
    }
    EXPECT_NE(PictureOf("Frame13Picture"), turkish);
    EXPECT_TRUE(Controls().Text1->toPlainText().startsWith(QStringLiteral("Beat information")));
}

// Everything the editor shows, as the user sees it.
auto Seen(ArayüzKalıp& window) {
    WindowControls& c = window.Controls();
    return std::tuple{window.CurrentSlot(),
                      window.CurrentUsul(),
                      c.Picture1->Picture(),
                      QStringList{c.Label1->text(), c.Text2->text(), c.Text3->text(),
                                  c.Text4->text(), c.Text5->text(), c.Label4->text()},
                      c.Label4->palette(),
                      std::vector<bool>{c.But_kaydet->isEnabled(), c.But_Sil->isEnabled(),
                                        c.But_mertebe[0]->isEnabled(), c.But_yükle->isEnabled(),
                                        c.But_Dur->isEnabled()}};
}

// The plan borrows the notation: leaving gives back the editor's usul exactly, unsaved edit and
// history included; undo and redo do nothing in the plan mode.
TEST_F(PlanRehearsalTest, LeavingThePlanModeGivesBackTheEditorAndItsHistory) {
    LoadSlot(12);
    SaveAs(205);
    const CellSnapshot stored = Cells();
    Press(UpperLine(9));  // an edit that is not saved
    const auto before = Seen(Window());
    EnterPlanMode();
    ASSERT_TRUE(SavePlan(QStringLiteral("p"), QStringLiteral("a 165 1 4 84\nb 4 1 4 120")));
    OpenPlan(QStringLiteral("p.txt"));
    Click("Command4");
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("165"));
    plan->Playback().PassageTimerProc(1);
    EXPECT_EQ(Controls().Label1->text(), QStringLiteral("4"));
    Panel().UndoAction()->trigger();
    Click("Command3");
    Panel().RedoAction()->trigger();
    Click("Option2");
    EXPECT_TRUE(Seen(Window()) == before);
    EXPECT_EQ(ReadSlot(205).cells, ReadSlot(12).cells);  // nothing was saved on the way
    Panel().UndoAction()->trigger();  // back in the editor, the history is its own again
    EXPECT_EQ(Cells(), stored);
}

}  // namespace
}  // namespace ritmora::testing
