// The update region and the paint: InvalidateRect adds to the region,
// BeginPaint clips the paint to exactly that region and validates, EndPaint
// presents its bounds.
#include <cstring>

#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/core/gdi_objects.h"
#include "platform/core/rects.h"
#include "platform/core/region.h"

namespace win {
namespace core {

RECT ClientRect() { return RECT{0, 0, kClientWidth, kClientHeight}; }

bool HasUpdate(const Window& w) { return !w.update.empty(); }

void AddToUpdate(Window& w, const RECT& r) {
    AddToRegion(w.update, Intersect(r, ClientRect()));
}

}  // namespace core

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    if (rect)
        core::LogCall("InvalidateRect", rect->left, rect->top, rect->right, rect->bottom);
    else
        core::LogCall("InvalidateRect", "null");
    Window* w = core::FindWindow(hwnd);
    if (!w) return FALSE;
    core::AddToUpdate(*w, rect ? core::Normalized(rect->left, rect->top, rect->right, rect->bottom)
                               : core::ClientRect());
    if (erase) w->eraseRequested = true;
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    core::LogCall("BeginPaint");
    Window* w = core::FindWindow(hwnd);
    if (!w || !ps) return nullptr;
    HDC hdc = core::NewWindowDC(hwnd);
    hdc->painting = true;
    hdc->clip = std::move(w->update);
    w->update.clear();
    std::memset(ps, 0, sizeof *ps);
    ps->hdc = hdc;
    ps->fErase = w->eraseRequested ? TRUE : FALSE;
    hdc->clipBounds = core::RegionBounds(hdc->clip);
    ps->rcPaint = hdc->clipBounds;
    w->eraseRequested = false;
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    core::LogCall("EndPaint");
    if (!ps || !core::IsLiveDC(ps->hdc) || !ps->hdc->painting) return FALSE;
    if (core::FindWindow(hwnd) && !core::IsEmpty(ps->rcPaint)) core::CurrentHostOrNull().Present(ps->rcPaint);
    core::FreeDC(ps->hdc);
    return TRUE;
}

}  // namespace win
