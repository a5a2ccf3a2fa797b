#include "platform/qt/key_map.h"

#include <algorithm>
#include <string>
#include <iterator>

namespace qthost {

namespace {

struct KeyCode {
    int key;
    win::UINT vk;
};

// Keys whose code is the same on every layout, and the US punctuation keys.
constexpr KeyCode kKeys[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},         {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},       {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},    {Qt::Key_Alt, 0x12},         {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},      {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},        {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},        {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},     {Qt::Key_Delete, 0x2E},      {Qt::Key_Meta, 0x5B},
    {Qt::Key_Menu, 0x5D},       {Qt::Key_NumLock, 0x90},     {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Semicolon, 0xBA},  {Qt::Key_Equal, 0xBB},       {Qt::Key_Comma, 0xBC},
    {Qt::Key_Minus, 0xBD},      {Qt::Key_Period, 0xBE},      {Qt::Key_Slash, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},  {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    // The same keys with Shift held.
    {Qt::Key_Colon, 0xBA},      {Qt::Key_Plus, 0xBB},        {Qt::Key_Less, 0xBC},
    {Qt::Key_Underscore, 0xBD}, {Qt::Key_Greater, 0xBE},     {Qt::Key_Question, 0xBF},
    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BraceLeft, 0xDB},   {Qt::Key_Bar, 0xDC},
    {Qt::Key_BraceRight, 0xDD}, {Qt::Key_QuoteDbl, 0xDE},
};

// The keypad's own keys; its digits are VK_NUMPAD0..9.
constexpr KeyCode kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Comma, 0x6E}, {Qt::Key_Slash, 0x6F},
};

// X keycodes (evdev + 8) of the top row's ten keys, 1..9 then 0: they are
// the digits by position on every layout (AZERTY's unshifted & é " ' ( ...).
constexpr quint32 kDigitRowFirst = 10;
constexpr quint32 kDigitRowLast = 19;

// The letter keys' X keycodes in the US positions, for layouts whose letters
// are not Latin: Windows gives those keys the US letter's code.
constexpr struct {
    quint32 first;
    const char* letters;
} kLetterRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};

win::UINT DigitByPosition(quint32 scan) {
    if (scan < kDigitRowFirst || scan > kDigitRowLast) return 0;
    return scan == kDigitRowLast ? '0' : '1' + (scan - kDigitRowFirst);
}

win::UINT LetterByPosition(quint32 scan) {
    for (const auto& row : kLetterRows) {
        const std::size_t length = std::char_traits<char>::length(row.letters);
        if (scan >= row.first && scan < row.first + length) return static_cast<win::UINT>(row.letters[scan - row.first]);
    }
    return 0;
}

template <std::size_t N>
win::UINT Lookup(const KeyCode (&table)[N], int key) {
    const auto* hit = std::find_if(std::begin(table), std::end(table), [key](const KeyCode& k) { return k.key == key; });
    return hit == std::end(table) ? 0 : hit->vk;
}

}  // namespace

win::UINT VirtualKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    // On this platform's Qt (X11, Wayland, and the offscreen tests) the
    // native scan code is the X keycode.
    const quint32 scan = event.nativeScanCode();
    if (keypad && key >= Qt::Key_0 && key <= Qt::Key_9) return win::VK_NUMPAD0 + (key - Qt::Key_0);
    if (!keypad) {
        if (win::UINT digit = DigitByPosition(scan)) return digit;
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<win::UINT>(key);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<win::UINT>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    if (keypad) {
        if (win::UINT vk = Lookup(kKeypadKeys, key)) return vk;
    }
    if (win::UINT vk = Lookup(kKeys, key)) return vk;
    // A letter of another script on a letter key: the US letter there.
    const QString text = event.text();
    if (text.size() == 1 && text[0].isLetter()) return LetterByPosition(scan);
    return 0;
}

bool IsSystemKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Alt || (event.modifiers() & Qt::AltModifier);
}

win::LPARAM KeyLParam(bool wasDown, bool release, bool system) {
    win::DWORD lp = 1;
    if (system) lp |= 1u << 29;
    if (wasDown) lp |= 1u << 30;
    if (release) lp |= 1u << 31;
    return static_cast<win::LPARAM>(lp);
}

}  // namespace qthost
