// The panel's paint: the whole panel redrawn from the console state at every
// paint message; the update region limits what reaches the screen.
//
// [SECTION] Bitmap names
// [SECTION] Blit places
// [SECTION] Lines
// [SECTION] Bitmaps in memory device contexts
// [SECTION] Steps of the paint
// [SECTION] Texts
// [SECTION] Korvex_OnPaint
#include "panel/panel_paint.h"

#include <cstdio>
#include <cstring>

#include "pads/midi_learn.h"
#include "panel/buttons.h"
#include "panel/panel_bitmaps.h"
#include "panel/panel_gdi.h"
#include "panel/panel_layout.h"
#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

// ---------------------------------------------------------------------------
// [SECTION] Bitmap names
// ---------------------------------------------------------------------------
const char* const kBitmapNames[kBitmapCount] = {
#define TORNEL_BITMAP_NAME(slot, resource) resource,
    TORNEL_PANEL_BITMAPS(TORNEL_BITMAP_NAME)
#undef TORNEL_BITMAP_NAME
};

namespace {

// ---------------------------------------------------------------------------
// [SECTION] Blit places
// ---------------------------------------------------------------------------
struct Blit {
    PanelBitmap bitmap;
    int x, y;
};

constexpr Blit kLevelPlates[] = {
    {BMP_CD_BAL, 441, 126}, {BMP_CD_VOL, 456, 160}, {BMP_WAV_BAL, 541, 126}, {BMP_CD_VOL, 556, 160}};
constexpr Blit kSpeedPlate = {BMP_CD_VOL, 379, 295};
constexpr Blit kCaptions[] = {{BMP_CDSONG, 370, 16}, {BMP_CD_CTRL, 96, 16}};
constexpr Blit kTransportButtons[] = {
    {BMP_STOPOFF, 74, 30}, {BMP_PLAYOFF, 98, 30}, {BMP_PAUSEOFF, 122, 30}, {BMP_REWOFF, 146, 30},
    {BMP_FFOFF, 170, 30},  {BMP_BAKOFF, 194, 30}, {BMP_FWOFF, 218, 30},    {BMP_OPENOFF, 242, 30},
    {BMP_AOFF, 146, 54},   {BMP_BOFF, 170, 54},   {BMP_CLROFF, 194, 54}};
// The play row's caption has no bitmap; its blit draws nothing.
constexpr Blit kRowCaptions[] = {{BMP_LPLOGO, 32, 264}, {BMP_PLLOGO, 32, 306}, {BMP_LDLOGO, 32, 358}};
constexpr Blit kListButtons[] = {
    {BMP_MODOFF, 440, 90}, {BMP_CLROFF, 500, 90}, {BMP_MARK, 584, 30}, {BMP_REFRESH, 548, 90}};
constexpr Blit kListCaptions[] = {{BMP_CNO, 438, 237}, {BMP_CFILE, 484, 237}, {BMP_SPD, 374, 275}};

// ---------------------------------------------------------------------------
// [SECTION] Lines
// ---------------------------------------------------------------------------
struct Line {
    int count;
    POINT points[3];
};

constexpr Line kShadowLines[] = {
    {3, {{32, 10}, {32, 84}, {570, 84}}},
    {2, {{32, 410}, {429, 410}}},
    {2, {{32, 256}, {32, 410}}},
    {3, {{436, 120}, {436, 239}, {618, 239}}},
    {2, {{527, 120}, {527, 239}}},
};
constexpr Line kHighlightLines[] = {
    {3, {{32, 10}, {570, 10}, {570, 84}}},
    {2, {{32, 256}, {429, 256}}},
    {2, {{429, 256}, {429, 410}}},
    {3, {{31, 90}, {31, 240}, {380, 240}}},
    {3, {{436, 120}, {618, 120}, {618, 239}}},
    {2, {{526, 120}, {526, 239}}},
};

// The pad grid's column rules at x0, x0 + 42, ... (eight of them), then the
// listed lines, all in one solid pen.
template <std::size_t N>
void DrawRules(HDC dc, COLORREF colour, int x0, const Line (&lines)[N]) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    for (int x = x0; x <= x0 + kPadCount * kPadStep; x += kPadStep) {
        MoveToEx(dc, x, kPadGridTop, nullptr);
        LineTo(dc, x, kPadGridBottom);
    }
    for (const Line& line : lines) Polyline(dc, line.points, line.count);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

// ---------------------------------------------------------------------------
// [SECTION] Bitmaps in memory device contexts
// ---------------------------------------------------------------------------
// Every bitmap selected into a memory DC of its own for the paint's length.
// An empty slot gets no DC, and every blit of it draws nothing.
struct PaintBitmaps {
    HDC dc[kBitmapCount];
    HGDIOBJ previous[kBitmapCount];
    int width[kBitmapCount];
    int height[kBitmapCount];
};

void OpenBitmaps(HDC target, PaintBitmaps& b) {
    for (int i = 0; i < kBitmapCount; ++i) {
        b.dc[i] = nullptr;
        if (g_bitmaps[i] == nullptr) continue;
        BITMAP info = {};
        GetObjectA(g_bitmaps[i], sizeof info, &info);
        b.width[i] = info.bmWidth;
        b.height[i] = info.bmHeight;
        b.dc[i] = CreateCompatibleDC(target);
        b.previous[i] = SelectObject(b.dc[i], g_bitmaps[i]);
    }
}

void CloseBitmaps(PaintBitmaps& b) {
    for (int i = 0; i < kBitmapCount; ++i) {
        if (b.dc[i] == nullptr) continue;
        SelectObject(b.dc[i], b.previous[i]);
        DeleteDC(b.dc[i]);
    }
}

struct Painter {
    HWND hwnd;
    HDC dc;
    PaintBitmaps bitmaps;

    void Put(int bitmap, int x, int y) const {
        if (bitmaps.dc[bitmap] == nullptr) return;
        BitBlt(dc, x, y, bitmaps.width[bitmap], bitmaps.height[bitmap], bitmaps.dc[bitmap], 0, 0, SRCCOPY);
    }
    void Put(const Blit& blit) const { Put(blit.bitmap, blit.x, blit.y); }
    template <std::size_t N>
    void Put(const Blit (&blits)[N]) const {
        for (const Blit& blit : blits) Put(blit);
    }
};

// ---------------------------------------------------------------------------
// [SECTION] Steps of the paint
// ---------------------------------------------------------------------------
void PaintGround(HDC dc) {
    FillRectangle(dc, kLightGrey, 0, 0, 640, 480);
    HBRUSH black = CreateSolidBrush(kBlack);
    HGDIOBJ previous = SelectObject(dc, black);
    Rectangle(dc, 32, 90, 380, 240);    // CD display box
    Rectangle(dc, kPadListLeft, kPadListTop, kPadListRight, kPadListBottom);
    SelectObject(dc, previous);
    DeleteObject(black);
}

// The knobs draw through their own DC and apply both output levels anew.
void PaintLevelSection(const Painter& p) {
    p.Put(kLevelPlates);
    DrawBalanceKnob(p.hwnd, g_cdBalanceX, 466);
    DrawFader(p.hwnd, g_cdVolumeY, 466, 165);
    DrawBalanceKnob(p.hwnd, g_waveBalanceX, 566);
    DrawFader(p.hwnd, g_waveVolumeY, 566, 165);
    p.Put(kSpeedPlate);
    DrawFader(p.hwnd, g_speedKnobY, 389, 300);
}

// A held loop button or pad key lights its row in every column: only the
// held pad's part of the screen is invalidated, so only it shows.
void PaintPadGrid(const Painter& p) {
    for (int k = 0; k < kPadCount; ++k) {
        const int x = PadColumnX(k);
        p.Put(g_padLoop[k] == 1 ? BMP_LPON : BMP_LPOFF, x, kPadLampY);
        p.Put(g_pressed == PRESS_PADLOOP ? BMP_LBON : BMP_LPBOFF, x, kPadLoopY);
        p.Put(g_pressed == PRESS_PADKEY ? BMP_LDON : BMP_LDOFF, x, kPadStripY);
        p.Put(BMP_GKEY, x, kPadKeyY);
        p.Put(BMP_LPBOFF, x, kPadLoadY);
        p.Put(BMP_NO1 + k, x, kPadLabelY);
    }
    if (g_pressed == PRESS_PADLOAD) p.Put(BMP_LBON, PadColumnX(g_padCursor), kPadLoadY);
}

void PaintTrackButtons(const Painter& p) {
    for (int i = 0; i < kTracksPerRow; ++i) {
        const int x = kTrackX0 + kTrackStep * i;
        const bool upperDown = g_trackCursor == i && g_pressed == PRESS_TRACK_TOP;
        const bool lowerDown = g_trackCursor == i + kTracksPerRow && g_pressed == PRESS_TRACK_BOTTOM;
        p.Put(upperDown ? BMP_SNGON : BMP_SNGOFF, x, kTrackTopY);
        p.Put(lowerDown ? BMP_SNGON : BMP_SNGOFF, x, kTrackBottomY);
    }
}

void PaintPressedOverlay(const Painter& p) {
    const PanelButton* button = FindButton(g_pressed);
    if (button == nullptr || button->pressedBitmap < 0) return;
    p.Put(button->pressedBitmap, button->rect.left, button->rect.top);
}

// ---------------------------------------------------------------------------
// [SECTION] Texts
// ---------------------------------------------------------------------------
void Text(HDC dc, int x, int y, COLORREF colour, COLORREF background, const char* text) {
    SetTextColor(dc, colour);
    SetBkColor(dc, background);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void PanelText(HDC dc, int x, int y, const char* text) { Text(dc, x, y, kBlack, kLightGrey, text); }
void DisplayText(HDC dc, int x, int y, const char* text) { Text(dc, x, y, kCyan, kBlack, text); }
// Black on the black box: blanks what an earlier state showed there.
void BlankText(HDC dc, int x, int y, const char* text) { Text(dc, x, y, kBlack, kBlack, text); }

void PaintPanelTexts(HDC dc) {
    static const char* const kPadKeys[kPadCount] = {"Z", "X", "C", "V", "B", "N", "M"};
    for (int k = 0; k < kPadCount; ++k) PanelText(dc, PadColumnX(k) + kPadKeyTextX, kPadKeyTextY, kPadKeys[k]);
    if (g_listMode == 1) {
        PanelText(dc, 450, 95, "LIST");
    } else {
        PanelText(dc, 445, 95, "NOMAL");
    }
    char number[16];
    for (int i = 0; i < kTracksPerRow && i < g_trackCount; ++i) {
        std::snprintf(number, sizeof number, "%d", i + 1);
        PanelText(dc, kTrackX0 + kTrackNumberDx + kTrackStep * i, kTrackTopY + kTrackNumberDy, number);
    }
    for (int i = 0; i < kTracksPerRow && i + kTracksPerRow < g_trackCount; ++i) {
        std::snprintf(number, sizeof number, "%d", i + kTracksPerRow + 1);
        PanelText(dc, kTrackX0 + kTrackNumberDx + kTrackStep * i, kTrackBottomY + kTrackNumberDy, number);
    }
}

// A title longer than the box shows what fits; the box's right border
// (x 617) is never drawn over.
void PaintPadList(HDC dc) {
    constexpr int kTitleX = 460;
    constexpr int kBoxInnerRight = 617;
    constexpr int kCellHeight = 8;  // the panel font's
    SetTextColor(dc, kCyan);
    SetBkColor(dc, kBlack);
    for (int k = 0; k < kPadCount; ++k) {
        const int y = 262 + 18 * k;
        const RECT room{kTitleX, y, kBoxInnerRight, y + kCellHeight};
        ExtTextOutA(dc, kTitleX, y, ETO_CLIPPED, &room, g_padTitle[k], static_cast<UINT>(std::strlen(g_padTitle[k])),
                    nullptr);
    }
    char number[16];
    for (int k = 0; k < kPadCount; ++k) {
        if (g_padLoaded[k] == 0) continue;
        std::snprintf(number, sizeof number, "%d", k + 1);
        DisplayText(dc, 442, 262 + 18 * k, number);
    }
}

void PaintProgramList(HDC dc) {
    if (g_listMode != 1) return;
    char text[64];
    std::snprintf(text, sizeof text, "PLAY LIST   TOTAL TIME = %3ld:%2ld ", static_cast<long>(g_listTotalSec / 60),
                  static_cast<long>(g_listTotalSec % 60));
    DisplayText(dc, 50, 190, text);
    for (int r = 0; r < kListCapacity; ++r) {
        if (g_listTracks[r] <= 0) continue;
        std::snprintf(text, sizeof text, "%2d", g_listTracks[r]);
        DisplayText(dc, 50 + 18 * (r % 10), r < 10 ? 205 : 220, text);
    }
}

void PaintReadouts(HDC dc) {
    char figure[16];
    DisplayText(dc, 50, 113, "CURRENT TIME");
    DisplayText(dc, 236, 113, "CD VOLUME : ");
    std::snprintf(figure, sizeof figure, "%4d  ", (220 - g_cdVolumeY) * 2);
    DisplayText(dc, 336, 113, figure);
    DisplayText(dc, 236, 128, "WAVE VOLUME : ");
    std::snprintf(figure, sizeof figure, "%4d  ", (220 - g_waveVolumeY) * 2);
    DisplayText(dc, 336, 128, figure);
    DisplayText(dc, 236, 143, "WAVE SPEED : ");
    std::snprintf(figure, sizeof figure, "%4d  ", g_waveSpeedPct);
    DisplayText(dc, 336, 143, figure);
}

void PaintModeTexts(HDC dc) {
    if (g_cdLoop == 1) {
        DisplayText(dc, 50, 170, "LOOP PLAY");
    } else {
        BlankText(dc, 50, 170, "LOOP PLAY");
    }
    if (g_abState == AB_A_SET) {
        DisplayText(dc, 180, 160, "A");
    } else if (g_abState == AB_LOOPING || g_abState == AB_HELD) {
        DisplayText(dc, 180, 160, "A-B LOOP");
    } else {
        BlankText(dc, 180, 160, "A-B LOOP");
    }
}

void PaintMidiLearnLine(HDC dc) {
    if (const char* line = MidiLearnLine()) DisplayText(dc, kMidiLearnLineRect.left, kMidiLearnLineRect.top, line);
}

void PaintTexts(HDC dc) {
    // "ＭＳゴシック" in Shift-JIS; the font mapper substitutes where it is missing.
    HFONT font = CreateFontA(8, 6, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, FIXED_PITCH,
                             "\x82\x6C\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4E");
    HGDIOBJ previous = SelectObject(dc, font);
    PaintPanelTexts(dc);
    PaintPadList(dc);
    PaintProgramList(dc);
    PaintReadouts(dc);
    PaintModeTexts(dc);
    PaintMidiLearnLine(dc);
    SelectObject(dc, previous);
    DeleteObject(font);
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Korvex_OnPaint
// ---------------------------------------------------------------------------
void Korvex_OnPaint(HWND hwnd) {
    PAINTSTRUCT ps = {};
    Painter p = {hwnd, BeginPaint(hwnd, &ps), {}};
    OpenBitmaps(p.dc, p.bitmaps);
    PaintGround(p.dc);
    PaintLevelSection(p);
    p.Put(kCaptions);
    p.Put(kTransportButtons);
    PaintPadGrid(p);
    p.Put(kRowCaptions);
    PaintTrackButtons(p);
    p.Put(kListButtons);
    PaintPressedOverlay(p);
    p.Put(kListCaptions);
    CloseBitmaps(p.bitmaps);
    DrawRules(p.dc, kDarkGrey, kPadX0, kShadowLines);
    DrawRules(p.dc, kWhite, kPadX0 - 1, kHighlightLines);
    PaintTexts(p.dc);
    EndPaint(hwnd, &ps);
}
