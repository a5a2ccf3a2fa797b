// The drawings made at once through the window's own device context, outside
// any paint, and the repaint request that every handler uses.
#include "panel/primitives.h"

#include "cd/levels.h"
#include "panel/panel_gdi.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kCdBalanceReferenceX = 466;
constexpr int kBalanceTop = 145, kBalanceBottom = 155;
constexpr int kFaderWidth = 20, kFaderHeight = 60;
constexpr int kKnobHalf = 5;

// A slider of either orientation: grey ground, a black slot with a grey
// outline, a grey knob with the default black outline, and a white
// highlight along the knob's top and right edges.
void DrawSlider(HWND hwnd, const RECT& ground, const RECT& slot, const RECT& knob) {
    HDC dc = GetDC(hwnd);
    HPEN grey = CreatePen(PS_SOLID, 1, kLightGrey);
    HGDIOBJ previousPen = SelectObject(dc, grey);
    FillRectangle(dc, kLightGrey, ground.left, ground.top, ground.right, ground.bottom);
    FillRectangle(dc, kBlack, slot.left, slot.top, slot.right, slot.bottom);
    SelectObject(dc, previousPen);
    DeleteObject(grey);

    FillRectangle(dc, kLightGrey, knob.left, knob.top, knob.right, knob.bottom);

    HPEN white = CreatePen(PS_SOLID, 1, kWhite);
    previousPen = SelectObject(dc, white);
    MoveToEx(dc, knob.left, knob.top, nullptr);
    LineTo(dc, knob.right - 1, knob.top);
    LineTo(dc, knob.right - 1, knob.bottom);
    SelectObject(dc, previousPen);
    DeleteObject(white);
    ReleaseDC(hwnd, dc);
}

}  // namespace

void FillRectangle(HDC dc, COLORREF fill, int left, int top, int right, int bottom) {
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ previous = SelectObject(dc, brush);
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, previous);
    DeleteObject(brush);
}

BOOL InvalidateArea(HWND hwnd, int left, int top, int right, int bottom) {
    const RECT area = {left, top, right, bottom};
    return InvalidateRect(hwnd, &area, FALSE);
}

void DrawLamp(HWND hwnd, int on, int left, int top, int right, int bottom) {
    const COLORREF colour = on == 1 ? kBrightGreen : kDarkGreen;
    HDC dc = GetDC(hwnd);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    FillRectangle(dc, colour, left, top, right, bottom);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
    ReleaseDC(hwnd, dc);
}

void DrawFader(HWND hwnd, int knobY, int left, int top) {
    DrawSlider(hwnd, {left, top, left + kFaderWidth, top + kFaderHeight},
               {left + 8, top, left + 12, top + kFaderHeight},
               {left, knobY - kKnobHalf, left + kFaderWidth, knobY + kKnobHalf});
}

void DrawBalanceKnob(HWND hwnd, int knobX, int referenceX) {
    DrawSlider(hwnd, {referenceX - 20, kBalanceTop, referenceX + 40, kBalanceBottom},
               {referenceX - 20, 148, referenceX + 40, 152},
               {knobX - kKnobHalf, kBalanceTop, knobX + kKnobHalf, kBalanceBottom});
    if (referenceX == kCdBalanceReferenceX) {
        g_cdBalanceX = knobX;
        SetCdLevel(g_cdVolumeY);
    } else {
        g_waveBalanceX = knobX;
        SetWaveLevel(g_waveVolumeY);
    }
}
