// The keyboard: Z..M play the pads, A..J stop them, Q..U switch their loops,
// space silences every pad, and the digits set the two balance knobs.
#include "pads/keyboard.h"

#include "pads/sample_pads.h"
#include "panel/panel_layout.h"
#include "panel/pointer.h"
#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// Digits 1..5 place the CD balance knob, 6..9 and 0 the wave balance knob.
constexpr int kCdKnobX[5] = {451, 466, 476, 486, 501};
constexpr int kWaveKnobX[5] = {551, 566, 576, 586, 601};
constexpr int kCdReferenceX = 466;
constexpr int kWaveReferenceX = 566;

// Pad p's column in a key row, or -1.
int PadOfKey(const UINT (&row)[kPadCount], UINT vk) {
    for (int p = 0; p < kPadCount; ++p) {
        if (row[p] == vk) return p;
    }
    return -1;
}

void DrawPlayLamp(HWND hwnd, int p, int on) {
    const int x = PadColumnX(p);
    DrawLamp(hwnd, on, x + kPlayLampLeft, kPlayLampTop, x + kPlayLampRight, kPlayLampBottom);
}

void PlayPad(HWND hwnd, PlayRequest& request, int p) {
    if (g_padLoaded[p] != 1) return;
    request.channel = static_cast<std::uint32_t>(p + 1);
    request.sample = g_padSample[p];
    if (g_padLoop[p] == 1) request.loops = static_cast<std::uint16_t>(g_padLoopCount[p]);
    EnginePlay(&request);
    g_pressed = PRESS_PADKEY;
    DrawPlayLamp(hwnd, p, 1);
}

void StopPad(HWND hwnd, int p) {
    if (g_padLoaded[p] != 1) return;
    EngineFlushChannel(g_mixer, static_cast<std::uint32_t>(p + 1), 2);
    DrawPlayLamp(hwnd, p, 0);
}

}  // namespace

void Korvex_OnKeyDown(HWND hwnd, UINT vk, BOOL, int, UINT flags) {
    // Auto-repeats (and anything with the top bits set): a held key acts once.
    if (flags >= KF_REPEAT) return;

    PlayRequest request{};
    request.size = sizeof(PlayRequest);
    request.engine = g_mixer;
    request.start = 0;
    request.mode = 5;
    request.loops = 0;

    const int held = g_pressed;
    const int play = PadOfKey(kPadPlayKeys, vk);
    const int stop = PadOfKey(kPadStopKeys, vk);
    const int loop = PadOfKey(kPadLoopKeys, vk);
    if (play >= 0) {
        PlayPad(hwnd, request, play);
    } else if (stop >= 0) {
        StopPad(hwnd, stop);
    } else if (loop >= 0) {
        PadLoopButton(hwnd, loop, 1);
    } else if (vk == VK_SPACE) {
        for (int p = 0; p < kPadCount; ++p) StopPad(hwnd, p);
    } else if (vk >= '1' && vk <= '5') {
        g_cdBalanceX = kCdKnobX[vk - '1'];
        DrawBalanceKnob(hwnd, g_cdBalanceX, kCdReferenceX);
    } else if (vk >= '6' && vk <= '9') {
        g_waveBalanceX = kWaveKnobX[vk - '6'];
        DrawBalanceKnob(hwnd, g_waveBalanceX, kWaveReferenceX);
    } else if (vk == '0') {
        g_waveBalanceX = kWaveKnobX[4];
        DrawBalanceKnob(hwnd, g_waveBalanceX, kWaveReferenceX);
    }
    if (g_pressed != held) AbandonDrag(hwnd, held);
}

void Korvex_OnKeyUp(HWND hwnd, UINT vk, BOOL, int, UINT) {
    const int held = g_pressed;
    const int play = PadOfKey(kPadPlayKeys, vk);
    const int loop = PadOfKey(kPadLoopKeys, vk);
    if (play >= 0 && g_padLoaded[play] == 1) {
        g_pressed = PRESS_NONE;
        DrawPlayLamp(hwnd, play, 0);
    } else if (loop >= 0) {
        PadToggleLoop(hwnd, loop);
    }
    if (g_pressed != held) AbandonDrag(hwnd, held);
}
