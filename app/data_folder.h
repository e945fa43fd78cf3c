#pragma once
#include <filesystem>

namespace ritmora {

// The program's own folder when it is writable (a portable install, a build tree); otherwise the
// per-user application data folder. Created when missing.
std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder);

// The folder of the running executable.
std::filesystem::path ProgramFolder();

}  // namespace ritmora
