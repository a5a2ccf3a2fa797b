// Bitmaps, icons and cursors from the program's resources, and the cursor shown.
#include <map>

#include "platform/core/bmp_decode.h"
#include "platform/core/call_log.h"
#include "platform/core/core_state.h"
#include "platform/core/gdi_objects.h"
#include "resources/resources.h"

namespace win {

const char* const IDC_ARROW = "IDC_ARROW";
const char* const IDC_WAIT = "IDC_WAIT";

namespace {

Cursor g_arrow{false};
Cursor g_wait{true};
HCURSOR g_shown = nullptr;

}  // namespace

HBITMAP LoadBitmapA(HINSTANCE, const char* name) {
    core::LogCall("LoadBitmapA", name);
    if (!name) return nullptr;
    const res::Blob* blob = res::FindBitmap(name);
    core::DecodedBitmap decoded;
    if (!blob || !core::DecodeBmp(blob->data, blob->size, &decoded)) return nullptr;
    auto* bm = new core::BitmapData();
    bm->width = decoded.width;
    bm->height = decoded.height;
    bm->bitsPerPixel = decoded.bitsPerPixel;
    bm->pixels = std::move(decoded.pixels);
    core::Track(bm, core::GdiKind::Bitmap);
    return bm;
}

HICON LoadIconA(HINSTANCE, const char* name) {
    core::LogCall("LoadIconA", name);
    if (!name) return nullptr;
    const res::Blob* blob = res::FindIcon(name);
    if (!blob) return nullptr;
    static std::map<const res::Blob*, Icon> icons;  // shared, as on the real system
    auto it = icons.try_emplace(blob, Icon{blob}).first;
    return &it->second;
}

HCURSOR LoadCursorA(HINSTANCE, const char* name) {
    core::LogCall("LoadCursorA", name);
    if (name == IDC_ARROW) return &g_arrow;
    return name == IDC_WAIT ? &g_wait : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    core::LogCall("SetCursor", cursor == &g_wait ? IDC_WAIT : cursor == &g_arrow ? IDC_ARROW : "null");
    const HCURSOR previous = g_shown;
    g_shown = cursor;
    if ((previous && previous->busy) != (cursor && cursor->busy))
        core::CurrentHostOrNull().BusyCursor(cursor && cursor->busy);
    return previous;
}

const res::Blob* WindowIcon(HWND hwnd) {
    const Window* w = core::FindWindow(hwnd);
    return w && w->icon ? w->icon->blob : nullptr;
}

}  // namespace win
