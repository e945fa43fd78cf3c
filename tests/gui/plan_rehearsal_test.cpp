// The rehearsal view in the real window: the mode switch and the slide of the plan panels, the
// help panel and its pictures, and the editor's usul kept through the plan mode.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/texts.h"
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

TEST_F(PlanRehearsalTest, ExamplePicturesAreDrawnAndFollowTheLanguage) {
    const QImage savedTurkish = PictureOf("Frame13Picture");
    const QImage sequencesTurkish = PictureOf("Frame14Picture");
    ASSERT_FALSE(savedTurkish.isNull());
    ASSERT_FALSE(sequencesTurkish.isNull());
    // Text, a selection bar, boxes: far more than a blank surface.
    EXPECT_GT(ColourCount(savedTurkish), 3);
    EXPECT_GT(ColourCount(sequencesTurkish), 3);
    // The selected entry of the list picture is drawn in the selection colour.
    EXPECT_EQ(savedTurkish.pixelColor(savedTurkish.width() - 8, 4), QColor(0, 0, 128));
    if (qEnvironmentVariableIsSet("RITMORA_SAVE_PICTURES")) {
        savedTurkish.save(QStringLiteral("/tmp/plan_example_list.png"));
        sequencesTurkish.save(QStringLiteral("/tmp/plan_example_sequences.png"));
    }

    TriggerMenu("Mn_Lisanlar");
    EXPECT_NE(PictureOf("Frame13Picture"), savedTurkish);      // button captions
    EXPECT_NE(PictureOf("Frame14Picture"), sequencesTurkish);  // column header, name label
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

namespace ritmora::testing {
namespace {

// Pictures of the plan mode for a reader to look at: RITMORA_SAVE_PICTURES=1.
TEST_F(PlanRehearsalTest, SavesScreenshotsOnRequest) {
    if (!qEnvironmentVariableIsSet("RITMORA_SAVE_PICTURES")) GTEST_SKIP();
    LoadSlot(165);
    ASSERT_TRUE(SavePlan(QString::fromUtf8(kExampleName), QString::fromUtf8(kTypedExample)));
    EnterPlanMode();
    Window().grab().save(QStringLiteral("/tmp/plan_window_table.png"));
    Click("Command2");
    Window().grab().save(QStringLiteral("/tmp/plan_window_help.png"));
    Controls().List3->setCurrentRow(2);
    Click("Command4");
    QTest::qWait(400);
    Window().grab().save(QStringLiteral("/tmp/plan_window_playing.png"));
    Click("Command3");
    Click("Option2");
    Window().grab().save(QStringLiteral("/tmp/plan_window_back.png"));
}

}  // namespace
}  // namespace ritmora::testing
