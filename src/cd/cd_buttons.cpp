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
    g_cdState = CD_PLAYING;
    InvalidateDisplayArea(hwnd);
}

void CdRereadDisc(HWND hwnd) {
    // The deck comes out of a read stopped: the drive and timer 1 stop too,
    // rather than play on behind a panel that says stopped.
    KillTimer(hwnd, kTimerPosition);
    CdStop();
    CdReadDisc();
}

void CdStopButton(HWND hwnd) {
    KillTimer(hwnd, kTimerPosition);
    CdStop();
    g_cdState = CD_STOPPED;
    AbReset();
    CdCueTrack(CdCurrentTrack());
}

void CdPlayButton(HWND hwnd) {
    KillTimer(hwnd, kTimerAbRepeat);
    bool played;
    if (g_listMode == 1) {
        if (g_cdState == CD_PAUSED) {
            played = CdResume();
        } else {
            g_listPos = 0;
            played = CdPlayTrack(g_listTracks[0]);  // an empty list asks for "track 0", which no drive takes
        }
    } else if (g_abState == AB_HELD) {
        g_abState = AB_LOOPING;
        played = CdPlayFromMs(g_abHoldPos);
    } else {
        played = CdResume();
    }
    // A drive that refuses (no disc, door open, an empty list) stays as it
    // was, and so does the deck.
    if (played) CdStartPositionTimer(hwnd);
}

void CdPauseButton(HWND hwnd) {
    CdStop();
    KillTimer(hwnd, kTimerPosition);
    g_cdState = CD_PAUSED;
}

void CdRefreshButton(HWND hwnd) {
    // The disc may have changed: a list kept from the old one would name
    // tracks and lengths that are no longer there.
    ListClear();
    CdRereadDisc(hwnd);
    InvalidateArea(hwnd, 0, 0, 640, 480);
}

void TrackButton(HWND hwnd, int index) {
    int track = index + 1;
    if (g_listMode == 1) {
        if (ListAppend(track)) InvalidateDisplayArea(hwnd);
    } else if (g_cdState == CD_PAUSED) {
        CdStop();
        g_cdState = CD_STOPPED;
        CdCueTrack(track);
        InvalidateDisplayArea(hwnd);
    } else if (CdPlayTrack(track)) {
        CdStartPositionTimer(hwnd);
    }
}
