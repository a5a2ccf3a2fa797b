// Process entry, the window class, the main window, the message loop and the
// window procedure that hands each message to its handler.
#include "shell/main_window.h"

#include "cd/cd_timers.h"
#include "cd/media_keys.h"
#include "commands/file_drop.h"
#include "commands/hand_over.h"
#include "commands/menu_commands.h"
#include "pads/keyboard.h"
#include "pads/midi_console.h"
#include "pads/midi_learn.h"
#include "panel/panel_paint.h"
#include "panel/pointer.h"
#include "platform/drop_query.h"
#include "shell/console_state.h"

using namespace win;

const char kMainClassName[] = "Tornel for Windows Ver3.0";

namespace {

// No sizing border and no maximise box: the panel has one size.
constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

int WinMain(HINSTANCE instance, HINSTANCE previous, char* /*commandLine*/, int showCmd) {
    if (previous == nullptr && RegisterMainClass(instance) == 0) return 0;
    if (!CreateMainWindow(instance, showCmd)) return 0;
    MSG msg = {};
    // GetMessage's -1 (an error) ends the loop instead of spinning on it.
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

ATOM RegisterMainClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_BYTEALIGNWINDOW;
    wc.lpfnWndProc = KorvexWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "Korvex");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kMainClassName;
    return RegisterClassA(&wc);
}

// g_hInst is set first because Korvex_OnCreate loads resources through it
// from inside CreateWindowEx; g_hWnd only once CreateWindowEx has returned.
int CreateMainWindow(HINSTANCE instance, int showCmd) {
    g_hInst = instance;
    HWND hwnd = CreateWindowExA(0, kMainClassName, kMainClassName, kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
    if (hwnd == nullptr) return 0;
    g_hWnd = hwnd;
    ShowWindow(hwnd, showCmd);
    UpdateWindow(hwnd);
    return 1;
}

LRESULT KorvexWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const int repeat = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const UINT keyFlags = HIWORD(static_cast<std::uintptr_t>(lParam));
    if (MidiLearnTakesInput(hwnd, msg, wParam, lParam)) return 0;
    switch (msg) {
        case WM_CREATE:
            return Korvex_OnCreate(hwnd, reinterpret_cast<CREATESTRUCTA*>(lParam)) ? 0 : -1;
        case WM_DESTROY:
            Korvex_OnDestroy(hwnd);
            return 0;
        case WM_PAINT:
            Korvex_OnPaint(hwnd);
            return 0;
        case WM_KEYDOWN:
            Korvex_OnKeyDown(hwnd, static_cast<UINT>(wParam), TRUE, repeat, keyFlags);
            return 0;
        case WM_KEYUP:
            Korvex_OnKeyUp(hwnd, static_cast<UINT>(wParam), FALSE, repeat, keyFlags);
            return 0;
        case WM_COMMAND:
            Korvex_OnCommand(hwnd, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_COPYDATA:
            return Korvex_OnCopyData(hwnd, reinterpret_cast<HWND>(wParam), reinterpret_cast<COPYDATASTRUCT*>(lParam));
        case WM_DROPFILES:
            Korvex_OnDropFiles(hwnd, reinterpret_cast<HDROP>(wParam));
            return 0;
        case kMsgQueryDrop:
            return Korvex_OnQueryDrop(hwnd, reinterpret_cast<HDROP>(wParam));
        case WM_APPCOMMAND:
            if (Korvex_OnAppCommand(hwnd, GET_APPCOMMAND_LPARAM(lParam))) return TRUE;
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        case WM_TIMER:
            Korvex_OnTimer(hwnd, static_cast<UINT>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            Korvex_OnMouseMove(hwnd, x, y, static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            Korvex_OnLButtonDown(hwnd, FALSE, x, y, static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONUP:
            Korvex_OnLButtonUp(hwnd, x, y, static_cast<UINT>(wParam));
            return 0;
        case WM_MIDI_INPUT:
            Korvex_OnMidi(hwnd, static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            Korvex_OnRButtonDown(hwnd, FALSE, x, y, static_cast<UINT>(wParam));
            return 0;
        default:
            return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}
