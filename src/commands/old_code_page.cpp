// Decoding the old system's code pages into UTF-8.
#include "commands/old_code_page.h"

#include <cstring>
#include <vector>

#include "platform/win.h"

using namespace win;

namespace {

constexpr char32_t kUndecodable = 0xDC00;
constexpr UINT kShiftJis = 932;

// Windows-1252 where it is not Latin-1. The five bytes it leaves unassigned
// keep their C1 code points, as Windows reads them, so every byte decodes.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Shift-JIS gives only characters of the first plane: on Windows each
// wide character is one of them, surrogates never among them.
bool AppendShiftJis(std::string& text, const char* bytes) {
    const int length = static_cast<int>(std::strlen(bytes));
    const int count = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, length, nullptr, 0);
    if (count <= 0) return false;
    std::vector<wchar_t> wide(static_cast<std::size_t>(count));
    if (MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes, length, wide.data(), count) != count) return false;
    for (const wchar_t c : wide) AppendUtf8(text, static_cast<char32_t>(c));
    return true;
}

}  // namespace

char32_t NextCodePoint(const char*& at) {
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    const int extra = b[0] < 0x80 ? 0 : b[0] >= 0xC2 && b[0] < 0xE0 ? 1 : b[0] >= 0xE0 && b[0] < 0xF0 ? 2
                                     : b[0] >= 0xF0 && b[0] < 0xF5 ? 3 : -1;
    char32_t c = extra <= 0 ? b[0] : b[0] & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if (!IsContinuation(b[i])) {
            c = 0;
            break;
        }
        c = (c << 6) | (b[i] & 0x3F);
    }
    const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
    if (extra < 0 || (c == 0 && extra > 0) || overlong || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
        ++at;
        return kUndecodable + b[0];
    }
    at += 1 + extra;
    return c;
}

bool IsUtf8(const char* text) {
    // A well-formed character is never a surrogate.
    while (*text != '\0') {
        const char32_t c = NextCodePoint(text);
        if (c >= kUndecodable + 0x80 && c < kUndecodable + 0x100) return false;
    }
    return true;
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string FromOldCodePage(const char* text) {
    std::string decoded;
    if (AppendShiftJis(decoded, text)) return decoded;
    decoded.clear();
    for (const char* at = text; *at != '\0'; ++at) {
        const unsigned char b = static_cast<unsigned char>(*at);
        AppendUtf8(decoded, b >= 0x80 && b < 0xA0 ? kWindows1252[b - 0x80] : b);
    }
    return decoded;
}
