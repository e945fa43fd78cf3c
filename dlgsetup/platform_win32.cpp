// Windows: the Win32 file, copy and process calls. Paths and the command line are UTF-8 inside
// the program and are handed to the wide-character calls, so a folder with Turkish letters works.
#ifdef _WIN32

#include <windows.h>
// windows.h names a macro CopyFile; the platform's method of that name is meant here.
#undef CopyFile

#include <string>
#include <vector>

#include "dlgsetup/platform.h"

namespace ritmora::dlgsetup {
namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

}  // namespace

bool SystemPlatform::FolderExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool SystemPlatform::FileExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemPlatform::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != 0;
}

bool SystemPlatform::StartProcess(const std::string& commandLine) {
    std::wstring command = Wide(commandLine);
    std::vector<wchar_t> buffer(command.begin(), command.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;  // minimised, with the focus
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    // Detached: the handles are released at once and the process is not awaited.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool SystemPlatform::ChangeDirectory(const std::string& path) {
    return SetCurrentDirectoryW(Wide(path).c_str()) != 0;
}

}  // namespace ritmora::dlgsetup

#endif  // _WIN32
