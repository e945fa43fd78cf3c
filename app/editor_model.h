#pragma once
// The state of the main window apart from its controls: the open library, the usul on screen
// and its slot, the time signature's expected length, the selected ring, the metronome unit, the
// colour in force and the interface language. Plain data; the window's panels work on it.
#include <filesystem>
#include <memory>

#include "app/texts.h"
#include "library/library_file.h"
#include "library/usul_record.h"

namespace ritmora {

struct EditorModel {
    std::filesystem::path dataFolder;
    std::unique_ptr<UsulLibrary> library;  // open from start-up to shutdown
    UsulRecord CurrentUsul;                // all zero before the first load
    int CurrentSlot = 0;                   // 0 = nothing loaded
    SettingsRecord CurrentSettings;        // record 256: the background colour
    long long ExpectedTotal = 0;           // 64 / mertebe x beats, from the two boxes
    int SelectedRing = 0;                  // 0 = none; every redraw clears it
    int UnitNote = 4;                      // the note value one metronome beat stands for
    Language language = Language::Turkish;
    bool planPlaying = false;  // a work plan is sounding (set by plan playback)
    bool planPaused = false;   // a work plan is paused: its pause button offers "Continue"
};

}  // namespace ritmora
