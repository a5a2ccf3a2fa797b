// Text from the old Windows console: its set files were written in the
// system's code page, which for its users was Shift-JIS or Windows-1252.
#pragma once

#include <string>

// The next character of UTF-8 text, advancing `at`. A byte that begins no
// well-formed character (overlong, surrogate, beyond U+10FFFF, cut short)
// reads as 0xDC00 + that byte, so that text stays comparable.
char32_t NextCodePoint(const char*& at);
bool IsUtf8(const char* text);
void AppendUtf8(std::string& text, char32_t c);
// `text` as UTF-8: read as Shift-JIS where every byte decodes so, else as
// Windows-1252.
std::string FromOldCodePage(const char* text);
