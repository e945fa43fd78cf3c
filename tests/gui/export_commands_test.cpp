// The export menu: the audio as the player would play it, in the format the file dialog's name
// asks for, and the notation as a PDF page beside the J P G picture.
#include <QFileDialog>

#include "export/qt/offscreen_notation.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

namespace fs = std::filesystem;

class SaveAudio : public PlanFixture {
  protected:
    // Runs the command with the dialog answered by `file`; waits for the export to end.
    void Save(const fs::path& file) {
        QTimer::singleShot(0, [this, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            openedIn = dialog->directory().absolutePath();
            dialog->selectFile(PathToQString(file));
            static_cast<QDialog*>(dialog)->accept();
        });
        TriggerMenu("Mn_SesKaydet");
        ASSERT_TRUE(QTest::qWaitFor([&] { return IsEnabled("Mn_SesKaydet"); }, 30000));
    }

    QString openedIn;
};

TEST_F(SaveAudio, TheUsulAsItPlaysInTheFormatOfTheName) {
    LoadSlot(12);
    Click("Option1(2)");
    Click("But_Baslat");
    Click("But_Dur");
    const fs::path out = folder / "out";
    fs::create_directory(out);
    Save(out / "aksak.wav");
    EXPECT_EQ(ReadText(out / "aksak.wav"), ReadText(vlvl / "Shablon.---"));
    Save(out / "aksak.flac");
    EXPECT_EQ(ReadText(out / "aksak.flac").substr(0, 4), "fLaC");
    // The next dialog opens where the last file went and keeps its format.
    Save(out / "again");
    EXPECT_EQ(openedIn, PathToQString(out));
    EXPECT_EQ(ReadText(out / "again.flac"), ReadText(out / "aksak.flac"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SaveAudio, ThePlanFromItsFirstPassage) {
    ASSERT_TRUE(SavePlan(kExampleName, kTypedExample));
    EnterPlanMode();
    Controls().List3->setCurrentRow(2);
    Click("Command4");
    Click("Command3");
    Save(folder / "plan.wav");
    EXPECT_EQ(ReadText(folder / "plan.wav"), ReadText(vlvl / "Eser.---"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SaveAudio, ThePdfButtonWritesTheNotationUnderThePictureName) {
    TriggerMenu("Mn_PDF");
    EXPECT_EQ(LastMessage(), Message(message::kNoBeats));
    LoadSlot(12);
    TriggerMenu("Mn_PDF");
    EXPECT_EQ(ReadText(vlvl / "5-8  Turk aksagi.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(Messages().size(), 1u);
}

}  // namespace
}  // namespace ritmora::testing
