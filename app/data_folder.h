#pragma once
// Where the programs keep their data and where the user guide lies. A build tree or a portable
// folder keeps everything beside the programs; an installed program keeps the data in the
// per-user data folder, because its own folder belongs to the system (even when it runs as root,
// who could write there).
#include <filesystem>

#include "app/texts.h"

namespace ritmora {

// The marker an install puts into <prefix>/share/ritmora: programs in <prefix>/bin that find it
// know they were installed.
inline constexpr const char* kInstalledMarker = "installed";

// True when `programFolder` is <prefix>/bin and <prefix>/share/ritmora/installed exists.
bool IsInstalledProgramFolder(const std::filesystem::path& programFolder);

// An installed program: the per-user application data folder (~/.local/share/ritmora on Linux).
// Otherwise the program's own folder when a file can be created in it, else the per-user
// folder. The folder is created when missing.
std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder);

// The folder of the running executable.
std::filesystem::path ProgramFolder();

// The file name of the user guide in `language`: "guide_tr.html" or "guide_en.html".
const char* UserGuideFileName(Language language);

// The user guide in `language`: in <program folder>/doc
// (a build tree, a portable folder) or, installed, in <prefix>/share/doc/ritmora. Empty when
// neither exists.
std::filesystem::path UserGuidePath(const std::filesystem::path& programFolder, Language language);

}  // namespace ritmora
