// Window classes and windows: creation, showing, titles, destruction and the
// default window procedure.
#include <cstring>
#include <strings.h>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/core/gdi_objects.h"

namespace win {

namespace {

const core::WindowClass* FindClass(const char* name) {
    if (!name) return nullptr;
    for (const auto& c : core::State().classes)
        if (strcasecmp(c.name.c_str(), name) == 0) return &c;
    return nullptr;
}

// The ground a new window shows before its first paint: its class brush.
std::uint32_t BackgroundOf(const WNDCLASSA& wc) {
    if (!core::InfoOf(wc.hbrBackground)) return 0xFFFFFF;
    return core::ToSurfaceColor(core::DataOf(wc.hbrBackground).color);
}

}  // namespace

HINSTANCE GetModuleHandleA(const char* name) {
    core::LogCall("GetModuleHandleA", name);
    static Instance instance;
    return name ? nullptr : &instance;
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
    core::LogCall("RegisterClassA", wc ? wc->lpszClassName : nullptr);
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || FindClass(wc->lpszClassName)) return 0;
    auto& classes = core::State().classes;
    classes.push_back({wc->lpszClassName, *wc});
    classes.back().wc.lpszClassName = classes.back().name.c_str();
    return static_cast<ATOM>(0xC000 + classes.size());
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
    core::LogCall("CreateWindowExA", className, windowName, width, height);
    const core::WindowClass* cls = FindClass(className);
    if (!cls) return nullptr;
    auto& state = core::State();
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->className = cls->name;
    w->title = windowName ? windowName : "";
    w->proc = cls->wc.lpfnWndProc;
    w->style = style;
    w->icon = cls->wc.hIcon;
    w->surface.reset(new Surface);
    if (const std::uint32_t background = BackgroundOf(cls->wc); background != 0)
        std::fill(std::begin(w->surface->pixels), std::end(w->surface->pixels), background);
    state.windows.push_back(std::move(owned));
    if (!core::FindWindow(state.mainWindow)) state.mainWindow = w;
    core::CurrentHostOrNull().WindowCreated(w, w->title.c_str());

    CREATESTRUCTA cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style),
                     windowName, className, exStyle};
    if (core::Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        core::DestroyWindowNow(w);
        return nullptr;
    }
    if (style & WS_VISIBLE) {
        core::CurrentHostOrNull().WindowShown(w);
        core::AddToUpdate(*w, core::ClientRect());
    }
    return w;
}

BOOL ShowWindow(HWND hwnd, int cmdShow) {
    core::LogCall("ShowWindow", cmdShow);
    Window* w = core::FindWindow(hwnd);
    if (!w) return FALSE;
    const BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    w->style |= WS_VISIBLE;
    core::CurrentHostOrNull().WindowShown(w);
    core::AddToUpdate(*w, core::ClientRect());
    return wasVisible;
}

BOOL UpdateWindow(HWND hwnd) {
    core::LogCall("UpdateWindow");
    Window* w = core::FindWindow(hwnd);
    if (!w) return FALSE;
    if (core::HasUpdate(*w)) core::Send(w, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL DestroyWindow(HWND hwnd) {
    core::LogCall("DestroyWindow");
    if (!core::FindWindow(hwnd)) return FALSE;
    core::DestroyWindowNow(hwnd);
    return TRUE;
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    core::LogCall("DefWindowProcA", msg, wParam, lParam);
    Window* w = core::FindWindow(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_CLOSE:
        core::DestroyWindowNow(hwnd);
        return 0;
    case WM_PAINT:
        w->update.clear();  // validates, as BeginPaint/EndPaint would
        return 0;
    default:
        return 0;
    }
}

BOOL SetWindowTextA(HWND hwnd, const char* text) {
    core::LogCall("SetWindowTextA", text);
    Window* w = core::FindWindow(hwnd);
    if (!w) return FALSE;
    w->title = text ? text : "";
    core::CurrentHostOrNull().WindowTitleChanged(hwnd, w->title.c_str());
    return TRUE;
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) {
    core::LogCall("GetWindowTextA", size);
    Window* w = core::FindWindow(hwnd);
    if (!w || !buffer || size <= 0) return 0;
    const int n = std::min<int>(static_cast<int>(w->title.size()), size - 1);
    std::memcpy(buffer, w->title.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    core::LogCall("GetClientRect");
    if (!core::FindWindow(hwnd) || !rect) return FALSE;
    *rect = core::ClientRect();
    return TRUE;
}

namespace core {

void DestroyWindowNow(HWND hwnd) {
    Window* w = FindWindow(hwnd);
    if (!w || w->destroying) return;
    w->destroying = true;
    Send(hwnd, WM_DESTROY, 0, 0);
    w->alive = false;
    w->update.clear();
    DropTimersOf(hwnd);
    auto& posted = State().posted;
    std::erase_if(posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    CurrentHostOrNull().WindowDestroyed(hwnd);
}

}  // namespace core
}  // namespace win
