// Release actions of the deck's STOP, PLAY, PAUSE, refresh and track buttons.
#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

void StartTimerOrReport(HWND hwnd, UINT_PTR id, UINT periodMs) {
    if (SetTimer(hwnd, id, periodMs, nullptr) == 0)
        MessageBoxA(hwnd, "Timer not exists.", "Tornel Error", MB_OK | MB_ICONERROR);
}

void CdStartPositionTimer(HWND hwnd) {
    StartTimerOrReport(hwnd, kTimerPosition, 100);
    g_cdState = 0;
    InvalidateDisplayArea(hwnd);
}

void CdStopButton(HWND hwnd) {
    KillTimer(hwnd, kTimerPosition);
    CdStop();
    g_cdState = 2;
    AbReset();
    CdCueTrack(CdCurrentTrack());
}

void CdPlayButton(HWND hwnd) {
    KillTimer(hwnd, kTimerAbRepeat);
    if (g_listMode == 1) {
        if (g_cdState == 1) {
            CdResume();
        } else {
            g_listPos = 0;
            CdPlayTrack(g_listTracks[0]);  // an empty list plays "track 0"; the first tick then stops
        }
    } else if (g_abState == 3) {
        g_abState = 2;
        CdPlayFromMs(g_abHoldPos);
    } else {
        CdResume();
    }
    CdStartPositionTimer(hwnd);
}

void CdPauseButton(HWND hwnd) {
    CdStop();
    KillTimer(hwnd, kTimerPosition);
    g_cdState = 1;
}

void CdRefreshButton(HWND hwnd) {
    // The disc may have changed: a list kept from the old one would name
    // tracks and lengths that are no longer there.
    ListClear();
    CdReadDisc();
    InvalidateArea(hwnd, 0, 0, 640, 480);
}

void TrackButton(HWND hwnd, int index) {
    int track = index + 1;
    if (g_listMode == 1) {
        if (ListAppend(track)) InvalidateDisplayArea(hwnd);
    } else if (g_cdState == 1) {
        CdStop();
        g_cdState = 2;
        CdCueTrack(track);
        InvalidateDisplayArea(hwnd);
    } else {
        CdStartPositionTimer(hwnd);
        CdPlayTrack(track);
    }
}
