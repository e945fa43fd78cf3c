// ritmora: the usul editor and player.
#include <QApplication>
#include <exception>
#include <filesystem>
#include <iostream>

#include "app/data_folder.h"
#include "app/main_window.h"
#include "app/qt_translations.h"
#include "app/sample_bank_menu.h"
#include "app/shutdown_cleanup.h"
#include "app/startup_checks.h"
#include "app/termination_signals.h"

namespace {

int Run(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ritmora"));
    const std::filesystem::path dataFolder = ritmora::ResolveDataFolder(ritmora::ProgramFolder());

    // A second copy or a screen below 1024 x 768 is refused before any file is touched.
    ritmora::SingleInstanceLock instance(dataFolder);
    {
        // The refusals come before the window and speak Turkish, their OK button too.
        ritmora::QtTranslations turkish;
        turkish.Use(ritmora::Language::Turkish);
        if (!ritmora::RunStartupChecks(instance, ritmora::PrimaryScreenSize())) return 1;
    }

    ritmora::ArayüzKalıp window(dataFolder);
    ritmora::SystemTimerResolution timerResolution;
    const ritmora::TerminationSignals endRequests;
    // From here every way out cleans what the program wrote: a start-up that ends early (no
    // library, a sample file that cannot be made) as much as a normal close.
    int status = 1;
    if (window.StartedOk() && window.SampleBank().baslat_bindir()) {
        window.show();
        status = QApplication::exec();
    }
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
