#include "platform/core/system.h"

#include "platform/core/utf16_win32.h"

namespace win::core::system {
namespace {

// The program carries Linux's faces in its "fonts" folder so that the panel
// looks the same everywhere; without them the system's Arial and MS Gothic
// stand in.
std::string FindFontFile(const char* carried, const char* system) {
    const std::string own = ProgramFolder() + "\\fonts\\" + carried;
    if (Exists(own)) return own;
    std::wstring windows(MAX_PATH, L'\0');
    const UINT n = GetWindowsDirectoryW(windows.data(), MAX_PATH);
    windows.resize(n < MAX_PATH ? n : 0);
    return native::Utf8(windows) + "\\Fonts\\" + system;
}

}  // namespace

bool JapaneseInterface() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE; }

std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return "";
    std::wstring path(size, L'\0');
    const DWORD n = GetCurrentDirectoryW(size, path.data());
    if (n == 0 || n >= size) return "";
    path.resize(n);
    return native::Utf8(path);
}

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return ".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? "." : native::Utf8(path.substr(0, slash));
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(native::Utf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

const char* FontFile(Face face) {
    static const std::string regular = FindFontFile("LiberationSans-Regular.ttf", "arial.ttf");
    static const std::string bold = FindFontFile("LiberationSans-Bold.ttf", "arialbd.ttf");
    static const std::string wide = FindFontFile("ipag.ttf", "msgothic.ttc");
    switch (face) {
    case Face::Regular: return regular.c_str();
    case Face::Bold: return bold.c_str();
    case Face::Wide: break;
    }
    return wide.c_str();
}

}  // namespace win::core::system
