// Shift-JIS over the system's own conversion (code_pages.cpp: over iconv).
#include "platform/win.h"

#include "platform/core/utf16_win32.h"

namespace win {

int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, wchar_t* wide, int wideSize) {
    if (codePage != 932) return 0;
    return ::MultiByteToWideChar(codePage, flags, text, length, wide, wideSize);
}

}  // namespace win
