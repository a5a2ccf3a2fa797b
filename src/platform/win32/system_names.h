// The native Windows program: the platform layer's names are the system's
// own. The console writes `win::HWND` and calls `CreateWindowExA` through
// `using namespace win;`; here both resolve to <windows.h>.
//
// What stays the program's own on Windows: the multimedia calls. Command
// strings go to our "cdaudio" device for disc images, cue sheets and folders
// (and to the system's for a physical drive), and the aux and wave volumes to
// our outputs. Their system declarations are kept out of the global namespace
// so that the console's unqualified calls find the routed ones in `win`.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#define mciSendStringA SystemMciSendStringA
#define auxGetNumDevs SystemAuxGetNumDevs
#define auxGetDevCapsA SystemAuxGetDevCapsA
#define auxGetVolume SystemAuxGetVolume
#define auxSetVolume SystemAuxSetVolume
#define waveOutSetVolume SystemWaveOutSetVolume
#include <windows.h>
#include <mmsystem.h>
#undef mciSendStringA
#undef auxGetNumDevs
#undef auxGetDevCapsA
#undef auxGetVolume
#undef auxSetVolume
#undef waveOutSetVolume

// The device reports notifications by these names inside `win`.
#undef MCI_NOTIFY_SUCCESSFUL
#undef MCI_NOTIFY_SUPERSEDED
#undef MCI_NOTIFY_ABORTED

#include <cderr.h>
#include <commdlg.h>
#include <shellapi.h>
#include <windowsx.h>

namespace win {

// Types and handles.
using ::ATOM;
using ::BITMAP;
using ::BOOL;
using ::BYTE;
using ::COLORREF;
using ::COPYDATASTRUCT;
using ::CREATESTRUCTA;
using ::DLGPROC;
using ::DWORD;
using ::HANDLE;
using ::HBITMAP;
using ::HBRUSH;
using ::HCURSOR;
using ::HDROP;
using ::HDC;
using ::HFONT;
using ::HGDIOBJ;
using ::HICON;
using ::HINSTANCE;
using ::HMENU;
using ::HPEN;
using ::HRESULT;
using ::HWAVEOUT;
using ::HWND;
using ::INT_PTR;
using ::LONG;
using ::LPARAM;
using ::LRESULT;
using ::MCIERROR;
using ::MMRESULT;
using ::MSG;
using ::OPENFILENAMEA;
using ::PAINTSTRUCT;
using ::POINT;
using ::RECT;
using ::TIMERPROC;
using ::UINT;
using ::UINT_PTR;
using ::ULONG_PTR;
using ::WIN32_FIND_DATAA;
using ::WNDCLASSA;
using ::WNDPROC;
using ::WORD;
using ::WPARAM;
using ::AUXCAPSA;

// Window management and the message loop.
using ::CreateWindowExA;
using ::DefWindowProcA;
using ::DestroyWindow;
using ::DispatchMessageA;
using ::GetClientRect;
using ::GetMessageA;
using ::GetModuleHandleA;
using ::GetWindowTextA;
using ::PeekMessageA;
using ::PostMessageA;
using ::PostQuitMessage;
using ::RegisterClassA;
using ::SendMessageA;
using ::SetWindowTextA;
using ::ShowWindow;
using ::TranslateMessage;
using ::UpdateWindow;

// Menus.
using ::CheckMenuItem;
using ::DestroyMenu;
using ::LoadMenuA;
using ::SetMenu;

// GDI.
using ::BeginPaint;
using ::BitBlt;
using ::CreateCompatibleDC;
using ::CreateFontA;
using ::CreatePen;
using ::CreateSolidBrush;
using ::DeleteDC;
using ::DeleteObject;
using ::EndPaint;
using ::ExtTextOutA;
using ::GetDC;
using ::GetObjectA;
using ::GetStockObject;
using ::InvalidateRect;
using ::LineTo;
using ::MoveToEx;
using ::Polyline;
using ::Rectangle;
using ::ReleaseDC;
using ::SelectObject;
using ::SetBkColor;
using ::SetBkMode;
using ::SetTextColor;
using ::TextOutA;

// Resources, cursor, timers, message boxes, dialogs.
using ::DialogBoxParamA;
using ::EndDialog;
using ::GetDlgItemInt;
using ::GetDlgItemTextA;
using ::GetTickCount;
using ::KillTimer;
using ::LoadBitmapA;
using ::LoadCursorA;
using ::LoadIconA;
using ::MessageBoxA;
using ::SetCursor;
using ::SetDlgItemInt;
using ::SetDlgItemTextA;
using ::SetTimer;

// Common dialogs and shell.
using ::CommDlgExtendedError;
using ::DragAcceptFiles;
using ::DragFinish;
using ::DragQueryFileA;
using ::DragQueryPoint;
using ::GetOpenFileNameA;
using ::GetSaveFileNameA;
using ::ShellExecuteA;

// Kernel.
using ::CloseHandle;
using ::CreateFileA;
using ::DeleteFileA;
using ::FindClose;
using ::FindFirstFileA;
using ::FindNextFileA;
using ::FlushFileBuffers;
using ::GetCurrentDirectoryA;
using ::GetFileAttributesA;
using ::GetFinalPathNameByHandleA;
using ::MoveFileExA;
using ::MultiByteToWideChar;
using ::ReplaceFileA;
using ::SetEndOfFile;
using ::VerLanguageNameA;
using ::WriteFile;

constexpr WPARAM MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr WPARAM MCI_NOTIFY_SUPERSEDED = 0x0002;
constexpr WPARAM MCI_NOTIFY_ABORTED = 0x0004;

// The outer window is 640 by 480 on every host; the frame takes what the
// system's metrics say from it.
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;

// Routed to the program's own devices (src/platform/win32/multimedia.cpp).
MCIERROR mciSendStringA(const char* command, char* returnString, UINT returnLength, HWND callback);
UINT auxGetNumDevs();
MMRESULT auxGetDevCapsA(UINT_PTR deviceId, AUXCAPSA* caps, UINT size);
MMRESULT auxGetVolume(UINT deviceId, DWORD* volume);
MMRESULT auxSetVolume(UINT deviceId, DWORD volume);
MMRESULT waveOutSetVolume(HWAVEOUT device, DWORD volume);

}  // namespace win
