// GDI objects and device contexts: creation, selection, deletion, the stock
// objects and the live counts that leak tests read.
#include "platform/core/gdi_objects.h"

#include <cstring>
#include <unordered_map>
#include <unordered_set>

#include "platform/core/call_log.h"
#include "platform/core/core_control.h"
#include "platform/core/core_state.h"

namespace win {
namespace core {

namespace {

std::unordered_map<GdiObject*, GdiInfo> g_objects;  // live objects, stock ones included
std::unordered_set<DeviceContext*> g_dcs;
GdiTally g_tally{};

int& CountOf(GdiKind kind) {
    switch (kind) {
    case GdiKind::Pen: return g_tally.pens;
    case GdiKind::Brush: return g_tally.brushes;
    case GdiKind::Font: return g_tally.fonts;
    case GdiKind::Bitmap: break;
    }
    return g_tally.bitmaps;
}

const char* KindName(HGDIOBJ obj) {
    const GdiInfo* info = InfoOf(obj);
    if (!info) return obj ? "invalid" : "null";
    switch (info->kind) {
    case GdiKind::Pen: return "pen";
    case GdiKind::Brush: return "brush";
    case GdiKind::Font: return "font";
    case GdiKind::Bitmap: break;
    }
    return "bitmap";
}

template <typename T>
T* MakeStock(GdiKind kind) {
    T* obj = new T();
    g_objects[obj] = GdiInfo{kind, true, 0};
    return obj;
}

struct Stock {
    HBRUSH brushes[6];  // WHITE, LTGRAY, GRAY, DKGRAY, BLACK, NULL
    HPEN pens[3];       // WHITE, BLACK, NULL
    HFONT font;         // the pixel font
    HBITMAP bitmap;     // a memory DC's 1x1 default
};

const Stock& Stocks() {
    static const Stock stock = [] {
        Stock s{};
        const COLORREF brushColors[5] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
        for (int i = 0; i < 6; ++i) {
            auto* brush = MakeStock<BrushData>(GdiKind::Brush);
            brush->null = i == 5;
            if (i < 5) brush->color = brushColors[i];
            s.brushes[i] = brush;
        }
        const COLORREF penColors[2] = {0xFFFFFF, 0x000000};
        for (int i = 0; i < 3; ++i) {
            auto* pen = MakeStock<PenData>(GdiKind::Pen);
            pen->null = i == 2;
            if (i < 2) pen->color = penColors[i];
            s.pens[i] = pen;
        }
        s.font = MakeStock<FontData>(GdiKind::Font);
        auto* bitmap = MakeStock<BitmapData>(GdiKind::Bitmap);
        bitmap->width = bitmap->height = 1;
        bitmap->bitsPerPixel = 1;
        bitmap->pixels = {0};
        s.bitmap = bitmap;
        return s;
    }();
    return stock;
}

// Puts obj in the DC's slot and gives back what it replaced.
template <typename T>
HGDIOBJ Swap(T*& slot, HGDIOBJ obj) {
    HGDIOBJ previous = slot;
    --InfoOf(slot)->selections;
    slot = static_cast<T*>(obj);
    ++InfoOf(obj)->selections;
    return previous;
}

void CountSelections(HDC dc, int delta) {
    for (HGDIOBJ o : {static_cast<HGDIOBJ>(dc->pen), static_cast<HGDIOBJ>(dc->brush), static_cast<HGDIOBJ>(dc->font),
                      static_cast<HGDIOBJ>(dc->bitmap)})
        if (o) InfoOf(o)->selections += delta;
}

HDC NewDC(bool memory, HWND hwnd) {
    const Stock& s = Stocks();
    auto* dc = new DeviceContext();
    dc->memory = memory;
    dc->window = hwnd;
    dc->pen = s.pens[1];
    dc->brush = s.brushes[0];
    dc->font = s.font;
    if (memory) dc->bitmap = s.bitmap;
    CountSelections(dc, +1);
    g_dcs.insert(dc);
    ++(memory ? g_tally.memoryDCs : g_tally.windowDCs);
    return dc;
}

}  // namespace

HDC NewWindowDC(HWND hwnd) { return NewDC(false, hwnd); }
HDC NewMemoryDC() { return NewDC(true, nullptr); }

void FreeDC(HDC hdc) {
    if (!g_dcs.erase(hdc)) return;
    CountSelections(hdc, -1);
    --(hdc->memory ? g_tally.memoryDCs : g_tally.windowDCs);
    delete hdc;
}

void Track(GdiObject* obj, GdiKind kind) {
    g_objects[obj] = GdiInfo{kind, false, 0};
    ++CountOf(kind);
}

GdiInfo* InfoOf(HGDIOBJ obj) {
    Stocks();  // registers the stock objects
    auto found = obj ? g_objects.find(obj) : g_objects.end();
    return found == g_objects.end() ? nullptr : &found->second;
}

bool IsLiveDC(HDC hdc) { return hdc && g_dcs.count(hdc) != 0; }

GdiTally LiveGdiTally() { return g_tally; }

void ResetGdi() {
    for (DeviceContext* dc : g_dcs) delete dc;
    g_dcs.clear();
    for (auto it = g_objects.begin(); it != g_objects.end();) {
        if (it->second.stock) {
            it->second.selections = 0;
            ++it;
        } else {
            delete it->first;
            it = g_objects.erase(it);
        }
    }
    g_tally = GdiTally{};
}

}  // namespace core

HPEN CreatePen(int style, int width, COLORREF color) {
    core::LogCall("CreatePen", style, width, color);
    auto* pen = new core::PenData();
    pen->style = style;
    pen->width = width;
    pen->color = color;
    pen->null = style == 5;  // PS_NULL
    core::Track(pen, core::GdiKind::Pen);
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    core::LogCall("CreateSolidBrush", color);
    auto* brush = new core::BrushData();
    brush->color = color;
    core::Track(brush, core::GdiKind::Brush);
    return brush;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    core::LogCall("CreateFontA", height, width, escapement, orientation, weight, italic, underline, strikeOut,
                  charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
    auto* font = new core::FontData();
    font->height = height;
    font->width = width;
    font->escapement = escapement;
    font->orientation = orientation;
    font->weight = weight;
    font->italic = italic;
    font->underline = underline;
    font->strikeOut = strikeOut;
    font->charSet = charSet;
    font->outPrecision = outPrecision;
    font->clipPrecision = clipPrecision;
    font->quality = quality;
    font->pitchAndFamily = pitchAndFamily;
    font->face = faceName ? faceName : "";
    core::Track(font, core::GdiKind::Font);
    return font;
}

HGDIOBJ GetStockObject(int which) {
    core::LogCall("GetStockObject", which);
    const core::Stock& s = core::Stocks();
    if (which >= 0 && which <= 5) return s.brushes[which];
    if (which >= 6 && which <= 8) return s.pens[which - 6];
    if (which >= 10 && which <= 17 && which != 11) return s.font;  // every stock font is the pixel font
    return nullptr;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
    core::LogCall("SelectObject", core::KindName(obj));
    const core::GdiInfo* info = core::InfoOf(obj);
    if (!core::IsLiveDC(hdc) || !info) return nullptr;
    switch (info->kind) {
    case core::GdiKind::Pen: return core::Swap(hdc->pen, obj);
    case core::GdiKind::Brush: return core::Swap(hdc->brush, obj);
    case core::GdiKind::Font: return core::Swap(hdc->font, obj);
    case core::GdiKind::Bitmap: break;
    }
    // A bitmap goes into one memory DC at a time.
    if (!hdc->memory || (info->selections > 0 && obj != hdc->bitmap && !info->stock)) return nullptr;
    return core::Swap(hdc->bitmap, obj);
}

BOOL DeleteObject(HGDIOBJ obj) {
    core::LogCall("DeleteObject", core::KindName(obj));
    core::GdiInfo* info = core::InfoOf(obj);
    if (!info) return FALSE;
    if (info->stock) return TRUE;
    if (info->selections > 0) return FALSE;  // still selected: deleting would leave the DC dangling
    --core::CountOf(info->kind);
    core::g_objects.erase(obj);
    delete obj;
    return TRUE;
}

int GetObjectA(HGDIOBJ obj, int size, void* out) {
    core::LogCall("GetObjectA", core::KindName(obj));
    const core::GdiInfo* info = core::InfoOf(obj);
    if (!info || info->kind != core::GdiKind::Bitmap) return 0;
    if (!out) return static_cast<int>(sizeof(BITMAP));
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    const core::BitmapData& bm = core::DataOf(static_cast<HBITMAP>(obj));
    BITMAP result{};
    result.bmWidth = bm.width;
    result.bmHeight = bm.height;
    result.bmWidthBytes = ((bm.width * bm.bitsPerPixel + 15) / 16) * 2;
    result.bmPlanes = 1;
    result.bmBitsPixel = static_cast<WORD>(bm.bitsPerPixel);
    std::memcpy(out, &result, sizeof result);
    return static_cast<int>(sizeof result);
}

}  // namespace win
