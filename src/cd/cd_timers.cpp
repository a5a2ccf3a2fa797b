// Timer 1, the position display and the end of the disc, and the handler
// that hands every tick of the main window's timers to its job.
#include "cd/cd_timers.h"

#include <cstring>

#include "cd/cd_commands.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "cd/timer_ticks.h"
#include "shell/console_state.h"

using namespace win;

namespace {

void PositionTick(HWND hwnd) {
    char position[kPositionTextSize];
    CdSend("set cdaudio time format tmsf");
    CdQueryText("status cdaudio position", position, kPositionTextSize);
    DrawDisplayText(hwnd, position, kDisplayCyan);
    if (g_listMode == 1) {
        ListCheck(hwnd);
        return;
    }
    if (CdPositionMs() < g_discLengthMs) return;
    if (g_cdLoop == 1) {
        CdPlayTrack(1);
    } else {
        CdSend("seek cdaudio to start");
        g_cdState = CD_STOPPED;
        KillTimer(hwnd, kTimerPosition);
    }
}

}  // namespace

void DrawDisplayText(HWND hwnd, const char* text, COLORREF color) {
    HDC dc = GetDC(hwnd);
    HFONT font = CreateFontA(-20, -12, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FIXED_PITCH, "Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, color);
    SetBkColor(dc, kDisplayBlack);
    TextOutA(dc, 50, 130, text, static_cast<int>(std::strlen(text)));
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(hwnd, dc);
}

void Korvex_OnTimer(HWND hwnd, UINT id) {
    if (id == kTimerPosition) {
        PositionTick(hwnd);
    } else if (id == kTimerAbRepeat) {
        AbRepeatTick();
    } else if (id == kTimerTrayWait) {
        TrayWaitTick(hwnd);
    }
}
