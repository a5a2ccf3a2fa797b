// The console state's storage and start values. Fields not named in the
// start-value list below start at zero or empty text.
#include "shell/console_state.h"

#include <cstring>

#include "pads/midi_console.h"

using namespace win;

namespace {

constexpr int kStartVolumeY = 180;
constexpr int kStartCdBalanceX = 476;
constexpr int kStartWaveBalanceX = 576;
constexpr int kStartSpeedKnobY = 330;
constexpr int kStartWaveRate = 22050;
constexpr int kStartLoopCount = 7;
#define KORVEX_SEVEN(v) {v, v, v, v, v, v, v}

}  // namespace

// CD deck
int g_cdState = CD_STOPPED;
int g_trackCount = 0;
int g_discLengthMs = 0;
int g_trackCursor = 0;
int g_cdLoop = 0;
std::uint32_t g_trayTick = 0;
int g_blinkCount = 0;

// Program list
int g_listMode = 0;
int g_listCount = 0;
int g_listTracks[kListCapacity] = {};
int g_listLengthMs[kListCapacity] = {};
int g_listTotalSec = 0;
int g_listPos = 0;

// A-B repeat
int g_abState = AB_OFF;
int g_abPointA = 0;
int g_abPointB = 0;
int g_abHoldPos = 0;

// Levels, knobs and speed
int g_cdVolumeY = kStartVolumeY;
int g_cdBalanceX = kStartCdBalanceX;
int g_waveVolumeY = kStartVolumeY;
int g_waveBalanceX = kStartWaveBalanceX;
int g_speedKnobY = kStartSpeedKnobY;
int g_waveRate = kStartWaveRate;
int g_waveSpeedPct = 0;
AUXCAPSA g_auxCaps = {};

// Sample pads
char g_padTitle[kPadCount][kPadTitleSize] = KORVEX_SEVEN(" ");
char g_padPath[kPadCount][kPadPathSize] = KORVEX_SEVEN(" ");
int g_padLoaded[kPadCount] = {};
int g_padLoop[kPadCount] = {};
int g_padLoopCount[kPadCount] = KORVEX_SEVEN(kStartLoopCount);
EngineHandle g_padSample[kPadCount] = {};
EngineHandle g_mixer = 0;

// Panel interaction
int g_pressed = 0;
int g_padCursor = 0;
HBITMAP g_bitmaps[kBitmapCount] = {};

// Paths and handles
HINSTANCE g_hInst = nullptr;
HWND g_hWnd = nullptr;
HMENU g_hMenu = nullptr;
char g_startDir[kStartDirSize] = "";
char g_readmePath[kDocPathSize] = "";
char g_helpPath[kDocPathSize] = "";
char g_setPath[kSetPathSize] = "";

#undef KORVEX_SEVEN

void ConsoleStateReset() {
    MidiConsoleReset();
    g_cdState = CD_STOPPED;
    g_trackCount = 0;
    g_discLengthMs = 0;
    g_trackCursor = 0;
    g_cdLoop = 0;
    g_trayTick = 0;
    g_blinkCount = 0;

    g_listMode = 0;
    g_listCount = 0;
    std::memset(g_listTracks, 0, sizeof g_listTracks);
    std::memset(g_listLengthMs, 0, sizeof g_listLengthMs);
    g_listTotalSec = 0;
    g_listPos = 0;

    g_abState = AB_OFF;
    g_abPointA = 0;
    g_abPointB = 0;
    g_abHoldPos = 0;

    g_cdVolumeY = kStartVolumeY;
    g_cdBalanceX = kStartCdBalanceX;
    g_waveVolumeY = kStartVolumeY;
    g_waveBalanceX = kStartWaveBalanceX;
    g_speedKnobY = kStartSpeedKnobY;
    g_waveRate = kStartWaveRate;
    g_waveSpeedPct = 0;
    g_auxCaps = {};

    for (int p = 0; p < kPadCount; ++p) {
        std::strcpy(g_padTitle[p], " ");
        std::strcpy(g_padPath[p], " ");
        g_padLoaded[p] = 0;
        g_padLoop[p] = 0;
        g_padLoopCount[p] = kStartLoopCount;
        g_padSample[p] = 0;
    }
    g_mixer = 0;

    g_pressed = 0;
    g_padCursor = 0;
    std::memset(g_bitmaps, 0, sizeof g_bitmaps);

    g_hInst = nullptr;
    g_hWnd = nullptr;
    g_hMenu = nullptr;
    g_startDir[0] = '\0';
    g_readmePath[0] = '\0';
    g_helpPath[0] = '\0';
    g_setPath[0] = '\0';
}
