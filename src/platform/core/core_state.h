// The core's own state: windows, the message queue, timers and the host.
// Internal to src/platform; hosts reach it through host.h and core_control.h.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog_state.h"
#include "platform/host.h"
#include "platform/menu_state.h"
#include "platform/win.h"

namespace win {

struct Window {
    std::string className;
    std::string title;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    bool alive = true;
    bool destroying = false;           // WM_DESTROY under way: a second destroy is a no-op
    HMENU menu = nullptr;
    HICON icon = nullptr;
    DialogState* dialog = nullptr;     // set for a modal dialog's own handle
    std::unique_ptr<Surface> surface;  // top-level windows only
    std::vector<RECT> update;          // update region, in bands (core/region.h)
    bool eraseRequested = false;       // recorded, never acted upon
    bool acceptsDrops = false;         // DragAcceptFiles
};

struct Icon {
    const res::Blob* blob;  // the icon's BMP file
};
struct Cursor {
    bool busy;  // the wait cursor
};
struct Instance {};

namespace core {

struct WindowClass {
    std::string name;
    WNDCLASSA wc;
};

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT period;  // ms
    DWORD due;    // tick of the next tick
    TIMERPROC proc;
};

struct CoreState {
    std::vector<WindowClass> classes;
    std::vector<std::unique_ptr<Window>> windows;
    HWND mainWindow = nullptr;
    std::deque<MSG> posted;
    bool quitPosted = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    UINT_PTR nextTimerId = 1;  // ids for timers without a window
    std::vector<std::unique_ptr<Menu>> menus;
    DWORD commDlgError = 0;
};

CoreState& State();
// The installed host, or a null host that cancels every modal question.
Host& CurrentHostOrNull();
// Null when hwnd is not a live window.
Window* FindWindow(HWND hwnd);

// Message plumbing shared by the loop, the headless pump and nested loops.
// Fetches the next message in the order posted, quit, paint, timer. With
// `stopAtQuit` a pending quit is left pending and false returned.
bool NextMessage(MSG* msg, bool remove, bool stopAtQuit);
LRESULT Dispatch(const MSG& msg);
LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DestroyWindowNow(HWND hwnd);

// Timers.
bool TakeDueTimer(MSG* msg, bool remove);
void DropTimersOf(HWND hwnd);

// Update region.
void AddToUpdate(Window& w, const RECT& r);
bool HasUpdate(const Window& w);
RECT ClientRect();

// Devices, sinks and aux volumes back to their start (multimedia.cpp).
void ResetMultimedia();
// Posts the cdaudio device's notifications that came due (MM_MCINOTIFY).
void PostCdNotices();
// Whether one may come due with no command sent: the loop then looks often.
bool CdAwaitsNotice();

}  // namespace core
}  // namespace win
