#include "app/data_folder.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <fstream>
#include <system_error>

namespace ritmora {
namespace {

bool IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return false;
    const auto probe = folder / ".ritmora-write-test";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out) return false;
    }
    std::filesystem::remove(probe, error);
    return true;
}

}  // namespace

std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder) {
    if (IsWritableFolder(programFolder)) return programFolder;
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    std::filesystem::path folder(location.toStdU16String());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::filesystem::path ProgramFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdU16String());
}

}  // namespace ritmora
