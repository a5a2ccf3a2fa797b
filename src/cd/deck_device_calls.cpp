// The deck's calls on the "cdaudio" device: each is a fixed sequence of
// command strings, and each sets the time format it needs right before the
// command that depends on it.
#include <cstdio>

#include "cd/cd_commands.h"
#include "cd/cd_transport.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kCommandSize = 64;

MCIERROR SendWithNumber(const char* format, int value) {
    char command[kCommandSize];
    std::snprintf(command, sizeof command, format, value);
    return CdSend(command);
}

}  // namespace

void CdReadDisc() {
    g_cdState = CD_STOPPED;
    g_listPos = 0;
    g_trackCursor = 0;
    g_listMode = 0;
    CdReadDiscSize();
}

void CdReadDiscSize() {
    CdSend("open cdaudio");  // already open on a re-read; the outcome does not matter
    g_trackCount = CdQuery("status cdaudio number of tracks");
    CdSend("set cdaudio time format milliseconds");
    g_discLengthMs = CdQuery("status cdaudio length");
}

void CdInit() {
    g_cdLoop = 1;  // matches the menu's initial check mark on "ON"
    CdReadDisc();
}

void CdStop() { CdSend("stop cdaudio"); }

void CdCueTrack(int track) {
    CdSend("set cdaudio time format tmsf");
    SendWithNumber("seek cdaudio to %d", track);
    CdSend("stop cdaudio");
}

bool CdPlayTrack(int track) {
    CdSend("set cdaudio time format tmsf");
    return SendWithNumber("play cdaudio from %d notify", track) == 0;
}

bool CdPlayFromMs(int positionMs) {
    CdSend("set cdaudio time format milliseconds");
    return SendWithNumber("play cdaudio from %d notify", positionMs) == 0;
}

bool CdResume() {
    CdSend("set cdaudio time format milliseconds");
    int position = CdQuery("status cdaudio position");
    return SendWithNumber("play cdaudio from %d notify", position) == 0;
}

int CdCurrentTrack() {
    CdSend("set cdaudio time format tmsf");
    return CdQuery("status cdaudio current track");
}

int CdPositionMs() {
    CdSend("set cdaudio time format milliseconds");
    return CdQuery("status cdaudio position");
}

int CdTrackLengthMs(int track) {
    CdSend("set cdaudio time format milliseconds");
    char command[kCommandSize];
    std::snprintf(command, sizeof command, "status cdaudio length track %d", track);
    return CdQuery(command);
}
