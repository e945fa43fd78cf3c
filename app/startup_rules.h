#pragma once
// Start-up and shutdown decisions that need no screen: whether the program may start, the text it
// shows when it may not, where the sound files live and which of them the shutdown removes.
#include <cstddef>
#include <filesystem>
#include <string>

namespace ritmora {

// The smallest screen the window fits on.
inline constexpr int kMinimumScreenWidth = 1024;
inline constexpr int kMinimumScreenHeight = 768;

enum class StartupRefusal {
    None,            // start
    AlreadyRunning,  // another copy holds the data folder
    ScreenTooNarrow,
    ScreenTooLow,
};

// The single-instance test comes first, then the width, then the height: a screen too small in
// both ways is refused for its width only.
StartupRefusal DecideStartup(bool anotherCopyRuns, int screenWidth, int screenHeight);

// The Turkish text of a refusal (no language is chosen yet); empty for None.
const std::string& StartupRefusalText(StartupRefusal refusal);

// The title of the start-up messages: the application title before any language is set.
const std::string& StartupMessageTitle();

// The folder of the sample bank and of the rendered audio, inside the data folder.
std::filesystem::path VlvlFolder(const std::filesystem::path& dataFolder);

// Whether a file name is one of the program's temporary sound files: it ends in ".---" exactly
// (the eighteen samples, "Shablon.---", "Eser.---").
bool IsTemporarySoundFileName(const std::string& fileName);

// Deletes every temporary sound file directly inside `vlvlFolder` (not in sub-folders, never a
// folder itself). Errors are ignored: a file in use simply stays. Returns how many went.
std::size_t DeleteTemporarySoundFiles(const std::filesystem::path& vlvlFolder);

}  // namespace ritmora
