// Windows: the Win32 file, copy, process and message-box calls. Paths, the command line and the
// messages are UTF-8 inside the program and are handed to the wide-character calls, so a folder
// with Turkish letters works and the messages keep their letters whatever the system's code page.
#include <windows.h>
// windows.h names a macro CopyFile; the platform's method of that name is meant here.
#undef CopyFile

#include <string>
#include <vector>

#include "dlgsetup/platform.h"

namespace ritmora::dlgsetup {
namespace {

constexpr const wchar_t* kApplicationTitle = L"dlgsetup";

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

// A rooted path without a drive ("/windows/System32") names a place on the current drive. The
// drive is put in front explicitly: wine would take such a path for one of the host's own.
std::wstring OnCurrentDrive(const std::wstring& path) {
    if (path.empty() || !IsSeparator(path[0]) || (path.size() > 1 && IsSeparator(path[1]))) {
        return path;
    }
    wchar_t current[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
    if (length < 2 || length >= MAX_PATH || current[1] != L':') return path;
    return std::wstring(current, 2) + path;
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesW(OnCurrentDrive(Wide(path)).c_str());
}

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

std::optional<int> SystemPlatform::RunProcess(const std::string& commandLine) {
    std::wstring command = Wide(commandLine);
    std::vector<wchar_t> buffer(command.begin(), command.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into the command line
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;  // minimised, with the focus
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return std::nullopt;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    const bool known = GetExitCodeProcess(process.hProcess, &exitCode) != 0;
    CloseHandle(process.hProcess);
    if (!known) return -1;
    return static_cast<int>(exitCode);
}

void SystemPlatform::ShowMessage(const std::string& text) {
    // No window of its own: the box goes to the foreground so that it is not hidden.
    MessageBoxW(nullptr, Wide(text).c_str(), kApplicationTitle, MB_OK | MB_SETFOREGROUND);
}

std::string SystemPlatform::ProgramFolder() {
    // The buffer grows until the whole path fits (paths may be longer than MAX_PATH).
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    // The folder without a trailing separator, as in "C:\Program Files\Ritmora"; a drive's root
    // keeps its own ("C:\").
    std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    if (slash == 2 && path[1] == L':') ++slash;
    path.resize(slash);
    return Utf8(path);
}

bool SystemPlatform::ChangeDirectory(const std::string& path) {
    return SetCurrentDirectoryW(Wide(path).c_str()) != 0;
}

}  // namespace ritmora::dlgsetup
