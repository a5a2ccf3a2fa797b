// What a host must provide beneath the platform layer. The core (message
// queue, timers, update region, software GDI, menus' state, dialog items) is
// the same for every host; a host supplies the clock, the wait for input, the
// presentation of the window's pixels and the modal user interface.
//
// Two hosts exist: the Qt host (src/platform/qt) for the real program and the
// headless host (src/platform/headless) for tests. Exactly one is installed
// at a time, before the first window is created.
#pragma once

#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "platform/win.h"
#include "resources/resources.h"

namespace win {


// The window's pixels: 640x480, 0x00RRGGBB per pixel (QImage::Format_RGB32).
// The paint and the immediate primitives both draw here.
// Its memory comes zeroed from the system and costs nothing until drawn on,
// so a black window needs no fill before its first paint.
struct Surface {
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    std::uint32_t pixels[kWidth * kHeight];

    static void* operator new(std::size_t size) {
        if (void* zeroed = std::calloc(1, size)) return zeroed;
        throw std::bad_alloc();
    }
    static void operator delete(void* surface) { std::free(surface); }
};

// The modal dialog as the core sees it: the template's controls with their
// current texts. A host shows it (Qt) or runs a script against it (headless),
// and reports button presses by calling Command().
struct DialogState;

// What a file dialog offers: its filters in order, each a description and
// patterns such as "*.wav;*.flac" matched without regard to case, and where
// it opens (a file to select, else a folder, else the host's own choice).
struct FileFilter {
    std::string description, patterns;
    bool operator==(const FileFilter&) const = default;
};
struct FileChoice {
    bool save = false;
    std::vector<FileFilter> filters;
    std::string initialFile;
    std::string initialDir;
};

class Host {
public:
    virtual ~Host() = default;

    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual DWORD TickCount() = 0;

    // Waits until input may have arrived (the host posts it with
    // PostHostMessage) or the tick count reaches `deadline`. A host without
    // more input to give (a headless script that ran out) returns false;
    // GetMessageA then ends the loop as if quit with code 0. With no timer
    // running the deadline lies about 24 days ahead.
    virtual bool WaitForInput(DWORD deadline) = 0;
    // Called from any thread after it has posted a message: a WaitForInput
    // in progress (or the next one) returns soon. It must not block.
    virtual void Wake() {}

    // Window lifecycle and presentation: notices that a host without a
    // screen may ignore.
    virtual void WindowCreated(HWND /*hwnd*/, const char* /*title*/) {}
    virtual void WindowShown(HWND /*hwnd*/) {}
    virtual void WindowTitleChanged(HWND /*hwnd*/, const char* /*title*/) {}
    virtual void WindowDestroyed(HWND /*hwnd*/) {}
    virtual void MenuAttached(HWND /*hwnd*/, HMENU /*menu*/) {}  // menu may be null
    virtual void MenuCheckChanged(HMENU /*menu*/, UINT /*id*/, bool /*checked*/) {}
    // Pixels inside `dirty` changed on the surface and should reach the screen.
    virtual void Present(const RECT& /*dirty*/) {}
    // The window takes dropped files from now on (or no longer).
    virtual void DropsAccepted(HWND /*hwnd*/, bool /*accept*/) {}
    // The wait cursor goes up (busy) or comes down; it must show at once,
    // since the GUI thread goes on working without pumping messages.
    virtual void BusyCursor(bool /*busy*/) {}

    // Modal user interface. Each runs a nested message loop (or a script)
    // and returns when the user has answered.
    virtual int MessageBox(HWND owner, const char* text, const char* caption, UINT type) = 0;
    // Returns false on cancel. On success fills `path` (full path).
    virtual bool ChooseFile(HWND owner, const FileChoice& choice, std::string& path) = 0;
    // Runs the dialog until EndDialog; the core's dialog procedure dispatch
    // is reached through DialogState.
    virtual void RunDialog(DialogState& dialog) = 0;
    virtual bool OpenDocument(const char* path) = 0;
};

// Installs the host (not owned). Pass nullptr to uninstall.
void InstallHost(Host* host);
Host* CurrentHost();

// Host-side entry points into the core.
// Queues an input message for the window (pointer, key, close, command).
void PostHostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// A drop of `paths` at `at` (client coordinates) for WM_DROPFILES; the
// window that takes it finishes it (DragFinish).
HDROP CreateHostDrop(std::vector<std::string> paths, POINT at);
// Whether the window has asked for dropped files (DragAcceptFiles).
bool AcceptsDrops(HWND hwnd);
// The window's pixels (read by the host to present them).
const Surface& WindowSurface(HWND hwnd);
// The one main window, or null.
HWND MainWindow();
// The icon of the window's class (a BMP file), or null.
const res::Blob* WindowIcon(HWND hwnd);
// Runs a nested message loop (as modal UI does) until done() is true:
// timer ticks and paints of the main window keep being dispatched.
void RunNestedLoop(const std::function<bool()>& done);

}  // namespace win
