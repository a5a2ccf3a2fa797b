// The REW, FF, BAK and FW buttons: search 10 seconds or skip a track. The
// target is worked out first and the deck state read only afterwards; the
// deck state itself never changes here.
#include <cstdio>

#include "cd/cd_commands.h"
#include "cd/cd_transport.h"
#include "cd/program_list.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kSearchStepMs = 10000;

void Search(int code) {
    int position = CdPositionMs();
    // Not clamped: the device deals with a position before or past the disc.
    int target = code == 5 ? position - kSearchStepMs : position + kSearchStepMs;
    if (g_cdState == CD_PLAYING) {
        CdPlayFromMs(target);
    } else if (g_cdState == CD_PAUSED) {
        char command[64];
        std::snprintf(command, sizeof command, "seek cdaudio to %d", target);
        CdSend(command);
        CdStop();
    }
}

// Past either end of the disc the skip wraps round, paused as well as playing.
int WrapTrack(int code, int target) {
    if (code == 8 && target > g_trackCount) return 1;
    if (code == 7 && target <= 0) return g_trackCount;
    return target;
}

void Skip(int code) {
    CdSend("set cdaudio time format tmsf");
    int target;
    if (g_listMode == 1) {
        target = ListStep(code);
    } else {
        int current = CdCurrentTrack();
        target = code == 7 ? current - 1 : current + 1;
    }
    if (g_cdState == CD_PLAYING) {
        CdPlayTrack(WrapTrack(code, target));
    } else if (g_cdState == CD_PAUSED) {
        CdCueTrack(WrapTrack(code, target));
    }
}

}  // namespace

void CdTransport(int code) {
    if (code == 5 || code == 6) {
        Search(code);
    } else if (code == 7 || code == 8) {
        Skip(code);
    }
}
