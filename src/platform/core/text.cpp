// TextOutA: the panel face and small sizes use the bundled pixel font, every
// other face Liberation Sans (Arial's metric twin).
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/core/call_log.h"
#include "platform/core/rects.h"
#include "platform/core/region.h"
#include "platform/core/text_render.h"
#include "resources/resources.h"

namespace win {
namespace core {
namespace {

// "ＭＳゴシック" in Shift-JIS: the panel's face.
constexpr char kPanelFace[] = "\x82\x6C\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4E";

bool UsesPixelFont(const FontData& font) { return font.face == kPanelFace || std::abs(font.height) <= 8; }

}  // namespace
}  // namespace core

namespace {

// Text in the DC's font, limited to `bounds` when given.
BOOL DrawText(HDC hdc, int x, int y, const RECT* bounds, const char* text, int length) {
    core::Canvas c;
    if (!text || length < 0 || !core::CanvasOf(hdc, &c)) return FALSE;
    std::vector<RECT> clip;
    if (bounds) {
        if (!c.clip) clip.push_back(*bounds);
        for (std::size_t i = 0; c.clip && i < c.clip->size(); ++i) {
            const RECT part = core::Intersect((*c.clip)[i], *bounds);
            if (!core::IsEmpty(part)) clip.push_back(part);
        }
        c.clip = &clip;
        c.clipBounds = core::RegionBounds(clip);
    }
    const core::FontData& font = core::DataOf(hdc->font);
    const core::TextStyle style{core::ToSurfaceColor(hdc->textColor), core::ToSurfaceColor(hdc->bkColor),
                                hdc->bkMode == OPAQUE};
    if (core::UsesPixelFont(font)) {
        core::DrawPixelText(c, x, y, text, length, res::kPanelFontWidth, res::kPanelFontHeight, style);
        return TRUE;
    }
    if (core::DrawTrueTypeText(c, font, x, y, text, length, style)) return TRUE;
    const int cellHeight = std::abs(font.height);
    const int cellWidth = font.width != 0 ? std::abs(font.width) : cellHeight * res::kPanelFontWidth / res::kPanelFontHeight;
    core::DrawPixelText(c, x, y, text, length, cellWidth, cellHeight, style);
    return TRUE;
}

std::string Logged(const char* text, int length) { return std::string(text ? text : "", text && length > 0 ? length : 0); }

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    if (core::CallLog()) core::LogCall("TextOutA", x, y, Logged(text, length));
    return DrawText(hdc, x, y, nullptr, text, length);
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length, const int*) {
    if (core::CallLog()) core::LogCall("ExtTextOutA", x, y, options, Logged(text, static_cast<int>(length)));
    return DrawText(hdc, x, y, (options & ETO_CLIPPED) && rect ? rect : nullptr, text, static_cast<int>(length));
}

}  // namespace win
