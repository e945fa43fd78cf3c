// The window as a new user meets it: Turkish, an empty staff, every control in place and
// readable, both languages, help and about.
#include <QFontMetrics>
#include <QMenuBar>

#include "library/default_library.h"
#include "notation/geometry.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class WindowStart : public WindowFixture {};

const char* const kNamedControls[] = {
    "Picture1",        "Picture2",       "Picture3",       "Picture4",     "Picture5",
    "Picture8",        "PicBirimNota",   "imajPenceresi",  "Text1",        "Text2",
    "Text3",           "Text4",          "Text5",          "Text9",        "Text14",
    "Label1",          "Label2",         "Label3",         "Label4",       "Label5",
    "Label7",          "Label9",         "List1",          "List2",        "List3",
    "File1",           "But_yükle",      "But_önceki",     "But_sonraki",  "But_kaydet",
    "But_farklı",      "But_Sil",        "But_Temizle",    "But_optimize", "But_kısalt",
    "But_uzat",        "But_mertebe(0)", "But_mertebe(1)", "But_Baslat",   "But_Dur",
    "But_JPG",         "But_baskı",      "Command1",       "Command2",     "Command3",
    "Command4",        "Command5",       "Command8",       "Command10",    "Option1(1)",
    "Option1(2)",      "Option1(3)",     "Option2",        "Option3",      "Option4",
    "Frame1",          "Frame2",         "Frame3",         "Frame4",       "Frame5",
    "Frame7",          "Frame9",         "Frame10",        "Frame12",      "Frame13",
    "Frame14",         "VScroll1",       "Image3",         "TimerWav",     "Mn_Lisanlar",
    "Mn_yardm",        "Mn_bilgi",       "Mn_volüm",       "Mn_orta",      "Mn_zayıf",
    "Mn_RenkZemin",    "Mn_Oseviye(2)",  "Mn_Zseviye(9)",  "Mn_edit",      "Mn_editNota(0)",
    "Mn_editNota(14)", "Mn_metinler",    "Mn_metin(8)",    "Mn_birim",     "ikilik",
    "otuzikilik",
};

TEST_F(WindowStart, OpensInTurkishWithAnEmptyStaffAndNothingLoaded) {
    ASSERT_TRUE(Window().StartedOk());
    EXPECT_EQ(std::filesystem::file_size(folder / "usuller.usl"), kLibraryFileSize);
    EXPECT_EQ(Window().windowTitle(), "Ritmora editörü");
    EXPECT_EQ(Window().size(), QSize(1024, 768));
    EXPECT_EQ(Controls().Mn_Lisanlar->text(), "English");
    EXPECT_EQ(Window().CurrentSlot(), 0);
    EXPECT_EQ(Window().UnitNote(), 8);
    EXPECT_EQ(Controls().Text3->text(), "4");
    EXPECT_EQ(Controls().Label5->text(), "= 150");
    EXPECT_EQ(Controls().VScroll1->value(), 120);
    EXPECT_EQ(Controls().VScroll1->minimum(), 20);
    EXPECT_EQ(Controls().VScroll1->maximum(), 250);
    EXPECT_FALSE(Controls().TimerWav->isActive());
    EXPECT_EQ(Controls().TimerWav->interval(), 100);
    EXPECT_TRUE(Controls().Mn_Oseviye[6 - 2]->isChecked());
    EXPECT_TRUE(Controls().Mn_Zseviye[4 - 2]->isChecked());
    EXPECT_FALSE(Controls().List1->isVisible());
    EXPECT_FALSE(Controls().But_Dur->isEnabled());
    for (const char* name : {"But_kaydet", "But_Sil", "But_Temizle", "But_mertebe(0)"}) {
        EXPECT_FALSE(IsEnabled(name)) << name;
    }
    EXPECT_TRUE(IsEnabled("But_farklı"));

    // One empty row: both staff lines and 45 grey rings; the picture centred above the band.
    const QImage picture = Picture();
    EXPECT_EQ(picture.size(), QSize(964, 150));
    EXPECT_EQ(Controls().Picture1->geometry(),
              QRect(26, NotationPictureTop(Window().InnerHeight(), 1), 964, 150));
    EXPECT_EQ(picture.pixel(20, 60), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(940, 90), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(945, 5), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(920, 70), qRgb(200, 200, 200));  // ring 45's top
    EXPECT_EQ(picture.pixel(40, 75), qRgb(255, 255, 255));   // filled with the background

    // The unit-note box shows the small eighth glyph at (6, 0).
    const QImage& unit = Controls().PicBirimNota->Picture();
    int ink = 0;
    for (int y = 0; y < unit.height(); ++y) {
        for (int x = 0; x < unit.width(); ++x) ink += unit.pixel(x, y) == qRgb(0, 0, 0);
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(unit.pixel(2, 20), qRgb(200, 185, 130));  // the saved background colour
}

TEST_F(WindowStart, EveryNamedControlExistsOnceAndTheBandIsReadable) {
    for (const char* name : kNamedControls) {
        EXPECT_NE(Window().Control(name), nullptr) << name;
        EXPECT_EQ(Window().findChildren<QObject*>(QString::fromUtf8(name)).size() > 0, true);
    }
    const int innerHeight = Window().InnerHeight();
    // The band's frames and buttons stand side by side without overlapping, inside the window.
    std::vector<QWidget*> band;
    for (QWidget* child :
         Window().centralWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const int y = child->y();
        if (child->isVisible() && y >= innerHeight - 100 && y < innerHeight) band.push_back(child);
    }
    ASSERT_GE(band.size(), 9u);
    for (std::size_t i = 0; i < band.size(); ++i) {
        EXPECT_LE(band[i]->geometry().bottom(), innerHeight) << band[i]->objectName().toStdString();
        EXPECT_LE(band[i]->geometry().right(), 1023);
        for (std::size_t j = i + 1; j < band.size(); ++j) {
            EXPECT_FALSE(band[i]->geometry().intersects(band[j]->geometry()))
                << band[i]->objectName().toStdString() << " "
                << band[j]->objectName().toStdString();
        }
    }
    // Captions fit their buttons in both languages.
    for (int round = 0; round < 2; ++round) {
        for (QAbstractButton* button : Window().findChildren<QAbstractButton*>()) {
            if (button->objectName().isEmpty() || button->text().isEmpty()) continue;
            const int needed = button->fontMetrics().horizontalAdvance(button->text()) +
                               (qobject_cast<QRadioButton*>(button) ? 22 : 8);
            EXPECT_LE(needed, button->width())
                << button->objectName().toStdString() << " " << button->text().toStdString();
        }
        for (QGroupBox* frame : Window().findChildren<QGroupBox*>()) {
            EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()) + 8, frame->width())
                << frame->objectName().toStdString();
        }
        TriggerMenu("Mn_Lisanlar");
    }
}

TEST_F(WindowStart, PlanFramesWaitBelowTheDrawingArea) {
    const int innerHeight = Window().InnerHeight();
    const int scrollLeft = Controls().VScroll1->mapTo(Window().centralWidget(), QPoint()).x();
    EXPECT_EQ(Controls().Frame5->pos(), QPoint(scrollLeft, innerHeight + 2));
    EXPECT_EQ(Controls().Frame10->x(), Controls().Frame5->geometry().right() + 1);
    EXPECT_EQ(Controls().Frame9->x(), Controls().Frame10->geometry().right() + 1);
    EXPECT_EQ(Controls().Frame10->y(), innerHeight + 2);
    // Raised by 165 pixels they must leave the instrument and play frames in sight.
    EXPECT_LT(Controls().Frame9->geometry().right(), Controls().Frame1->x());
    EXPECT_LE(Controls().Frame9->height(), 163);
    EXPECT_EQ(Controls().Picture3->geometry(), QRect(110, 40, 837, 430));
    EXPECT_EQ(Controls().Picture4->geometry(), QRect(30, 20, 960, 512));
    EXPECT_EQ(Controls().Picture5->geometry(), QRect(26, 12, 964, 528));
}

TEST_F(WindowStart, LanguageMenuSwitchesEveryTextAndBack) {
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Window().language(), Language::English);
    EXPECT_EQ(Window().windowTitle(), "Ritmora editor");
    EXPECT_EQ(Controls().Mn_Lisanlar->text(), "Turkce");
    EXPECT_EQ(Controls().But_Sil->text(), "Delete");
    EXPECT_EQ(Controls().Option1[2]->text(), "Tambourine");
    EXPECT_EQ(Controls().Frame9->title(), " Define / edit sequence ");
    EXPECT_EQ(Controls().Mn_orta->title(), "M (Mezzoforte)");
    EXPECT_EQ(Controls().Mn_editNota[6]->text(), "Del RH");
    EXPECT_EQ(Controls().Command1->text(), "Pause");
    EXPECT_TRUE(Controls().Text1->toPlainText().startsWith("Beat information"));
    EXPECT_EQ(Controls().Label4->text(), "Match");
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Window().language(), Language::Turkish);
    EXPECT_EQ(Controls().But_Sil->text(), "S i l");
    EXPECT_EQ(Controls().Mn_Lisanlar->text(), "English");
    EXPECT_EQ(Controls().Label7->text(), "darbe s.");
    EXPECT_EQ(Controls().But_kısalt->text(), ">   <");
}

TEST_F(WindowStart, PlanPauseCaptionFollowsThePausedState) {
    Window().Model().planPaused = true;
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Controls().Command1->text(), "Continue");
    Window().Model().planPaused = false;
    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Controls().Command1->text(), "Bekle");
}

TEST_F(WindowStart, HelpAndAboutInPlainBoxesWithTheTitleInForce) {
    TriggerMenu("Mn_yardm");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "Ritmora editörü");
    EXPECT_TRUE(Messages()[0].text.startsWith("Proğramın kullanımı"));
    EXPECT_FALSE(Messages()[0].question);
    TriggerMenu("Mn_Lisanlar");
    TriggerMenu("Mn_bilgi");
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].title, "Ritmora editor");
    EXPECT_TRUE(Messages()[1].text.endsWith("Istanbul 30 March 2010."));
}

TEST_F(WindowStart, NoteMenuShowsPicturesAndTwoTexts) {
    for (int item = 0; item < 15; ++item) {
        QAction* action = Controls().Mn_editNota[static_cast<std::size_t>(item)];
        if (item == 7) {
            EXPECT_TRUE(action->isSeparator());
        } else if (item == 6 || item == 8) {
            EXPECT_TRUE(action->icon().isNull());
            EXPECT_FALSE(action->text().isEmpty());
        } else {
            EXPECT_FALSE(action->icon().isNull()) << item;
        }
    }
    EXPECT_EQ(Controls().Mn_metin[5]->text(), "Kâ");
    Controls().Mn_birimItems[3]->trigger();
    EXPECT_EQ(Controls().Text3->text(), "16");
}

class BrokenLibrary : public WindowFixture {
  public:
    BrokenLibrary() { libraryBytes.assign(1000, 0); }  // not 256 records: refused, untouched
};

TEST_F(BrokenLibrary, StartFailsWithAClearMessage) {
    EXPECT_FALSE(Window().StartedOk());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "Ritmora editörü");
    EXPECT_TRUE(Messages()[0].text.contains("usuller.usl"));
    EXPECT_EQ(std::filesystem::file_size(folder / "usuller.usl"), 1000u);
}

}  // namespace
}  // namespace ritmora::testing
