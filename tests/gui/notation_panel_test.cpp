// The notation in the window: glyphs and rings where the geometry puts them, the picture's
// height and top by rows, the status, the time signature and the language's loudness letters.
#include "notation/geometry.h"
#include "notation/qt/notation_painter.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class NotationPanel : public WindowFixture {
  protected:
    // Dark pixels (ink, and the dark cores of anti-aliased text) in [x0, x1] x [y0, y1].
    int InkIn(int x0, int y0, int x1, int y1) {
        const QImage picture = Picture();
        int ink = 0;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) ink += qGray(picture.pixel(x, y)) < 100;
        }
        return ink;
    }
};

TEST_F(NotationPanel, SlotOneDrawsItsTwoEighthsOnTheirLines) {
    LoadSlot(1);
    EXPECT_EQ(Window().CurrentSlot(), 1);
    EXPECT_EQ(Controls().Text2->text(), "2");
    EXPECT_EQ(Controls().Text3->text(), "8");
    EXPECT_TRUE(Controls().Text5->text().startsWith("Nim sofyan"));
    EXPECT_EQ(Controls().Label1->text(), "1");
    EXPECT_EQ(Controls().Text4->text(), "16");
    EXPECT_EQ(Window().CurrentUsul().totalDuration, 16);
    EXPECT_EQ(Controls().Label4->text(), "Tamam");
    EXPECT_EQ(Controls().Label4->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Picture().height(), 150);

    // Cell 1: a stem-up eighth, its head just above the upper line (rows 56..63 of the row).
    const int x1 = GlyphLeftX(1);
    EXPECT_GT(InkIn(x1, 56, x1 + 10, 59), 5);
    EXPECT_GT(InkIn(x1 + 8, 20, x1 + 10, 50), 10);  // the stem
    // Cell 6: a stem-down eighth on the lower line (head rows 87..94).
    const int x6 = GlyphLeftX(6);
    EXPECT_GT(InkIn(x6, 86, x6 + 10, 89), 5);
    EXPECT_GT(InkIn(x6, 95, x6 + 2, 120), 10);
    // Nothing at cell 3; the grey ring of cell 3 still shows.
    EXPECT_EQ(InkIn(GlyphLeftX(3), 20, GlyphLeftX(3) + 10, 58), 0);
    EXPECT_EQ(Picture().pixel(RingCentreX(3), 70), qRgb(200, 200, 200));
    // Loud "K" over cell 1 and medium "O" under cell 6.
    EXPECT_GT(InkIn(x1 + 1, 4, x1 + 12, 17), 5);
    EXPECT_GT(InkIn(x6 + 1, 134, x6 + 12, 148), 5);
    EXPECT_EQ(Window().SelectedRing(), 0);
}

TEST_F(NotationPanel, RowsSetTheHeightAndTopOfThePicture) {
    LoadSlot(158);  // its last stroke stands in ring 180
    const int innerHeight = Window().InnerHeight();
    EXPECT_EQ(Controls().Picture1->geometry(),
              QRect(26, NotationPictureTop(innerHeight, 4), 964, 600));
    EXPECT_EQ(Picture().height(), 600);
    for (int y : {149, 150, 299, 300, 449, 450}) {
        EXPECT_EQ(Picture().pixel(0, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(Picture().pixel(960, y), qRgb(0, 0, 0)) << y;
    }
    EXPECT_EQ(Controls().Label4->text(), "Tamam");
    // Four rows still leave the band below the picture free.
    EXPECT_LE(Controls().Picture1->geometry().bottom(), innerHeight - 100);
    EXPECT_GE(Controls().Picture1->y(), 0);

    LoadSlot(1);
    EXPECT_EQ(Controls().Picture1->geometry(),
              QRect(26, NotationPictureTop(innerHeight, 1), 964, 150));
}

TEST_F(NotationPanel, LanguageSwitchRedrawsWithTheOtherLetters) {
    LoadSlot(12);
    const QImage turkish = Picture();
    TriggerMenu("Mn_Lisanlar");
    const QImage english = Picture();
    EXPECT_NE(turkish, english);

    // The window drew exactly what the painter draws with F, M, P.
    QImage expected(964, 150, QImage::Format_RGB32);
    UsulRecord usul = Window().CurrentUsul();
    DrawNotation(expected, usul, Window().Glyphs(), {"F", "M", "P"}, Window().NotationFont());
    EXPECT_EQ(english.convertToFormat(QImage::Format_RGB32), expected);
    DrawNotation(expected, usul, Window().Glyphs(), {"K", "O", "Z"}, Window().NotationFont());
    EXPECT_EQ(turkish.convertToFormat(QImage::Format_RGB32), expected);

    TriggerMenu("Mn_Lisanlar");
    EXPECT_EQ(Picture(), turkish);
    EXPECT_EQ(Controls().Label4->text(), "Tamam");
}

TEST_F(NotationPanel, TimeSignatureBoxesSetTheExpectedTotal) {
    LoadSlot(12);  // 5/8, total 40
    EXPECT_EQ(Window().ExpectedTotal(), 40);
    Controls().Text2->setText("6");
    EXPECT_EQ(Window().ExpectedTotal(), 48);
    EXPECT_EQ(Controls().Label4->text(), "Eksik");
    Controls().Text3->setText("0");  // a zero denominator keeps the old value
    EXPECT_EQ(Window().ExpectedTotal(), 48);
    Controls().Text3->setText("16");
    EXPECT_EQ(Window().ExpectedTotal(), 24);
    EXPECT_EQ(Controls().Label4->text(), "Fazla");
    EXPECT_EQ(Controls().Label1->text(), "12");
    EXPECT_EQ(Controls().Text4->text(), "40");
}

}  // namespace
}  // namespace ritmora::testing
