// A stand-in for the common-dialog component, for trying dlgsetup in a wine prefix. Its
// registration entry appends the command line it was registered with (regsvr32's own) to the
// file named by RITMORA_REGISTRATION_LOG, so the check sees exactly what dlgsetup started.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) HRESULT DllRegisterServer() {
    wchar_t logPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"RITMORA_REGISTRATION_LOG", logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return E_FAIL;
    const HANDLE log = CreateFileW(logPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return E_FAIL;
    const wchar_t* command = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, command, -1, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, command, -1, line.data(), size, nullptr, nullptr);
    line += "\n";
    DWORD written = 0;
    const bool ok =
        WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != 0 &&
        written == line.size();
    CloseHandle(log);
    return ok ? S_OK : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT DllUnregisterServer() { return S_OK; }
