// Not a check: with RITMORA_SCREENSHOT_DIR set, saves pictures of the window in each screen
// state, both languages, on the background colour of RITMORA_SCREENSHOT_COLOUR ("r,g,b"; the
// saved one by default), for a person to look at. On a real screen the whole screen is taken,
// so open menus show too.
#include <QListWidget>
#include <QMenu>
#include <QScreen>

#include "app/editing_panel.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class Screenshots : public WindowFixture {
  protected:
    void Save(const QString& name) {
        QApplication::processEvents();
        QTest::qWait(50);
        const QString file = dir_ + "/" + prefix_ + name + ".png";
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            Window().grab().save(file);
        } else {
            QGuiApplication::primaryScreen()->grabWindow(0).save(file);
        }
    }

    // Shows the note menu over ring `ring` long enough to take it, then closes it.
    void SaveNoteMenu(const QString& name) {
        QTimer::singleShot(200, [this, name] {
            Save(name);
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
        Controls().Mn_edit->exec(Controls().Picture1->mapToGlobal(QPoint(300, 0)));
    }

    QString dir_;
    QString prefix_;
};

TEST_F(Screenshots, MainStates) {
    const QByteArray where = qgetenv("RITMORA_SCREENSHOT_DIR");
    if (where.isEmpty()) GTEST_SKIP() << "RITMORA_SCREENSHOT_DIR not set";
    dir_ = QString::fromLocal8Bit(where);
    const QStringList colour =
        QString::fromLocal8Bit(qgetenv("RITMORA_SCREENSHOT_COLOUR")).split(',');
    if (colour.size() == 3) {
        Window().renklendir(static_cast<std::uint8_t>(colour[0].toInt()),
                            static_cast<std::uint8_t>(colour[1].toInt()),
                            static_cast<std::uint8_t>(colour[2].toInt()));
    }
    for (const char* language : {"tr", "en"}) {
        prefix_ = QString::fromLatin1(language) + "_";
        Save("start");
        Click("But_yükle");
        Save("5_load_list");
        ClickListLine(Controls().List1, 163);
        Save("4_slot164_fixed");
        Click("But_yükle");
        Save("5_load_list_at_164");
        ClickListLine(Controls().List1, 23);
        SaveNoteMenu("note_menu");
        Window().Editing().Label5_Click();
        Save("metronome_grid");
        Window().Editing().Picture8_MouseDown(Qt::LeftButton, 5, 5);
        Click("But_farklı");
        Save("7_save_as_list");
        ClickListLine(Controls().List2, 4);
        Save("6_slot205_user");
        Window().EkranKiliti(ScreenState::kUsulPlaying);
        Save("1_usul_playing");
        Window().EkranKiliti(ScreenState::kEditing);
        Save("3_editing");
        TriggerMenu("Mn_RenkZemin");
        Save("colour_window");
        if (QWidget* colourWindow = QApplication::activeWindow();
            colourWindow != nullptr && colourWindow != &Window()) {
            colourWindow->close();
        }
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("FRenk")) top->close();
        }
        Click("Option4");
        Controls().Text9->setText(QString::fromUtf8(kExampleName));
        Controls().Text14->setPlainText(QString::fromUtf8(kTypedExample));
        Click("Command8");
        Save("plan_mode");
        Window().EkranKiliti(ScreenState::kPlanPlaying);
        Save("8_plan_playing");
        Window().EkranKiliti(ScreenState::kPlanStopped);
        Save("9_plan_stopped");
        Click("Command2");
        Save("plan_help");
        Click("Image3");
        Click("Option2");
        TriggerMenu("Mn_Lisanlar");
    }
}

}  // namespace
}  // namespace ritmora::testing
