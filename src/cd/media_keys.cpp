#include "cd/media_keys.h"

#include <cstdio>

#include "cd/cd_commands.h"
#include "cd/cd_transport.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kSkipBack = 7, kSkipForward = 8;
constexpr int kFramesPerSecond = 75;

}  // namespace

BOOL Korvex_OnAppCommand(HWND hwnd, int command) {
    switch (command) {
        case APPCOMMAND_MEDIA_PLAY:
            CdPlayButton(hwnd);
            return TRUE;
        case APPCOMMAND_MEDIA_PAUSE:
            CdPauseButton(hwnd);
            return TRUE;
        case APPCOMMAND_MEDIA_PLAY_PAUSE:
            if (g_cdState == 0) CdPauseButton(hwnd);
            else CdPlayButton(hwnd);
            return TRUE;
        case APPCOMMAND_MEDIA_STOP:
            CdStopButton(hwnd);
            return TRUE;
        case APPCOMMAND_MEDIA_NEXTTRACK:
            CdTransport(kSkipForward);
            return TRUE;
        case APPCOMMAND_MEDIA_PREVIOUSTRACK:
            CdTransport(kSkipBack);
            return TRUE;
        default:
            return FALSE;
    }
}

bool DeckCanSkip() {
    if (g_cdState == 2 || g_trackCount <= 0) return false;
    return g_listMode == 0 || g_listCount > 0;
}

// The position in the track-minute-second-frame form counts within the track.
int CdTrackPositionMs() {
    CdSend("set cdaudio time format tmsf");
    char reply[kReplySize];
    CdQueryText("status cdaudio position", reply, kReplySize);
    int track = 0, minutes = 0, seconds = 0, frames = 0;
    if (std::sscanf(reply, "%d:%d:%d:%d", &track, &minutes, &seconds, &frames) != 4) return 0;
    return (minutes * 60 + seconds) * 1000 + frames * 1000 / kFramesPerSecond;
}
