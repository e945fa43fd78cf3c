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
#include "export/page_layout.h"
#include "export/qt/audio_save_command.h"
#include "export/qt/jpg_export.h"
#include "export/qt/offscreen_notation.h"
#include "export/qt/pdf_export.h"
#include "export/qt/printing.h"
#include "notation/qt/notation_view.h"

namespace ritmora {
namespace {

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
    const WindowControls& c = window.Controls();
    const JpgExportResult result = ExportJpg(c.Picture1->Picture(), window.CurrentUsul(),
                                             c.Text5->text(), PictureFolder(window.DataFolder()));
    if (!result.canvas.isNull()) {
        c.imajPenceresi->resize(result.canvas.size());
        c.imajPenceresi->Picture() = result.canvas;
    }
    if (result.message != kNoMessage) {
        window.ShowMessage(result.message);
    } else if (result.fault != PictureWriteFault::None) {
        window.ShowText(PictureWriteFaultMessage(window.language(), result.fault,
                                                 PathToQString(result.file).toStdString()));
    }
}

void Mn_PDF_Click(ArayüzKalıp& window) {
    const PdfExportResult result =
        ExportPdf(window.CurrentUsul(), window.language(), window.Controls().Text5->text(),
                  PictureFolder(window.DataFolder()));
    if (result.message != kNoMessage) {
        window.ShowMessage(result.message);
    } else if (result.fault != PictureWriteFault::None) {
        window.ShowText(PictureWriteFaultMessage(window.language(), result.fault,
                                                 PathToQString(result.file).toStdString()));
    }
}

std::string NotationFileStem(ArayüzKalıp& window) {
    const UsulRecord& usul = window.CurrentUsul();
    const std::string name = JpgFileName(usul.beats, usul.mertebe,
                                         TrimmedName(window.Controls().Text5->text().toStdString()))
                                 .fileName;
    return name.empty() ? name : name.substr(0, name.size() - std::string_view(".jpg").size());
}

void But_baskı_Click(ArayüzKalıp& window, QPrinter* printer) {
    const NotationView* picture = window.Controls().Picture1;
    const PrintResult result =
        printer != nullptr ? PrintNotation(picture->Picture(), window.CurrentUsul(), *printer)
                           : PrintOnDefaultPrinter(picture->Picture(), window.CurrentUsul());
    if (result.message != kNoMessage) {
        window.ShowMessage(result.message);
    } else if (result.fault != PrintFault::None) {
        window.ShowText(PrintFaultMessage(window.language(), result.fault));
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

void ConnectExportActions(ArayüzKalıp& window) {
    ArayüzKalıp* target = &window;
    const WindowControls& c = window.Controls();
    QObject::connect(c.But_JPG, &QPushButton::clicked, &window,
                     [target] { But_JPG_Click(*target); });
    QObject::connect(c.But_baskı, &QPushButton::clicked, &window,
                     [target] { But_baskı_Click(*target); });
    QObject::connect(c.Mn_RenkZemin, &QAction::triggered, &window,
                     [target] { Mn_RenkZemin_Click(*target); });
    QObject::connect(c.Mn_PDF, &QAction::triggered, &window, [target] { Mn_PDF_Click(*target); });
    new AudioSaveCommand(window);
}

}  // namespace ritmora
