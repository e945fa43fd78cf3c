// The main window's J P G, Print and Color handlers, driven through the real window.
#include "export/qt/export_actions.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImageReader>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>

#include "app/colour_settings_window.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/picture_box.h"
#include "export/export_texts.h"
#include "export/qt/offscreen_notation.h"
#include "notation/qt/notation_view.h"
#include "tests/export/export_test_support.h"

namespace ritmora {
namespace {

using testing::IsGrey;
using testing::RingEdge;

class ExportActions : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageHook([this](const MessageRequest& request) {
            messages.push_back(request.text.toStdString());
            return true;
        });
        window = std::make_unique<ArayüzKalıp>(folder.path());
        ASSERT_TRUE(window->StartedOk());
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetMessageHook({});
    }
    void LoadSlot(int slot) { window->List1_MouseDown(Qt::LeftButton, slot - 1); }
    QImage& Screen() { return window->findChild<NotationView*>("Picture1")->Picture(); }
    void ExpectRingsGrey(int rows) {
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= 45; ++column)
                ASSERT_TRUE(IsGrey(RingEdge(Screen(), row, column))) << row << "," << column;
    }

    testing::TempFolder folder;
    std::unique_ptr<ArayüzKalıp> window;
    std::vector<std::string> messages;
};

TEST_F(ExportActions, JpgButtonWritesIntoVlvlAndPrintingLeavesTheRingsGrey) {
    LoadSlot(38);  // Aksak 9/8
    auto* button = window->findChild<QPushButton*>("But_JPG");
    ASSERT_NE(button, nullptr);
    button->setEnabled(true);
    button->click();
    const std::filesystem::path file = folder.path() / "vlvl" / "9-8  Aksak.jpg";
    ASSERT_TRUE(std::filesystem::exists(file));
    const auto* canvas = window->findChild<PictureBox*>("imajPenceresi");
    EXPECT_EQ(QImageReader(PathToQString(file)).size(), canvas->Picture().size());
    ExpectRingsGrey(1);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PathToQString(folder.path() / "page.pdf"));
    But_baskı_Click(*window, &printer);
    EXPECT_TRUE(messages.empty());
    EXPECT_GT(std::filesystem::file_size(folder.path() / "page.pdf"), 500u);
    ExpectRingsGrey(1);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        But_baskı_Click(*window);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], PrintFaultMessage(window->language(), PrintFault::NoPrinter));
        ExpectRingsGrey(1);
    }
}

TEST_F(ExportActions, EmptyUsulAndUnusableNameShowTheirMessages) {
    But_JPG_Click(*window);
    But_baskı_Click(*window);
    EXPECT_EQ(messages, std::vector<std::string>(2, MessageText(window->language(), 3)));
    LoadSlot(38);
    window->Controls().Text5->setText("Aksak/2");
    But_JPG_Click(*window);
    EXPECT_EQ(messages.back(), MessageText(window->language(), 22));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "vlvl" / "9-8  Aksak.jpg"));
}

TEST_F(ExportActions, ColourMenuOpensFRenkAndApplyStoresRecord256) {
    auto* menu = window->findChild<QAction*>("Mn_RenkZemin");
    ASSERT_NE(menu, nullptr);
    menu->trigger();
    FRenk* frenk = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<FRenk*>(widget)) frenk = found;
    ASSERT_NE(frenk, nullptr);
    EXPECT_FALSE(window->isEnabled());
    frenk->findChild<QScrollBar*>("HScroll1")->setValue(0);
    frenk->findChild<QScrollBar*>("HScroll2")->setValue(255);
    frenk->findChild<QScrollBar*>("HScroll3")->setValue(17);
    frenk->findChild<QCheckBox*>("Check1")->setChecked(true);
    frenk->But_RenkTamam_Click();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->CurrentSettings().backRed, 0);
    EXPECT_EQ(window->CurrentSettings().backGreen, 255);
    EXPECT_EQ(window->CurrentSettings().backBlue, 17);
    SettingsRecord stored;
    ASSERT_TRUE(window->Library().ReadSettings(stored));
    EXPECT_EQ(stored.backGreen, 255);
    EXPECT_EQ(stored.backBlue, 17);
    EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 17));
}

}  // namespace
}  // namespace ritmora
