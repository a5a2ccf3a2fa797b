// Shift-JIS over the C library's iconv (code_pages_win32.cpp: over Windows).
#include <iconv.h>

#include <cstring>
#include <vector>

#include "platform/win.h"

namespace win {

int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, wchar_t* wide, int wideSize) {
    if (codePage != 932 || !(flags & MB_ERR_INVALID_CHARS) || !text || wideSize < 0) return 0;
    const std::size_t size = length < 0 ? std::strlen(text) + 1 : static_cast<std::size_t>(length);
    if (size == 0) return 0;
    const iconv_t convert = iconv_open("WCHAR_T", "CP932");
    if (convert == reinterpret_cast<iconv_t>(-1)) return 0;
    // No character takes less than a byte.
    std::vector<wchar_t> out(size);
    char* in = const_cast<char*>(text);
    std::size_t inLeft = size;
    char* at = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * sizeof(wchar_t);
    const bool whole = iconv(convert, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(convert);
    if (!whole) return 0;
    const int count = static_cast<int>(out.size() - outLeft / sizeof(wchar_t));
    if (wideSize == 0) return count;
    if (!wide || wideSize < count) return 0;
    std::memcpy(wide, out.data(), static_cast<std::size_t>(count) * sizeof(wchar_t));
    return count;
}

}  // namespace win
