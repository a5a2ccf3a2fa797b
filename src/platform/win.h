// The platform layer: the subset of the Windows interfaces that the console
// uses, by their own names and meaning, in a namespace of their own. Console
// code writes `using namespace win;` and reads like code for the real system;
// the native Windows program binds these names to the real ones
// (platform/win32/system_names.h).
//
// Two hosts stand behind it: the Qt host (the real program) and the headless
// host (tests). Everything here runs on the one GUI thread.
//
// [SECTION] Basic types and handles
// [SECTION] Messages and window management
// [SECTION] Menus
// [SECTION] GDI
// [SECTION] Resources
// [SECTION] Timers, tick count, message boxes
// [SECTION] Dialogs
// [SECTION] Common dialogs and shell
// [SECTION] Kernel: directory, language, files
// [SECTION] Multimedia: command strings, aux devices, wave volume
#pragma once

#if defined(TORNEL_NATIVE_WIN32)
#include "platform/win32/system_names.h"
#else

#include <cstddef>
#include <cstdint>

namespace win {

// ---------------------------------------------------------------------------
// [SECTION] Basic types and handles
// ---------------------------------------------------------------------------
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using COLORREF = DWORD;  // 0x00BBGGRR
using ATOM = WORD;
using MMRESULT = UINT;
using MCIERROR = DWORD;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using HRESULT = LONG;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Opaque handles. GDI objects share a base so that SelectObject and
// DeleteObject take any of them, as on the real system; what they hold is
// the platform core's own. Only the platform creates them.
struct GdiObject {
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;

protected:
    GdiObject() = default;
};
struct Pen : GdiObject {
protected:
    Pen() = default;
};
struct Brush : GdiObject {
protected:
    Brush() = default;
};
struct Font : GdiObject {
protected:
    Font() = default;
};
struct Bitmap : GdiObject {
protected:
    Bitmap() = default;
};
struct DeviceContext;
struct Window;
struct Menu;
struct Icon;
struct Cursor;
struct Instance;
struct File;

using HGDIOBJ = GdiObject*;
using HPEN = Pen*;
using HBRUSH = Brush*;
using HFONT = Font*;
using HBITMAP = Bitmap*;
using HDC = DeviceContext*;
using HWND = Window*;
using HMENU = Menu*;
using HICON = Icon*;
using HCURSOR = Cursor*;
using HINSTANCE = Instance*;
using HANDLE = File*;

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<DWORD>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return static_cast<WPARAM>(static_cast<DWORD>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lp))); }
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

struct POINT {
    LONG x, y;
};
struct RECT {
    LONG left, top, right, bottom;
};

// ---------------------------------------------------------------------------
// [SECTION] Messages and window management
// ---------------------------------------------------------------------------
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_COPYDATA = 0x004A;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;

// The desktop's media keys and controls: the command in lParam's high word,
// below the device bits.
constexpr UINT WM_APPCOMMAND = 0x0319;
constexpr int APPCOMMAND_MEDIA_NEXTTRACK = 11;
constexpr int APPCOMMAND_MEDIA_PREVIOUSTRACK = 12;
constexpr int APPCOMMAND_MEDIA_STOP = 13;
constexpr int APPCOMMAND_MEDIA_PLAY_PAUSE = 14;
constexpr int APPCOMMAND_MEDIA_PLAY = 46;
constexpr int APPCOMMAND_MEDIA_PAUSE = 47;
constexpr int GET_APPCOMMAND_LPARAM(LPARAM lp) { return HIWORD(static_cast<std::uintptr_t>(lp)) & 0x0FFF; }

// Key-down lParam: bit 30 = the key was already down (auto-repeat).
constexpr LPARAM KF_REPEAT_LPARAM_BIT = 1 << 30;
constexpr UINT KF_REPEAT = 0x4000;  // the same bit in the high word

constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_NUMPAD0 = 0x60;  // 0x60..0x69: keypad digits

constexpr UINT CS_BYTEALIGNWINDOW = 0x2000;
constexpr UINT CS_DBLCLKS = 0x0008;

constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;
constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNORMAL = 1;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
};

struct CREATESTRUCTA {
    void* lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy, cx, y, x;
    LONG style;
    const char* lpszName;
    const char* lpszClass;
    DWORD dwExStyle;
};

// WM_COPYDATA's lParam: bytes handed to a window, valid while it handles them.
struct COPYDATASTRUCT {
    ULONG_PTR dwData;
    DWORD cbData;
    void* lpData;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

// The outer window is 640 by 480 like the original's; the client area is what
// a Windows 95 frame (3-pixel borders, 18-pixel caption, 19-pixel menu bar)
// leaves of it. The panel draws within (0, 0, 620, 410).
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kClientWidth = 634;
constexpr int kClientHeight = 437;

HINSTANCE GetModuleHandleA(const char* name);
ATOM RegisterClassA(const WNDCLASSA* wc);
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param);
BOOL ShowWindow(HWND hwnd, int cmdShow);
BOOL UpdateWindow(HWND hwnd);
BOOL DestroyWindow(HWND hwnd);
BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove);
constexpr UINT PM_REMOVE = 1;
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL SetWindowTextA(HWND hwnd, const char* text);
int GetWindowTextA(HWND hwnd, char* buffer, int size);
BOOL GetClientRect(HWND hwnd, RECT* rect);

// ---------------------------------------------------------------------------
// [SECTION] Menus
// ---------------------------------------------------------------------------
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr DWORD MF_ERROR = 0xFFFFFFFF;

HMENU LoadMenuA(HINSTANCE instance, const char* name);
BOOL SetMenu(HWND hwnd, HMENU menu);
DWORD CheckMenuItem(HMENU menu, UINT id, UINT check);
BOOL DestroyMenu(HMENU menu);

// ---------------------------------------------------------------------------
// [SECTION] GDI
// ---------------------------------------------------------------------------
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

constexpr int PS_SOLID = 0;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int BLACK_BRUSH = 4;
constexpr int FW_BOLD = 700;
constexpr DWORD SHIFTJIS_CHARSET = 128;
constexpr DWORD DEFAULT_CHARSET = 1;
constexpr DWORD FIXED_PITCH = 1;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* faceName);
HGDIOBJ GetStockObject(int which);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj);
BOOL DeleteObject(HGDIOBJ obj);
int GetObjectA(HGDIOBJ obj, int size, void* out);

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length);
// ETO_CLIPPED: nothing is drawn outside rect.
constexpr UINT ETO_CLIPPED = 0x4;
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                 const int* spacing);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF SetBkColor(HDC hdc, COLORREF color);
int SetBkMode(HDC hdc, int mode);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);

// ---------------------------------------------------------------------------
// [SECTION] Resources
// ---------------------------------------------------------------------------
HBITMAP LoadBitmapA(HINSTANCE instance, const char* name);
HICON LoadIconA(HINSTANCE instance, const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
extern const char* const IDC_ARROW;
extern const char* const IDC_WAIT;
// Shows `cursor` over the window (null: none of the program's own) until
// the next call, even while the GUI thread is busy; returns the cursor it
// replaces.
HCURSOR SetCursor(HCURSOR cursor);

// ---------------------------------------------------------------------------
// [SECTION] Timers, tick count, message boxes
// ---------------------------------------------------------------------------
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT periodMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

// ---------------------------------------------------------------------------
// [SECTION] Dialogs
// ---------------------------------------------------------------------------
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
INT_PTR DialogBoxParamA(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL SetDlgItemTextA(HWND dialog, int id, const char* text);
UINT GetDlgItemTextA(HWND dialog, int id, char* buffer, int size);

// ---------------------------------------------------------------------------
// [SECTION] Common dialogs and shell
// ---------------------------------------------------------------------------
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    const char* lpstrFilter;  // pairs of NUL-terminated strings, ended by an empty one
    char* lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    char* lpstrFile;  // in: initial name; out: full path
    DWORD nMaxFile;
    char* lpstrFileTitle;  // out: name without folder (may be null)
    DWORD nMaxFileTitle;
    const char* lpstrInitialDir;
    const char* lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    const char* lpstrDefExt;
};
// Both fail (FALSE) when the user cancels, and also when the chosen path or
// title does not fit its buffer: then CommDlgExtendedError() gives
// FNERR_BUFFERTOOSMALL and the buffers are left as they were.
BOOL GetOpenFileNameA(OPENFILENAMEA* ofn);
BOOL GetSaveFileNameA(OPENFILENAMEA* ofn);
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;
DWORD CommDlgExtendedError();

HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCmd);

// Files dropped on a window that accepts them: WM_DROPFILES with the drop in
// wParam, which the window finishes. DragQueryFileA with index 0xFFFFFFFF
// gives the count; with no buffer, a name's length without terminator.
constexpr UINT WM_DROPFILES = 0x0233;
struct DropFiles;
using HDROP = DropFiles*;
void DragAcceptFiles(HWND hwnd, BOOL accept);
UINT DragQueryFileA(HDROP drop, UINT index, char* file, UINT size);
// The point in client coordinates; TRUE when it lies in the client area.
BOOL DragQueryPoint(HDROP drop, POINT* point);
void DragFinish(HDROP drop);

// ---------------------------------------------------------------------------
// [SECTION] Kernel: directory, language, files
// ---------------------------------------------------------------------------
DWORD GetCurrentDirectoryA(DWORD size, char* buffer);
DWORD VerLanguageNameA(DWORD language, char* buffer, DWORD size);

// Files are written through the platform so that the headless host can make
// a write fail (full disk) and tests can prove that the old file survives.
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD MOVEFILE_REPLACE_EXISTING = 0x1;
constexpr DWORD MOVEFILE_WRITE_THROUGH = 0x8;
extern const HANDLE INVALID_HANDLE_VALUE;
HANDLE CreateFileA(const char* path, DWORD access, DWORD share, void* security, DWORD disposition, DWORD flags,
                   HANDLE templateFile);
BOOL WriteFile(HANDLE file, const void* data, DWORD size, DWORD* written, void* overlapped);
BOOL FlushFileBuffers(HANDLE file);
BOOL CloseHandle(HANDLE file);
BOOL MoveFileExA(const char* from, const char* to, DWORD flags);
BOOL DeleteFileA(const char* path);
BOOL SetEndOfFile(HANDLE file);
// The path of the file itself, symbolic links followed; its length, or the
// size needed (terminator included) when it does not fit; 0 on failure.
DWORD GetFinalPathNameByHandleA(HANDLE file, char* buffer, DWORD size, DWORD flags);
// Puts `replacement` in the place of the existing `replaced`, which lends it
// its mode (and owner and group where the user may set them).
constexpr DWORD REPLACEFILE_WRITE_THROUGH = 0x1;
BOOL ReplaceFileA(const char* replaced, const char* replacement, const char* backup, DWORD flags, void*, void*);

// Attributes of the file or folder that path names, links followed;
// INVALID_FILE_ATTRIBUTES when there is none (or a link leads nowhere).
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
DWORD GetFileAttributesA(const char* path);
// The names in a folder, "." and ".." among them, in no set order. The
// pattern is the folder, a separator and "*"; FindFirstFileA gives
// INVALID_HANDLE_VALUE for a folder that cannot be listed.
struct WIN32_FIND_DATAA {
    char cFileName[1024];  // UTF-8: room for any name the system holds
};
HANDLE FindFirstFileA(const char* pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data);
BOOL FindClose(HANDLE find);

// Text in Shift-JIS (code page 932) to wide characters: UTF-32 on Linux,
// UTF-16 on Windows. Returns the characters written, or with wideSize 0 the
// number needed; 0 when some byte is no character of the code page (on
// Linux always so: it offers the call with MB_ERR_INVALID_CHARS only).
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* text, int length, wchar_t* wide, int wideSize);

// ---------------------------------------------------------------------------
// [SECTION] Multimedia: command strings, aux devices, wave volume
// ---------------------------------------------------------------------------
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MCIERROR MCIERR_UNRECOGNIZED_KEYWORD = 259;
constexpr MCIERROR MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr MCIERROR MCIERR_HARDWARE = 262;
constexpr MCIERROR MCIERR_INVALID_DEVICE_NAME = 263;
constexpr MCIERROR MCIERR_DEVICE_OPEN = 265;
constexpr MCIERROR MCIERR_MISSING_COMMAND_STRING = 267;
constexpr MCIERROR MCIERR_PARAM_OVERFLOW = 268;
constexpr MCIERROR MCIERR_MISSING_STRING_ARGUMENT = 269;
constexpr MCIERROR MCIERR_BAD_INTEGER = 270;
constexpr MCIERROR MCIERR_MISSING_PARAMETER = 273;
constexpr MCIERROR MCIERR_UNSUPPORTED_FUNCTION = 274;
constexpr MCIERROR MCIERR_FILE_NOT_FOUND = 275;
constexpr MCIERROR MCIERR_CANNOT_USE_ALL = 279;
constexpr MCIERROR MCIERR_OUTOFRANGE = 282;
constexpr MCIERROR MCIERR_FLAGS_NOT_COMPATIBLE = 284;
constexpr MCIERROR MCIERR_DUPLICATE_ALIAS = 289;
constexpr MCIERROR MCIERR_BAD_CONSTANT = 290;
constexpr MCIERROR MCIERR_MUST_USE_SHAREABLE = 291;
constexpr MCIERROR MCIERR_MISSING_DEVICE_NAME = 292;
constexpr MCIERROR MCIERR_DUPLICATE_FLAGS = 295;
constexpr MCIERROR MCIERR_NO_IDENTITY = 337;

// "notify": the callback window receives MM_MCINOTIFY with one of these in
// wParam and the device id in lParam.
constexpr UINT MM_MCINOTIFY = 0x3B9;
constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;
constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;

MCIERROR mciSendStringA(const char* command, char* returnString, UINT returnLength, HWND callback);

constexpr WORD AUXCAPS_CDAUDIO = 1;  // wTechnology
constexpr DWORD AUXCAPS_VOLUME = 1;  // dwSupport bit 0

#pragma pack(push, 1)
struct AUXCAPSA {
    WORD wMid;
    WORD wPid;
    DWORD vDriverVersion;
    char szPname[32];
    WORD wTechnology;
    WORD wReserved1;
    DWORD dwSupport;
};
#pragma pack(pop)
static_assert(sizeof(AUXCAPSA) == 48);

UINT auxGetNumDevs();
MMRESULT auxGetDevCapsA(UINT_PTR deviceId, AUXCAPSA* caps, UINT size);
MMRESULT auxGetVolume(UINT deviceId, DWORD* volume);
MMRESULT auxSetVolume(UINT deviceId, DWORD volume);
using HWAVEOUT = void*;
MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume);

}  // namespace win

#endif  // TORNEL_NATIVE_WIN32
