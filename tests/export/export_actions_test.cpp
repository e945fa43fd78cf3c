// The main window's J P G, Print and Color handlers, driven through the real window.
#include "export/qt/export_actions.h"

#include <QCheckBox>
#include <QImageReader>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/colour_settings_window.h"
#include "export/export_texts.h"
#include "export/qt/offscreen_notation.h"
#include "tests/export/export_test_support.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class ExportActions : public WindowFixture {
  protected:
    void ExpectRingsGrey() {
        for (int column = 1; column <= 45; ++column)
            ASSERT_TRUE(IsGrey(RingEdge(Picture(), 1, column))) << column;
    }
    std::vector<QString> Texts() {
        std::vector<QString> texts;
        for (const ShownMessage& shown : Messages()) texts.push_back(shown.text);
        return texts;
    }
};

TEST_F(ExportActions, JpgButtonWritesIntoVlvlAndPrintingLeavesTheRingsGrey) {
    LoadSlot(38);  // Aksak 9/8
    Controls().But_JPG->setEnabled(true);
    Click("But_JPG");
    const std::filesystem::path file = folder / "vlvl" / "9-8  Aksak.jpg";
    ASSERT_TRUE(std::filesystem::exists(file));
    const auto* canvas = Window().findChild<PictureBox*>("imajPenceresi");
    EXPECT_EQ(QImageReader(PathToQString(file)).size(), canvas->Picture().size());
    ExpectRingsGrey();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PathToQString(folder / "page.pdf"));
    But_baskı_Click(Window(), &printer);
    EXPECT_TRUE(Messages().empty());
    EXPECT_GT(std::filesystem::file_size(folder / "page.pdf"), 500u);
    ExpectRingsGrey();
    if (QPrinterInfo::defaultPrinter().isNull()) {
        But_baskı_Click(Window());
        EXPECT_EQ(Texts(), std::vector<QString>{QString::fromStdString(
                               PrintFaultMessage(Window().language(), PrintFault::NoPrinter))});
        ExpectRingsGrey();
    }
}

TEST_F(ExportActions, EmptyUsulAndUnusableNameShowTheirMessages) {
    But_JPG_Click(Window());
    But_baskı_Click(Window());
    EXPECT_EQ(Texts(), std::vector<QString>(2, Message(3)));
    LoadSlot(38);
    Controls().Text5->setText("Aksak/2");
    But_JPG_Click(Window());
    EXPECT_EQ(Texts().back(), Message(22));
    EXPECT_FALSE(std::filesystem::exists(folder / "vlvl" / "9-8  Aksak.jpg"));
}

TEST_F(ExportActions, ColourMenuOpensFRenkAndApplyStoresRecord256) {
    TriggerMenu("Mn_RenkZemin");
    FRenk* frenk = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<FRenk*>(widget)) frenk = found;
    ASSERT_NE(frenk, nullptr);
    EXPECT_FALSE(Window().isEnabled());
    for (const auto& [bar, value] : {std::pair{"HScroll1", 0}, {"HScroll2", 255}, {"HScroll3", 17}})
        frenk->findChild<QScrollBar*>(bar)->setValue(value);
    frenk->findChild<QCheckBox*>("Check1")->setChecked(true);
    frenk->But_RenkTamam_Click();
    EXPECT_TRUE(Window().isEnabled());
    SettingsRecord stored;
    ASSERT_TRUE(Window().Library().ReadSettings(stored));
    for (const SettingsRecord& record : {Window().CurrentSettings(), stored}) {
        EXPECT_EQ(std::vector<int>({record.backRed, record.backGreen, record.backBlue}),
                  std::vector<int>({0, 255, 17}));
    }
    EXPECT_EQ(Window().centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 17));
}

}  // namespace
}  // namespace ritmora::testing
