// TextOutA: the panel face and small sizes use the bundled pixel font, every
// other face Liberation Sans (Arial's metric twin).
#include <cstdlib>
#include <string>

#include "platform/core/call_log.h"
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

BOOL TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    if (core::CallLog()) core::LogCall("TextOutA", x, y, std::string(text ? text : "", text && length > 0 ? length : 0));
    core::Canvas c;
    if (!text || length < 0 || !core::CanvasOf(hdc, &c)) return FALSE;
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

}  // namespace win
