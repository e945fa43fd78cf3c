// Not a check: with RITMORA_SCREENSHOT_DIR set, saves pictures of the window in its main states
// for a person to look at.
#include <QListWidget>

#include "tests/gui/window_fixture.h"

namespace ritmora::testing {
namespace {

class Screenshots : public WindowFixture {};

TEST_F(Screenshots, MainStates) {
    const QByteArray where = qgetenv("RITMORA_SCREENSHOT_DIR");
    if (where.isEmpty()) GTEST_SKIP() << "RITMORA_SCREENSHOT_DIR not set";
    const QString dir = QString::fromLocal8Bit(where);
    auto save = [&](const char* name) {
        QApplication::processEvents();
        Window().grab().save(dir + "/" + name + ".png");
    };
    save("start");
    Click("But_yükle");
    save("load_list");
    ClickListLine(Controls().List1, 11);
    save("slot12");
    LoadSlot(158);
    save("slot158");
    TriggerMenu("Mn_Lisanlar");
    save("slot158_english");
    Controls().Picture1->hide();
    Controls().Picture4->show();
    Window().SabitListeYap();
    for (QWidget* frame :
         {static_cast<QWidget*>(Controls().Frame5), static_cast<QWidget*>(Controls().Frame10),
          static_cast<QWidget*>(Controls().Frame9)}) {
        frame->move(frame->x(), frame->y() - 165);
    }
    save("plan_panels");
    TriggerMenu("Mn_Lisanlar");
    save("plan_panels_turkish");
    Controls().Picture4->hide();
    Controls().Picture3->show();
    save("help_panel");
}

}  // namespace
}  // namespace ritmora::testing
