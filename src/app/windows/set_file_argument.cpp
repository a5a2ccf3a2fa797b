#include "app/windows/set_file_argument.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "commands/hand_over.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

namespace winapp {

namespace {

std::string& PendingSetFile() {
    static std::string path;
    return path;
}

// The console's "A" calls take UTF-8 (the program asks for that code page).
std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

// The first argument that is not an option, as a full path.
std::string SetFileArgument() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments) return {};
    std::string path;
    for (int i = 1; i < count && path.empty(); ++i) {
        if (arguments[i][0] == L'-' || arguments[i][0] == L'/') continue;
        wchar_t full[32768];
        const DWORD length = GetFullPathNameW(arguments[i], 32768, full, nullptr);
        path = Utf8(length > 0 && length < 32768 ? full : arguments[i]);
    }
    LocalFree(arguments);
    return path;
}

void CALLBACK LoadPendingSetFile(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (g_hWnd) HandOverSetFile(g_hWnd, nullptr, PendingSetFile().c_str());
}

}  // namespace

// A second console would fight the first for the sound card and the drive.
bool HandOverOrLoadSetFileArgument() {
    PendingSetFile() = SetFileArgument();
    if (PendingSetFile().empty()) return false;
    if (HWND running = FindWindowA(kMainClassName, nullptr)) {
        // Explorer, starting this copy, may bring the running one forward.
        SetForegroundWindow(running);
        HandOverSetFile(running, nullptr, PendingSetFile().c_str());
        return true;
    }
    SetTimer(nullptr, 0, 0, LoadPendingSetFile);
    return false;
}

}  // namespace winapp
