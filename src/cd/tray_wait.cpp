// The tray button and the seven-second wait after it: "Please wait." blinks
// once a second, then the disc is read again and the whole panel repainted.
#include <cstring>
#include <string>

#include "cd/cd_commands.h"
#include "cd/cd_timers.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "cd/timer_ticks.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr DWORD kTrayWaitMs = 7000;

// The drive holds another disc, or none: the deck starts afresh on it.
void TakeNewDisc(HWND hwnd) {
    ListClear();
    AbReset();
    CdRereadDisc(hwnd);
    InvalidateArea(hwnd, 0, 0, 640, 480);
    KillTimer(hwnd, kTimerTrayWait);
}

}  // namespace

void CdTrayButton(HWND hwnd) {
    CdStop();
    KillTimer(hwnd, kTimerPosition);
    char present[kReplySize];
    CdQueryText("status cdaudio media present", present, kReplySize);
    CdSend(std::strcmp(present, "true") == 0 ? "set cdaudio door open" : "set cdaudio door closed");
    // The deck stops with the drive, or a search during the wait would set
    // it playing with nothing following it; and the size of what the drive
    // holds now is read at once, so that whatever starts the drive during
    // the wait (or with no wait, when its timer is refused) knows where the
    // disc ends.
    g_cdState = CD_STOPPED;
    CdReadDiscSize();
    g_blinkCount = 0;
    g_trayTick = GetTickCount();
    StartTimerOrReport(hwnd, kTimerTrayWait, 1000);
}

void TrayWaitTick(HWND hwnd) {
    // Elapsed time by unsigned difference, so the wait also ends when the
    // tick count wraps round during it.
    if (GetTickCount() - g_trayTick < kTrayWaitMs) {
        DrawDisplayText(hwnd, "Please wait.", g_blinkCount % 2 == 0 ? kDisplayCyan : kDisplayBlack);
        ++g_blinkCount;
        return;
    }
    TakeNewDisc(hwnd);
}

// The tray button and its wait in one go, with the disc given rather than
// asked for: nothing is left to wait for.
void CdInsertDisc(HWND hwnd, const char* path) {
    CdStop();
    KillTimer(hwnd, kTimerPosition);
    g_cdState = 2;
    CdSend("set cdaudio door open");
    const std::string closed = std::string("set cdaudio door closed disc \"") + path + "\"";
    CdSend(closed.c_str());
    TakeNewDisc(hwnd);
}
