#include "app/shutdown_cleanup.h"

#include "app/main_window.h"
#include "app/playback_panel.h"
#include "app/startup_rules.h"
#include "plans/qt/plan_controls.h"

namespace ritmora {

void ShutdownCleanup(ArayüzKalıp& window) {
    window.Playback().StopSound();
    window.Plans().Playback().StopIfActive();
    window.Model().CloseLibrary();
    DeleteTemporarySoundFiles(VlvlFolder(window.DataFolder()));
}

}  // namespace ritmora
