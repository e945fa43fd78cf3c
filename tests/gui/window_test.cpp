// The window as a new user meets it: Turkish, an empty staff, every control in place and
// readable, both languages, help and about.
#include <QFontMetrics>
#include <QMenuBar>
#include <QRegularExpression>
#include <QUrl>

#include "library/default_library.h"
#include "notation/geometry.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class WindowStart : public WindowFixture {};

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

TEST_F(WindowStart, TheBandStandsInsideTheWindowWithoutOverlaps) {
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
}

TEST_F(WindowStart, HelpLinksTheGuideOfTheLanguageAboutInAPlainBox) {
    // The guide beside the program, as the build and an install put it.
    auto linkedGuide = [this] {
        const QRegularExpressionMatch link =
            QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).match(LastMessage());
        return QUrl(link.captured(1)).toLocalFile();
    };
    TriggerMenu("Mn_yardm");
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "Ritmora editörü");
    EXPECT_TRUE(Messages()[0].text.startsWith("Proğramın kullanımı"));
    EXPECT_FALSE(Messages()[0].question);
    EXPECT_TRUE(linkedGuide().endsWith("guide_tr.html"));
    EXPECT_TRUE(QFile::exists(linkedGuide()));
    TriggerMenu("Mn_Lisanlar");
    TriggerMenu("Mn_yardm");
    EXPECT_TRUE(linkedGuide().endsWith("guide_en.html"));
    EXPECT_TRUE(QFile::exists(linkedGuide()));
    TriggerMenu("Mn_bilgi");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[2].title, "Ritmora editor");
    EXPECT_TRUE(Messages()[2].text.endsWith("Istanbul 30 March 2010."));
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
