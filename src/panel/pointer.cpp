// Pointer input: a press arms the control under the pointer, pointer moves
// cancel a press or drag a knob, and the release runs the button's action.
//
// [SECTION] Actions and press conditions
// [SECTION] Press and release kinds
// [SECTION] Hit regions
// [SECTION] Follow boxes
// [SECTION] Handlers
#include "panel/pointer.h"

#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/levels.h"
#include "cd/program_list.h"
#include "pads/sample_pads.h"
#include "panel/buttons.h"
#include "panel/panel_layout.h"
#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kTrackRowRight = kTrackX0 + kTracksPerRow * kTrackStep - 1;

// ---------------------------------------------------------------------------
// [SECTION] Actions and press conditions
// ---------------------------------------------------------------------------
// The transport's codes 5..8 are the buttons' own control numbers.
void Rew(HWND) { CdTransport(PRESS_REW); }
void Ff(HWND) { CdTransport(PRESS_FF); }
void Bak(HWND) { CdTransport(PRESS_BAK); }
void Fw(HWND) { CdTransport(PRESS_FW); }

bool Always() { return true; }
bool DeckStopped() { return g_cdState == CD_STOPPED; }
bool ProgramPlay() { return g_listMode == 1; }

void InvalidateButton(HWND hwnd, int control) {
    const PanelButton* button = FindButton(control);
    if (button == nullptr) return;
    const RECT r = ButtonRect(*button);
    InvalidateArea(hwnd, r.left, r.top, r.right, r.bottom);
}

// ---------------------------------------------------------------------------
// [SECTION] Press and release kinds
// ---------------------------------------------------------------------------
struct Region;
using RegionHandler = void (*)(HWND, const Region&, int x);

struct Region {
    int left, top, right, bottom;  // all edges included
    int control;                   // PRESS_* number; 0 for the refresh button
    RegionHandler press;
    RegionHandler release;
    void (*action)(HWND);  // the button's action, for the kinds that run one
    bool (*allowed)();     // press condition of an armed button
};

void Nothing(HWND, const Region&, int) {}

// Arm: the paint draws the button pressed.
void ArmButton(HWND hwnd, const Region& r, int) {
    if (!r.allowed()) return;
    g_pressed = r.control;
    InvalidateButton(hwnd, r.control);
}

// Transport and A-B buttons: act, then draw the button up again.
void ReleaseButton(HWND hwnd, const Region& r, int) {
    if (g_pressed != r.control) return;
    r.action(hwnd);
    g_pressed = PRESS_NONE;
    InvalidateButton(hwnd, r.control);
}

// Mode and list clear: the action repaints its own button.
void ReleaseSelfDrawing(HWND hwnd, const Region& r, int) {
    if (g_pressed != r.control) return;
    g_pressed = PRESS_NONE;
    r.action(hwnd);
}

void ReleaseAlways(HWND hwnd, const Region& r, int) { r.action(hwnd); }

int TrackIndex(const Region& r, int x) {
    return (x - kTrackX0) / kTrackStep + (r.control == PRESS_TRACK_BOTTOM ? kTracksPerRow : 0);
}

// Program play takes no track while the deck runs; beyond the disc's last
// track the cursor moves but nothing is armed.
void PressTrack(HWND hwnd, const Region& r, int x) {
    if (g_listMode != 0 && g_cdState != CD_STOPPED) return;
    g_trackCursor = TrackIndex(r, x);
    if (g_trackCursor >= g_trackCount) return;
    g_pressed = r.control;
    InvalidateButton(hwnd, r.control);
}

void ReleaseTrack(HWND hwnd, const Region& r, int x) {
    if (g_pressed != r.control || g_trackCursor != TrackIndex(r, x)) return;
    TrackButton(hwnd, g_trackCursor);
    g_pressed = PRESS_NONE;
    InvalidateButton(hwnd, r.control);
}

void Grab(HWND, const Region& r, int) { g_pressed = r.control; }

// Volume faders show the grab by redrawing the knob where it is.
void GrabFader(HWND hwnd, const Region& r, int x) {
    Grab(hwnd, r, x);
    r.action(hwnd);
}

int PadColumn(int x) { return (x - kPadX0) / kPadStep; }

void PressPadLoop(HWND hwnd, const Region&, int x) {
    g_padCursor = PadColumn(x);
    PadLoopButton(hwnd, g_padCursor, 1);
}

void ReleasePadLoop(HWND hwnd, const Region&, int x) {
    g_padCursor = PadColumn(x);
    PadLoopButton(hwnd, g_padCursor, 0);
}

void PressPadLoad(HWND hwnd, const Region& r, int x) {
    g_padCursor = PadColumn(x);
    g_pressed = r.control;
    InvalidateButton(hwnd, r.control);
}

void ReleasePadLoad(HWND hwnd, const Region& r, int x) {
    g_padCursor = PadColumn(x);
    if (g_pressed == r.control) PadLoadButton(hwnd, g_padCursor);
}

void ShowCdVolume(HWND hwnd) { DrawFader(hwnd, g_cdVolumeY, 466, 165); }
void ShowWaveVolume(HWND hwnd) { DrawFader(hwnd, g_waveVolumeY, 566, 165); }

// ---------------------------------------------------------------------------
// [SECTION] Hit regions
// ---------------------------------------------------------------------------
// Regions do not overlap; a point in none is ignored.
// clang-format off
constexpr Region kRegions[] = {
    // left, top, right, bottom  control              press         release             action             allowed
    {75, 31, 97, 53,     PRESS_STOP,         ArmButton,    ReleaseButton,      CdStopButton,      Always},
    {99, 31, 121, 53,    PRESS_PLAY,         ArmButton,    ReleaseButton,      CdPlayButton,      Always},
    {123, 31, 145, 53,   PRESS_PAUSE,        ArmButton,    ReleaseButton,      CdPauseButton,     Always},
    {147, 31, 169, 53,   PRESS_REW,          ArmButton,    ReleaseButton,      Rew,               Always},
    {171, 31, 193, 53,   PRESS_FF,           ArmButton,    ReleaseButton,      Ff,                Always},
    {195, 31, 217, 53,   PRESS_BAK,          ArmButton,    ReleaseButton,      Bak,               Always},
    {219, 31, 241, 53,   PRESS_FW,           ArmButton,    ReleaseButton,      Fw,                Always},
    {243, 31, 265, 53,   PRESS_OPEN,         ArmButton,    ReleaseButton,      CdTrayButton,      Always},
    {kTrackX0 + 1, kTrackTopY + 1, kTrackRowRight, kTrackTopY + kTrackButtonSize - 1, PRESS_TRACK_TOP,    PressTrack,   ReleaseTrack,       nullptr,           Always},
    {147, 55, 169, 77,   PRESS_A,            ArmButton,    ReleaseButton,      AbMarkA,           Always},
    {171, 55, 193, 77,   PRESS_B,            ArmButton,    ReleaseButton,      AbMarkB,           Always},
    {195, 55, 217, 77,   PRESS_CLR,          ArmButton,    ReleaseButton,      AbClear,           Always},
    {kTrackX0 + 1, kTrackBottomY + 1, kTrackRowRight, kTrackBottomY + kTrackButtonSize - 1, PRESS_TRACK_BOTTOM, PressTrack,   ReleaseTrack,       nullptr,           Always},
    {441, 91, 493, 113,  PRESS_MODE,         ArmButton,    ReleaseSelfDrawing, ListModeButton,    DeckStopped},
    {501, 91, 523, 113,  PRESS_LISTCLR,      ArmButton,    ReleaseSelfDrawing, ListClearButton,   ProgramPlay},
    {549, 91, 601, 113,  PRESS_NONE,         Nothing,      ReleaseAlways,      CdRefreshButton,   Always},
    {452, 141, 500, 159, PRESS_CDBAL,        Grab,         Nothing,            nullptr,           Always},
    {552, 141, 600, 159, PRESS_WAVEBAL,      Grab,         Nothing,            nullptr,           Always},
    {467, 161, 485, 229, PRESS_CDVOL,        GrabFader,    Nothing,            ShowCdVolume,      Always},
    {567, 161, 585, 229, PRESS_WAVEVOL,      GrabFader,    Nothing,            ShowWaveVolume,    Always},
    // The loop row runs one column past the seventh pad (column 7, no pad).
    {kPadX0 + 1, kPadLoopY + 1, PadColumnX(kPadCount + 1) - 1, kPadLoopBottom - 1, PRESS_PADLOOP,      PressPadLoop, ReleasePadLoop,     nullptr,           Always},
    {390, 301, 408, 369, PRESS_SPEED,        Grab,         Nothing,            nullptr,           Always},
    {kPadX0 + 1, kPadLoadY + 1, PadColumnX(kPadCount) - 1, kPadLoadBottom - 1, PRESS_PADLOAD,      PressPadLoad, ReleasePadLoad,     nullptr,           Always},
};
// clang-format on

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

const Region* RegionAt(int x, int y) {
    for (const Region& r : kRegions) {
        if (Inside(x, y, r.left, r.top, r.right, r.bottom)) return &r;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// [SECTION] Follow boxes
// ---------------------------------------------------------------------------
void FollowCdBalance(HWND hwnd, int x, int) {
    g_cdBalanceX = x;
    DrawBalanceKnob(hwnd, x, 466);
}

void FollowWaveBalance(HWND hwnd, int x, int) {
    g_waveBalanceX = x;
    DrawBalanceKnob(hwnd, x, 566);
}

void FollowCdVolume(HWND hwnd, int, int y) {
    g_cdVolumeY = y;
    DrawFader(hwnd, y, 466, 165);
    SetCdLevel(y);
}

void FollowWaveVolume(HWND hwnd, int, int y) {
    g_waveVolumeY = y;
    DrawFader(hwnd, y, 566, 165);
    SetWaveLevel(y);
}

// The new rate is applied only at the release.
void FollowSpeed(HWND hwnd, int, int y) {
    g_speedKnobY = y;
    DrawFader(hwnd, y, 389, 300);
}

struct FollowBox {
    int control;
    int left, top, right, bottom;  // all edges included
    void (*follow)(HWND, int x, int y);
};

// clang-format off
constexpr FollowBox kFollowBoxes[] = {
    {PRESS_CDBAL,   452, 141, 500, 159, FollowCdBalance},
    {PRESS_WAVEBAL, 552, 141, 600, 159, FollowWaveBalance},
    {PRESS_CDVOL,   467, 170, 485, 220, FollowCdVolume},
    {PRESS_WAVEVOL, 567, 170, 585, 220, FollowWaveVolume},
    {PRESS_SPEED,   390, 305, 408, 355, FollowSpeed},
};
// clang-format on

const FollowBox* FindFollowBox(int control) {
    for (const FollowBox& box : kFollowBoxes) {
        if (box.control == control) return &box;
    }
    return nullptr;
}

}  // namespace

// Speed knob rows 305..355 give d = 25..-25: four percent and 441 samples
// per second a row; the engine's reopen clamps the rate and sets the knob.
void ApplySpeed(HWND hwnd) {
    constexpr int kSpeedCentreY = 330;
    const int d = kSpeedCentreY - g_speedKnobY;
    g_waveSpeedPct = d * 100 / 25;
    g_waveRate = 22050 + d * 11025 / 25;
    MixerReopen(hwnd);
}

// ---------------------------------------------------------------------------
// [SECTION] Handlers
// ---------------------------------------------------------------------------
void PanelClick(HWND hwnd, int x, int y, int down) {
    const Region* region = RegionAt(x, y);
    if (region == nullptr) return;
    const int held = g_pressed;
    (down ? region->press : region->release)(hwnd, *region, x);
    if (down && g_pressed != held) AbandonDrag(hwnd, held);
}

// A release outside the window is never seen, so a drag can end this way too.
void AbandonDrag(HWND hwnd, int control) {
    if (control == PRESS_SPEED) {
        g_speedKnobY = SpeedKnobForRate(g_waveRate);
        DrawFader(hwnd, g_speedKnobY, 389, 300);
    } else if (control == PRESS_CDVOL) {
        InvalidateArea(hwnd, 336, 113, 378, 128);
    } else if (control == PRESS_WAVEVOL) {
        InvalidateArea(hwnd, 336, 128, 378, 143);
    }
}

void Korvex_OnLButtonDown(HWND hwnd, BOOL /*doubleClick*/, int x, int y, UINT /*keyFlags*/) {
    PanelClick(hwnd, x, y, 1);
}

// A drag ends where its knob last followed the pointer, wherever the
// release happens; the volume readouts catch up only now.
void Korvex_OnLButtonUp(HWND hwnd, int x, int y, UINT /*keyFlags*/) {
    if (g_pressed == PRESS_SPEED) ApplySpeed(hwnd);
    if (g_pressed == PRESS_CDVOL) {
        InvalidateArea(hwnd, 336, 113, 378, 128);
        SetCdLevel(g_cdVolumeY);
    }
    if (g_pressed == PRESS_WAVEVOL) {
        InvalidateArea(hwnd, 336, 128, 378, 143);
        SetWaveLevel(g_waveVolumeY);
    }
    PanelClick(hwnd, x, y, 0);
    g_pressed = PRESS_NONE;
}

// Acts whether or not the button is down: the mouse is not captured, so a
// release outside the window is never seen.
void Korvex_OnMouseMove(HWND hwnd, int x, int y, UINT /*keyFlags*/) {
    if (const FollowBox* box = FindFollowBox(g_pressed)) {
        if (Inside(x, y, box->left, box->top, box->right, box->bottom)) box->follow(hwnd, x, y);
        return;
    }
    const PanelButton* button = FindButton(g_pressed);
    if (button == nullptr) return;
    const RECT hold = ButtonHoldBox(*button);
    if (Inside(x, y, hold.left, hold.top, hold.right, hold.bottom)) return;
    const int control = g_pressed;
    g_pressed = PRESS_NONE;
    InvalidateButton(hwnd, control);
}

void Korvex_OnRButtonDown(HWND, BOOL, int, int, UINT) {}
