// The program list: appending, clearing, the mode switch, stepping with the
// skip buttons, and the check by which timer 1 moves from entry to entry.
#include "cd/program_list.h"

#include "cd/cd_commands.h"
#include "cd/cd_transport.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

void ListClear() {
    for (int i = 0; i < kListCapacity; ++i) {
        g_listTracks[i] = 0;
        g_listLengthMs[i] = 0;
    }
    g_listCount = 0;
    g_listTotalSec = 0;
}

int ListAppend(int track) {
    if (g_listCount >= kListCapacity || track < 1 || track > g_trackCount) return 0;
    g_listTracks[g_listCount] = track;
    g_listLengthMs[g_listCount] = CdTrackLengthMs(track);
    g_listTotalSec += g_listLengthMs[g_listCount] / 1000;
    ++g_listCount;
    return 1;
}

void ListModeButton(HWND hwnd) {
    g_listMode = g_listMode == 0 ? 1 : 0;
    InvalidateArea(hwnd, 440, 90, 494, 114);
    InvalidateDisplayArea(hwnd);
}

void ListClearButton(HWND hwnd) {
    ListClear();
    InvalidateArea(hwnd, 500, 90, 524, 114);
    InvalidateDisplayArea(hwnd);
}

int ListStep(int code) {
    if (code == 8 && g_listPos < g_listCount - 1) {
        ++g_listPos;
    } else if (code == 7 && g_listPos > 0) {
        --g_listPos;
    } else {
        g_listPos = 0;  // next wraps from the last entry; previous stays on the first
    }
    return g_listTracks[g_listPos];
}

void ListCheck(HWND hwnd) {
    if (g_listTotalSec > 0) {
        // Each entry plays on into the rest of the disc: it has ended once the
        // device is on another track or has reached the end of the disc.
        if (CdCurrentTrack() == g_listTracks[g_listPos] && CdPositionMs() < g_discLengthMs) return;
        if (g_listPos < g_listCount - 1) {
            ++g_listPos;
            CdPlayTrack(g_listTracks[g_listPos]);
            return;
        }
        if (g_cdLoop == 1) {
            g_listPos = 0;
            CdPlayTrack(g_listTracks[0]);
            return;
        }
    }
    CdSend("stop cdaudio");
    g_cdState = CD_STOPPED;
    g_listPos = 0;
    KillTimer(hwnd, kTimerPosition);
}
