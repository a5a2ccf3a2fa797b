// A-B repeat: the A, B and CLR buttons, and timer 2, which jumps back to A
// once the position has reached B.
#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/timer_ticks.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

void AbMarkA(HWND hwnd) {
    if (g_abState != AB_OFF || g_listMode != 0) return;
    KillTimer(hwnd, kTimerAbRepeat);
    g_abState = AB_A_SET;
    g_abPointA = CdPositionMs();
    InvalidateDisplayArea(hwnd);
}

void AbMarkB(HWND hwnd) {
    if (g_abState == AB_A_SET) {
        int position = CdPositionMs();
        // A B at or before A would jump back to A on every tick, and the
        // disc would stutter at A: such a B is not taken.
        if (position <= g_abPointA) return;
        g_abState = AB_LOOPING;
        g_abPointB = position;
        StartTimerOrReport(hwnd, kTimerAbRepeat, 10);
        InvalidateDisplayArea(hwnd);
    } else if (g_abState == AB_LOOPING) {
        g_abState = AB_HELD;
        KillTimer(hwnd, kTimerAbRepeat);
        g_abHoldPos = CdPositionMs();
        StartTimerOrReport(hwnd, kTimerAbRepeat, 10);
        InvalidateDisplayArea(hwnd);
    }
}

void AbClear(HWND hwnd) {
    KillTimer(hwnd, kTimerAbRepeat);
    g_abState = AB_OFF;
    InvalidateDisplayArea(hwnd);
}

void AbReset() {
    KillTimer(g_hWnd, kTimerAbRepeat);
    g_abPointA = 0;
    g_abPointB = 0;
    g_abHoldPos = 0;
    g_abState = AB_OFF;
    InvalidateDisplayArea(g_hWnd);
}

void AbRepeatTick() {
    // Only a playing deck may be sent back to A: a paused or stopped deck
    // (a track cued past B, a B marked where it stands) would otherwise have
    // the drive playing behind a panel that says it does not.
    if (g_cdState != CD_PLAYING) return;
    if (CdPositionMs() >= g_abPointB) CdPlayFromMs(g_abPointA);
}
