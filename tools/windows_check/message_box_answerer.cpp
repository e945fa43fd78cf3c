// Starts a program and plays its user: every message box it shows is read and answered with
// OK. Each box is printed as one UTF-8 line "title|text" on standard output; the exit code is
// the program's own, or 124 when it neither ended nor showed a box for a minute (or a box
// stayed open after OK).
//   message_box_answerer.exe PROGRAM.exe
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kQuietLimitMs = 60000;

struct Search {
    DWORD processId;
    HWND box = nullptr;
};

std::wstring TextOf(HWND window) {
    wchar_t buffer[4096];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    return std::wstring(buffer, length);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64];
    const int length = GetClassNameW(window, name, 64);
    return std::wstring(name, length > 0 ? length : 0);
}

// A dialog of the watched process (a message box is one).
BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || ClassOf(window) != L"#32770") {
        return TRUE;
    }
    search->box = window;
    return FALSE;
}

// The message: the box's static control that carries text (the icon's carries none).
BOOL CALLBACK FindText(HWND child, LPARAM param) {
    auto* text = reinterpret_cast<std::wstring*>(param);
    if (ClassOf(child) == L"Static") {
        std::wstring candidate = TextOf(child);
        if (!candidate.empty()) {
            *text = candidate;
            return FALSE;
        }
    }
    return TRUE;
}

void PrintLine(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF, as the check expects
    if (argc != 2) {
        std::fprintf(stderr, "usage: message_box_answerer PROGRAM\n");
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return 2;
    }
    CloseHandle(process.hThread);
    DWORD quietMs = 0;
    while (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_TIMEOUT) {
        Search search{process.dwProcessId};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.box == nullptr) {
            quietMs += kPollMs;
            if (quietMs < kQuietLimitMs) continue;
            std::fprintf(stderr, "the program neither ended nor showed a message box\n");
            TerminateProcess(process.hProcess, 124);
            CloseHandle(process.hProcess);
            return 124;
        }
        quietMs = 0;
        std::wstring text;
        EnumChildWindows(search.box, FindText, reinterpret_cast<LPARAM>(&text));
        PrintLine(TextOf(search.box) + L"|" + text);
        PostMessageW(search.box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(search.box, IDOK)));
        // The box must be gone before the next one is looked for.
        DWORD waitedMs = 0;
        while (IsWindow(search.box) &&
               WaitForSingleObject(process.hProcess, kPollMs) == WAIT_TIMEOUT) {
            waitedMs += kPollMs;
            if (waitedMs >= kQuietLimitMs) {
                std::fprintf(stderr, "the message box did not close on OK\n");
                TerminateProcess(process.hProcess, 124);
                CloseHandle(process.hProcess);
                return 124;
            }
        }
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}
