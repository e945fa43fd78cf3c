#include "export/qt/export_actions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "app/colour_settings_window.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/picture_box.h"
#include "export/qt/jpg_export.h"
#include "export/qt/offscreen_notation.h"
#include "export/qt/printing.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

void ShowText(ArayüzKalıp& window, const std::string& text) {
    ShowMessageBox({&window, QString::fromStdString(ApplicationTitle(window.language())),
                    QString::fromStdString(text), false});
}

NotationView* NotationPicture(ArayüzKalıp& window) {
    return window.findChild<NotationView*>(QStringLiteral("Picture1"));
}

FRenk* OpenColourWindow(const ArayüzKalıp& window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* colour = qobject_cast<FRenk*>(widget);
        if (colour != nullptr && colour->MainWindow() == &window && colour->isVisible()) {
            return colour;
        }
    }
    return nullptr;
}

}  // namespace

std::filesystem::path PictureFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "vlvl";
}

void But_JPG_Click(ArayüzKalıp& window) {
    NotationView* picture = NotationPicture(window);
    auto* nameBox = window.findChild<QLineEdit*>(QStringLiteral("Text5"));
    if (picture == nullptr) return;
    const JpgExportResult result = ExportJpg(picture->Picture(), window.CurrentUsul(),
                                             nameBox != nullptr ? nameBox->text() : QString(),
                                             PictureFolder(window.DataFolder()));
    if (!result.canvas.isNull()) {
        if (auto* canvas = window.findChild<PictureBox*>(QStringLiteral("imajPenceresi"))) {
            canvas->resize(result.canvas.size());
            canvas->Picture() = result.canvas;
        }
    }
    if (result.message != kNoMessage) {
        window.ShowMessage(result.message);
    } else if (result.fault != PictureWriteFault::None) {
        ShowText(window, PictureWriteFaultMessage(window.language(), result.fault,
                                                  PathToQString(result.file).toStdString()));
    }
}

void But_baskı_Click(ArayüzKalıp& window, QPrinter* printer) {
    NotationView* picture = NotationPicture(window);
    if (picture == nullptr) return;
    const PrintResult result =
        printer != nullptr ? PrintNotation(picture->Picture(), window.CurrentUsul(), *printer)
                           : PrintOnDefaultPrinter(picture->Picture(), window.CurrentUsul());
    if (result.message != kNoMessage) {
        window.ShowMessage(result.message);
    } else if (result.fault != PrintFault::None) {
        ShowText(window, PrintFaultMessage(window.language(), result.fault));
    }
}

FRenk* Mn_RenkZemin_Click(ArayüzKalıp& window) {
    if (FRenk* open = OpenColourWindow(window)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    QPointer<ArayüzKalıp> owner(&window);
    ColourWindowCalls calls;
    calls.apply = [owner](const SettingsRecord& settings) {
        if (!owner) return;
        owner->CurrentSettings() = settings;
        owner->renklendir(settings.backRed, settings.backGreen, settings.backBlue);
    };
    calls.store = [owner](const SettingsRecord& settings) {
        return owner && owner->Library().WriteSettings(settings);
    };
    auto* colour =
        new FRenk(&window, window.CurrentSettings(), window.language(), std::move(calls));
    colour->show();
    return colour;
}

void InstallExportActions(ArayüzKalıp& window) {
    ArayüzKalıp* target = &window;
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("But_JPG"))) {
        QObject::connect(button, &QPushButton::clicked, &window,
                         [target] { But_JPG_Click(*target); });
    }
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("But_baskı"))) {
        QObject::connect(button, &QPushButton::clicked, &window,
                         [target] { But_baskı_Click(*target); });
    }
    if (auto* menu = window.findChild<QAction*>(QStringLiteral("Mn_RenkZemin"))) {
        QObject::connect(menu, &QAction::triggered, &window,
                         [target] { Mn_RenkZemin_Click(*target); });
    }
}

}  // namespace ritmora
