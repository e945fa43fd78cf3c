// Systems other than Windows: the standard file system and a Qt process start. There is no
// Windows folder here, so dlgsetup reports, correctly, that it does not know the system.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "dlgsetup/platform.h"

namespace ritmora::dlgsetup {

bool SystemPlatform::FolderExists(const std::string& path) {
    std::error_code code;
    return std::filesystem::is_directory(path, code);
}

bool SystemPlatform::FileExists(const std::string& path) {
    std::error_code code;
    return std::filesystem::exists(path, code) && !std::filesystem::is_directory(path, code);
}

bool SystemPlatform::CopyFile(const std::string& from, const std::string& to) {
    std::error_code code;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, code);
    return !code;
}

std::optional<int> SystemPlatform::RunProcess(const std::string& commandLine) {
    QStringList words = QProcess::splitCommand(QString::fromStdString(commandLine));
    if (words.isEmpty()) return std::nullopt;
    const QString program = words.takeFirst();
    const int exitCode = QProcess::execute(program, words);
    if (exitCode == -2) return std::nullopt;  // could not be started
    return exitCode;                          // -1: it crashed
}

bool SystemPlatform::ChangeDirectory(const std::string& path) {
    std::error_code code;
    std::filesystem::current_path(path, code);
    return !code;
}

}  // namespace ritmora::dlgsetup
