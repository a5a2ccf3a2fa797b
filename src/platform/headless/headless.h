// The headless host: the platform layer for tests. It records every platform
// call, draws into the offscreen 640x480 surface, runs on a virtual tick
// clock, answers modal UI from a script, and can inject faults.
//
// Typical use:
//   headless::Session s;               // installs the host, fresh core state
//   StartConsole(s);                   // tests/support: class + main window
//   s.Click(86, 42);                   // press and release, then pump
//   s.Advance(100);                    // virtual time: due timers fire
//   EXPECT_EQ(s.Pixel(40, 100), 0x000000u);
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_state.h"
#include "platform/host.h"
#include "platform/win.h"

namespace headless {

using win::DWORD;
using win::HWND;
using win::UINT;

// One test's host. Constructing it installs a fresh headless host and resets
// the core (windows, timers, GDI counts, aux devices, sinks); destroying it
// uninstalls. Only one may exist at a time.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // --- Start-up ---------------------------------------------------------
    // (Starting the console itself is in tests/support: the platform does not
    // know the console.) When set, a GetMessageA that finds nothing to do
    // closes the main window (WM_CLOSE) instead of waiting, so that a test can
    // run WinMain to its end. When not set (or once the close was sent), such
    // a GetMessageA returns 0 as if the quit had come with code 0.
    void CloseWhenIdle(bool on);
    // Called with the milliseconds of every step of Advance, before the
    // timers of that step fire: lets a test drive virtual device outputs.
    void OnAdvance(std::function<void(DWORD ms)> listener);

    // --- Input (each posts the message(s) and then pumps until idle) -------
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);
    void MouseMove(int x, int y);
    void Click(int x, int y);  // down then up at the same point
    void RightDown(int x, int y);
    // repeat=true sends an auto-repeat key-down (bit 30 set).
    void KeyDown(UINT vk, bool repeat = false);
    void KeyUp(UINT vk);
    void Command(int id);  // a menu command (WM_COMMAND)
    void Close();          // the close box (WM_CLOSE)

    // --- Time and message loop -----------------------------------------------
    // The virtual tick count; it starts at 1000000 and moves only in Advance.
    DWORD Now() const;
    // Advances the virtual clock by ms in steps, delivering every timer tick
    // and paint that falls due on the way, in order.
    void Advance(DWORD ms);
    // Dispatches queued messages, pending paints and due timer ticks until
    // none is left or a quit is pending (which it leaves for QuitPosted);
    // no virtual time passes.
    void Pump();
    bool QuitPosted() const;
    int ExitCode() const;

    // --- The screen -------------------------------------------------------------
    // 0x00RRGGBB of the window surface pixel (x, y) in client coordinates.
    std::uint32_t Pixel(int x, int y) const;
    const win::Surface& Screen() const;
    // Through Qt's image writer: not in a Windows build, which has no Qt.
    bool SavePng(const std::string& path) const;
    std::string WindowTitle() const;
    bool MenuChecked(UINT id) const;

    // --- The call log -------------------------------------------------------------
    // Every call the program makes into namespace win, one line each, as
    // "Name(arg,arg,...)": numbers in decimal (COLORREF and DWORD values
    // unsigned), strings unquoted and cut to the length given, a null string
    // empty; window, DC and menu handles are left out, GDI objects appear as
    // pen, brush, font, bitmap, null or invalid. The host's own input and
    // pumping are not program calls and are not recorded. Formats:
    //   windows   GetModuleHandleA(name) RegisterClassA(class)
    //             CreateWindowExA(class,title,width,height) ShowWindow(cmd)
    //             UpdateWindow() DestroyWindow() DefWindowProcA(msg,wParam,lParam)
    //             SetWindowTextA(text) GetWindowTextA(size) GetClientRect()
    //   messages  GetMessageA() PeekMessageA(remove) TranslateMessage()
    //             DispatchMessageA(msg,wParam,lParam) PostMessageA(msg,wParam,lParam)
    //             SendMessageA(msg,wParam,lParam) PostQuitMessage(code)
    //   paint     InvalidateRect(l,t,r,b) or InvalidateRect(null) (rectangle as
    //             given, erase flag left out) BeginPaint() EndPaint() GetDC()
    //             ReleaseDC() CreateCompatibleDC() DeleteDC()
    //   objects   CreatePen(style,width,color) CreateSolidBrush(color)
    //             CreateFontA(h,w,esc,orient,weight,italic,underline,strike,
    //                         charset,outPrec,clipPrec,quality,pitch,face)
    //             GetStockObject(n) SelectObject(kind) DeleteObject(kind) GetObjectA(kind)
    //   drawing   Rectangle(l,t,r,b) MoveToEx(x,y) LineTo(x,y) Polyline(x0,y0,x1,y1,...)
    //             TextOutA(x,y,text) SetTextColor(c) SetBkColor(c) SetBkMode(m)
    //             BitBlt(x,y,width,height)
    //   resources LoadBitmapA(name) LoadIconA(name) LoadCursorA(name) LoadMenuA(name)
    //             SetCursor(IDC_WAIT|IDC_ARROW|null)
    //   menus     SetMenu(menu|null) CheckMenuItem(id,flags) DestroyMenu()
    //   timers    SetTimer(id,period) KillTimer(id) GetTickCount()
    //   modal     MessageBoxA(caption|text|type) DialogBoxParamA(template) EndDialog(result)
    //             SetDlgItemInt(id,value,signed) GetDlgItemInt(id,signed)
    //             SetDlgItemTextA(id,text) GetDlgItemTextA(id,size)
    //             GetOpenFileNameA(description|pattern) GetSaveFileNameA(description|pattern)
    //             CommDlgExtendedError() ShellExecuteA(file)
    //   kernel    GetCurrentDirectoryA(size) VerLanguageNameA(language,size)
    //             CreateFileA(path,access,disposition) WriteFile(size)
    //             FlushFileBuffers() CloseHandle() MoveFileExA(from,to,flags) DeleteFileA(path)
    //   sound     mciSendStringA(command) auxGetNumDevs() auxGetDevCapsA(id,size)
    //             auxGetVolume(id) auxSetVolume(id,volume) waveOutSetVolume(device,volume)
    // e.g. "SetTimer(1,100)", "InvalidateRect(32,90,409,240)",
    // "MessageBoxA(Tornel Error|Timer not exists.|16)", "auxSetVolume(0,3431779104)".
    const std::vector<std::string>& Calls() const;
    void ClearCalls();
    // Only the calls whose text starts with `prefix`.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

    // --- Scripted modal answers (consumed in order) ---
    // Unscripted: a message box answers IDOK for MB_OK and IDCANCEL otherwise;
    // a file dialog is cancelled; a dialog gets Cancel (see AnswerDialog).
    void AnswerMessageBox(int buttonId);
    // Next file dialog returns this full path; an empty string cancels.
    void AnswerFileDialog(const std::string& path);
    // Next modal dialog runs this script. The script reads and sets item
    // texts and presses buttons (dialog.Command(id)); if it returns without
    // the dialog having ended, the host presses Cancel (IDCANCEL) once more
    // and then ends it.
    void AnswerDialog(std::function<void(win::DialogState&)> script);
    // The message boxes shown so far: "caption|text|type".
    const std::vector<std::string>& MessageBoxes() const;
    // Documents handed to the shell.
    const std::vector<std::string>& OpenedDocuments() const;
    // What each file dialog offered: filters, initial file and folder.
    const std::vector<win::FileChoice>& FileDialogs() const;

    // --- Fault injection ----------------------------------------------------------
    void RefuseTimers(bool refuse);
    // Whether window timer `id` of `hwnd` runs (a refused one does not).
    bool TimerRunning(HWND hwnd, UINT id) const;
    // Every file write after `bytes` more bytes fails as on a full disk
    // (negative: no limit).
    void LimitDiskSpace(long bytes);
    // The language name VerLanguageNameA gives, for any language (default:
    // the English "Japanese", whatever the environment says).
    void SetLanguageName(const std::string& bytes);
};

// Live GDI objects and device contexts, for leak checks: after a paint and
// after each primitive the counts are back where they were.
struct GdiCounts {
    int pens, brushes, fonts, bitmaps, memoryDCs, windowDCs;
    bool operator==(const GdiCounts&) const = default;
};
GdiCounts LiveGdiObjects();

}  // namespace headless
