#pragma once
// The main window with its plan mode wired, on a temporary data folder with the sample files
// written, a silent player (unless a sound server is named in PULSE_SERVER) and a fast slide.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <string>

#include "plans/qt/plan_controls.h"
#include "sound/sample_bank.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {

// The worked example typed with blanks to spare and blank lines between.
inline const char* const kTypedExample =
    "  Birinci_hane   165  2   4  84  \n"
    "\n"
    " Teslim_ilk 165 1 4 84\n"
    "Teslim_son    165 -48     4 84\n"
    "   \n"
    "   Final 165 49- 4 84>50   ";
inline const char* const kExampleName = "Hüseyni Peşrevi Lavtacı Tavron";
inline const char* const kExampleFile = "Huseyni Pesrevi Lavtaci Tavron.txt";

class PlanFixture : public WindowFixture {
  protected:
    void SetUp() override {
        hadAudioWish_ = qEnvironmentVariableIsSet("RITMORA_AUDIO");
        audioWish_ = qgetenv("RITMORA_AUDIO");
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) qputenv("RITMORA_AUDIO", "silent");
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().StartedOk());
        plan = InstallPlanPanel(Window());
        plan->View().SetSlideStepDelayMs(0);
        vlvl = folder / "vlvl";
        ASSERT_TRUE(WriteSampleBank(vlvl, {}).ok());
    }

    void TearDown() override {
        WindowFixture::TearDown();
        // Other suites of this program choose their own output.
        if (hadAudioWish_) {
            qputenv("RITMORA_AUDIO", audioWish_);
        } else {
            qunsetenv("RITMORA_AUDIO");
        }
    }

    void EnterPlanMode() { Click("Option4"); }

    void TypePlan(const QString& name, const QString& text) {
        Controls().Text9->setText(name);
        Controls().Text14->setPlainText(text);
    }

    // Types and saves a plan; true when it was saved without a message.
    bool SavePlan(const QString& name, const QString& text) {
        const std::size_t before = Messages().size();
        TypePlan(name, text);
        Click("Command8");
        return Messages().size() == before;
    }

    static QStringList Items(const QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }

    QStringList TextLines() { return Controls().Text14->toPlainText().split(QLatin1Char('\n')); }

    // Selects a saved plan as the user does: a click on its line in File1.
    void OpenPlan(const QString& fileName) {
        const QStringList files = Items(Controls().File1);
        const int row = static_cast<int>(files.indexOf(fileName));
        ASSERT_GE(row, 0) << fileName.toStdString();
        ClickListLine(Controls().File1, row);
    }

    void WriteRawPlan(const std::string& fileName, const std::string& bytes) {
        std::ofstream out(vlvl / fileName, std::ios::binary);
        out << bytes;
    }

    std::string ReadBytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    PlanControls* plan = nullptr;
    std::filesystem::path vlvl;

  private:
    bool hadAudioWish_ = false;
    QByteArray audioWish_;
};

}  // namespace ritmora::testing
