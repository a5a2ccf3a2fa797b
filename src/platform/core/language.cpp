// The current directory and language names. The user-interface language is
// the system's; the headless host may override it.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/core/call_log.h"
#include "platform/core/core_control.h"
#include "platform/core/system.h"

namespace win {
namespace core {
namespace {

bool g_languageOverridden = false;
std::string g_languageOverride;

std::string LanguageName(DWORD language) {
    if (g_languageOverridden) return g_languageOverride;
    switch (language) {
    case 0x411: return system::JapaneseInterface() ? "\x93\xFA\x96\x7B\x8C\xEA" : "Japanese";
    case 0x409: return "English (United States)";
    default: return "Language Neutral";
    }
}

}  // namespace

void SetLanguageOverride(const std::string* name) {
    g_languageOverridden = name != nullptr;
    g_languageOverride = name ? *name : std::string();
}

}  // namespace core

DWORD GetCurrentDirectoryA(DWORD size, char* buffer) {
    core::LogCall("GetCurrentDirectoryA", size);
    const std::string cwd = core::system::CurrentDirectory();
    if (cwd.empty()) return 0;
    const std::size_t length = cwd.size();
    if (!buffer || length >= size) return static_cast<DWORD>(length + 1);  // the size needed, terminator included
    std::memcpy(buffer, cwd.c_str(), length + 1);
    return static_cast<DWORD>(length);
}

DWORD VerLanguageNameA(DWORD language, char* buffer, DWORD size) {
    core::LogCall("VerLanguageNameA", language, size);
    if (!buffer || size == 0) return 0;
    const std::string name = core::LanguageName(language);
    const std::size_t n = std::min<std::size_t>(name.size(), size - 1);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

}  // namespace win
