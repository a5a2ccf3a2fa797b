// Device contexts: getting and releasing them, and the state they carry
// (colours, background mode, current position).
#include <utility>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/core/gdi_objects.h"
#include "platform/core/rects.h"

namespace win {

HDC GetDC(HWND hwnd) {
    core::LogCall("GetDC");
    return core::FindWindow(hwnd) ? core::NewWindowDC(hwnd) : nullptr;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    core::LogCall("ReleaseDC");
    if (!core::IsLiveDC(hdc) || hdc->memory || hdc->painting || hdc->window != hwnd) return 0;
    const RECT dirty = hdc->dirty;
    core::FreeDC(hdc);
    if (core::FindWindow(hwnd) && !core::IsEmpty(dirty)) core::CurrentHostOrNull().Present(dirty);
    return 1;
}

HDC CreateCompatibleDC(HDC hdc) {
    core::LogCall("CreateCompatibleDC");
    if (hdc && !core::IsLiveDC(hdc)) return nullptr;
    return core::NewMemoryDC();
}

BOOL DeleteDC(HDC hdc) {
    core::LogCall("DeleteDC");
    if (!core::IsLiveDC(hdc) || !hdc->memory) return FALSE;
    core::FreeDC(hdc);
    return TRUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    core::LogCall("SetTextColor", color);
    if (!core::IsLiveDC(hdc)) return CLR_INVALID;
    return std::exchange(hdc->textColor, color);
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    core::LogCall("SetBkColor", color);
    if (!core::IsLiveDC(hdc)) return CLR_INVALID;
    return std::exchange(hdc->bkColor, color);
}

int SetBkMode(HDC hdc, int mode) {
    core::LogCall("SetBkMode", mode);
    if (!core::IsLiveDC(hdc) || (mode != OPAQUE && mode != TRANSPARENT)) return 0;
    return std::exchange(hdc->bkMode, mode);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    core::LogCall("MoveToEx", x, y);
    if (!core::IsLiveDC(hdc)) return FALSE;
    if (previous) *previous = hdc->position;
    hdc->position = POINT{x, y};
    return TRUE;
}

}  // namespace win
