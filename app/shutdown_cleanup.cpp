#include "app/shutdown_cleanup.h"

#include "app/main_window.h"
#include "app/playback_panel.h"
#include "app/startup_rules.h"

namespace ritmora {

void ShutdownCleanup(ArayüzKalıp& window) {
    if (PlaybackPanel* panel = FindPlaybackPanel(window)) panel->StopSound();
    if (window.Model().library) window.Model().library->Close();
    DeleteTemporarySoundFiles(VlvlFolder(window.DataFolder()));
}

}  // namespace ritmora
