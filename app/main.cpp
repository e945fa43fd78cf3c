// ritmora: the usul editor and player.
#include <QApplication>
#include <exception>
#include <filesystem>
#include <iostream>

#include "app/data_folder.h"
#include "app/editing_panel.h"
#include "app/main_window.h"
#include "app/playback_panel.h"
#include "app/sample_bank_menu.h"
#include "app/shutdown_cleanup.h"
#include "app/startup_checks.h"
#include "export/qt/export_actions.h"
#include "plans/qt/plan_controls.h"

namespace {

int Run(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ritmora"));
    const std::filesystem::path dataFolder = ritmora::ResolveDataFolder(ritmora::ProgramFolder());

    // A second copy or a screen below 1024 x 768 is refused before any file is touched.
    ritmora::SingleInstanceLock instance(dataFolder);
    if (!ritmora::RunStartupChecks(instance, ritmora::PrimaryScreenSize())) return 1;

    ritmora::ArayüzKalıp window(dataFolder);
    if (!window.StartedOk()) return 1;
    ritmora::SystemTimerResolution timerResolution;
    if (!ritmora::InstallSampleBankMenu(window)) return 1;  // the sound-file message was shown

    // The plan mode shares the usul panel's player, so the usul panel comes first.
    ritmora::InstallPlaybackPanel(window);
    ritmora::InstallPlanPanel(window);
    ritmora::InstallEditingPanel(window);
    ritmora::InstallExportActions(window);

    window.show();
    const int status = QApplication::exec();
    ritmora::ShutdownCleanup(window);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Failures are values shown where they happen; this is only the last guard, so that an
    // unforeseen one still ends with a line of text and status 1 instead of an abort.
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "ritmora: unexpected failure: " << failure.what() << "\n";
    } catch (...) {
        std::cerr << "ritmora: unexpected failure\n";
    }
    return 1;
}
