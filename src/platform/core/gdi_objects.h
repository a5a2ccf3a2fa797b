// What the GDI handles of win.h hold, and the device contexts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win.h"

namespace win {
namespace core {

enum class GdiKind { Pen, Brush, Font, Bitmap };

// Bookkeeping for every live object, stock ones included.
struct GdiInfo {
    GdiKind kind;
    bool stock = false;  // never counted, never deleted
    int selections = 0;  // device contexts that hold it selected
};

struct PenData final : Pen {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    bool null = false;  // draws nothing (PS_NULL, stock NULL_PEN)
};

struct BrushData final : Brush {
    COLORREF color = 0xFFFFFF;
    bool null = false;  // fills nothing (stock NULL_BRUSH)
};

struct FontData final : Font {
    int height = 0;  // negative: em size in pixels; positive: cell height; 0: default
    int width = 0;   // average character width; 0: the face's own
    int escapement = 0, orientation = 0;
    int weight = 0;
    DWORD italic = 0, underline = 0, strikeOut = 0, charSet = 0;
    DWORD outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
    std::string face;
};

struct BitmapData final : Bitmap {
    int width = 0, height = 0;
    int bitsPerPixel = 4;               // as the resource was stored
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down rows
};

inline PenData& DataOf(HPEN p) { return *static_cast<PenData*>(p); }
inline BrushData& DataOf(HBRUSH b) { return *static_cast<BrushData*>(b); }
inline FontData& DataOf(HFONT f) { return *static_cast<FontData*>(f); }
inline BitmapData& DataOf(HBITMAP b) { return *static_cast<BitmapData*>(b); }

// 0x00BBGGRR to the surface's 0x00RRGGBB.
constexpr std::uint32_t ToSurfaceColor(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Registers a newly created object as live and counted.
void Track(GdiObject* obj, GdiKind kind);
// Null when obj is not a live object (stock objects are live).
GdiInfo* InfoOf(HGDIOBJ obj);
bool IsLiveDC(HDC hdc);
// New device contexts with the default objects selected, and their end.
HDC NewWindowDC(HWND hwnd);
HDC NewMemoryDC();
void FreeDC(HDC hdc);
// Frees every live object and DC and zeroes the counts.
void ResetGdi();

}  // namespace core

struct DeviceContext {
    bool memory = false;    // memory DC (draws into its bitmap) or window DC
    bool painting = false;  // from BeginPaint: clipped to the update region
    HWND window = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DC only
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    POINT position{0, 0};
    std::vector<RECT> clip;  // painting only: the update region at BeginPaint
    RECT clipBounds{0, 0, 0, 0};  // painting only: the bounds of clip
    RECT dirty{0, 0, 0, 0};  // window DC: bounds of what was drawn, to present
};

}  // namespace win
