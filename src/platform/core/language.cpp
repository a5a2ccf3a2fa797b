// The current directory and language names. The user-interface language
// follows the C library's variables; the headless host may override it.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/core/call_log.h"
#include "platform/core/core_control.h"

namespace win {
namespace core {
namespace {

bool g_languageOverridden = false;
std::string g_languageOverride;

// The user-interface language as the C library would choose it.
bool JapaneseInterface() {
    for (const char* var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) return std::strncmp(value, "ja", 2) == 0;
    }
    return false;
}

std::string LanguageName(DWORD language) {
    if (g_languageOverridden) return g_languageOverride;
    switch (language) {
    case 0x411: return JapaneseInterface() ? "\x93\xFA\x96\x7B\x8C\xEA" : "Japanese";
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
    char* cwd = getcwd(nullptr, 0);
    if (!cwd) return 0;
    const std::size_t length = std::strlen(cwd);
    DWORD result = static_cast<DWORD>(length + 1);  // too small: the size needed, terminator included
    if (buffer && length < size) {
        std::memcpy(buffer, cwd, length + 1);
        result = static_cast<DWORD>(length);
    }
    std::free(cwd);
    return result;
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
