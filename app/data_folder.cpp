#include "app/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <system_error>

namespace ritmora {
namespace {

QString ToQString(const std::filesystem::path& path) {
    const std::u16string text = path.u16string();
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path FromQString(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

// Whether a file can be created here, probed with a file of a fresh name created exclusively
// (never one that exists already, never through a link someone left) and removed at once.
bool IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return false;
    QTemporaryFile probe(QDir(ToQString(folder)).filePath(QStringLiteral(".ritmora-probe-XXXXXX")));
    return probe.open();
}

std::filesystem::path PerUserDataFolder() {
    std::filesystem::path folder =
        FromQString(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::filesystem::path InstalledPrefix(const std::filesystem::path& programFolder) {
    return programFolder.lexically_normal().parent_path();
}

}  // namespace

bool IsInstalledProgramFolder(const std::filesystem::path& programFolder) {
    std::filesystem::path folder = programFolder.lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();  // a trailing separator
    if (folder.filename() != "bin") return false;
    std::error_code error;
    return std::filesystem::is_regular_file(
        folder.parent_path() / "share" / "ritmora" / kInstalledMarker, error);
}

std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder) {
    if (!IsInstalledProgramFolder(programFolder) && IsWritableFolder(programFolder)) {
        return programFolder;
    }
    return PerUserDataFolder();
}

std::filesystem::path ProgramFolder() {
    return FromQString(QCoreApplication::applicationDirPath());
}

const char* UserGuideFileName(Language language) {
    return language == Language::Turkish ? "guide_tr.html" : "guide_en.html";
}

std::filesystem::path UserGuidePath(const std::filesystem::path& programFolder, Language language) {
    const char* name = UserGuideFileName(language);
    const std::filesystem::path candidates[] = {
        programFolder / "doc" / name,
        InstalledPrefix(programFolder) / "share" / "doc" / "ritmora" / name,
    };
    std::error_code error;
    for (const std::filesystem::path& candidate : candidates) {
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

}  // namespace ritmora
