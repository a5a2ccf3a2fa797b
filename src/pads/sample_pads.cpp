// The seven pads: loading a pad's file, its file dialog, and the loop and
// load buttons.
#include "pads/sample_pads.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "panel/panel_layout.h"
#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"
#include "shell/path_name.h"

using namespace win;

namespace {

bool IsPad(int p) { return p >= 0 && p < kPadCount; }

void InvalidateLoopLamp(HWND hwnd, int p) {
    const int x = PadColumnX(p);
    InvalidateArea(hwnd, x + kLoopLampLeft, kLoopLampTop, x + kLoopLampRight, kLoopLampBottom);
}

void InvalidateLoopButton(HWND hwnd, int p) {
    const int x = PadColumnX(p);
    InvalidateArea(hwnd, x, kPadLoopY, x + kPadButtonWidth, kPadLoopBottom);
}

void InvalidateLoadButton(HWND hwnd, int p) {
    const int x = PadColumnX(p);
    InvalidateArea(hwnd, x, kPadLoadY, x + kPadButtonWidth, kPadLoadBottom);
}

// Switching a loop off silences the pad at once; switching it on waits for
// the next play.
void SwitchLoop(HWND hwnd, int p) {
    if (g_padLoop[p] == 1) {
        EngineFlushChannel(g_mixer, p + 1, 2);
        g_padLoop[p] = 0;
    } else {
        g_padLoop[p] = 1;
    }
    InvalidateLoopLamp(hwnd, p);
    g_pressed = PRESS_NONE;
    InvalidateLoopButton(hwnd, p);
}

}  // namespace

// A long file takes a while to decode: the wait cursor shows meanwhile.
void PadLoad(int p) {
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    g_padSample[p] = EngineLoadSample(g_mixer, g_padPath[p], 0, 0);
    SetCursor(previous);
    const std::uint32_t channels = EngineOpenChannels(g_mixer, 8, 2);
    g_padLoaded[p] = (channels == 0 && g_padSample[p] != 0) ? 1 : 0;
}

// Every extension that libsndfile reads here (its header-less raw format
// aside, which needs to be told the format), first; then WAV alone; then
// anything.
constexpr char kPadFilter[] =
    "Audio files\0"
    "*.wav;*.wave;*.aif;*.aiff;*.aifc;*.flac;*.ogg;*.oga;*.opus;*.mp3;*.mp2;*.mp1;*.m1a;*.au;*.snd;*.caf;"
    "*.w64;*.rf64;*.voc;*.avr;*.htk;*.iff;*.svx;*.8svx;*.mat;*.mpc;*.paf;*.pvf;*.sd2;*.sds;*.sf;*.wve;*.xi\0"
    "WAV files (*.wav)\0*.wav\0"
    "All files\0*\0";

namespace {

void TellTooLongForPad(HWND hwnd) {
    char message[160];
    std::snprintf(message, sizeof message,
                  "The chosen file cannot go on a pad: its full path may have %d characters at most "
                  "and its name %d. Nothing was loaded.",
                  kPadPathSize - 1, kPadTitleSize - 1);
    MessageBoxA(hwnd, message, "Tornel for Windows", MB_OK | MB_ICONWARNING);
}

}  // namespace

// The extension among the first filter's patterns, whatever its case.
bool PadTakesFile(const char* path) {
    const char* dot = std::strrchr(PathFileName(path), '.');
    if (dot == nullptr || dot[1] == '\0') return false;
    std::string pattern = ";*";
    for (const char* p = dot; *p; ++p) pattern += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
    pattern += ';';
    const std::string audio = std::string(";") + (kPadFilter + std::strlen(kPadFilter) + 1) + ";";
    return audio.find(pattern) != std::string::npos;
}

// A file whose path or name would not fit the pad's fields is refused by the
// dialog with the fields untouched; the user is told, rather than the pad
// silently keeping its old file. A loaded pad's dialog opens at its file,
// any other in the start directory.
void PadChooseFile(HWND hwnd, int p) {
    char path[kPadPathSize] = "";
    char title[kPadTitleSize] = "";
    if (g_padLoaded[p] == 1) std::memcpy(path, g_padPath[p], sizeof path);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = kPadFilter;
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPadPathSize;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = kPadTitleSize;
    ofn.lpstrInitialDir = g_startDir[0] != '\0' ? g_startDir : nullptr;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&ofn)) {
        std::memcpy(g_padPath[p], path, sizeof path);
        std::memcpy(g_padTitle[p], title, sizeof title);
        PadLoad(p);
    } else if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        TellTooLongForPad(hwnd);
    }
}

void PadToggleLoop(HWND hwnd, int p) {
    if (!IsPad(p) || g_padLoaded[p] != 1) return;
    SwitchLoop(hwnd, p);
}

// The release acts on the column under the pointer, which may differ from
// the pressed one; the loop-button row reaches one column past the last pad.
void PadLoopButton(HWND hwnd, int p, int down) {
    if (down) {
        if (!IsPad(p) || g_padLoaded[p] != 1) return;
        g_pressed = PRESS_PADLOOP;
        InvalidateLoopButton(hwnd, p);
        return;
    }
    if (g_pressed != PRESS_PADLOOP) return;
    if (IsPad(p)) {
        SwitchLoop(hwnd, p);
        return;
    }
    g_pressed = PRESS_NONE;
    InvalidateLoopLamp(hwnd, p);
    InvalidateLoopButton(hwnd, p);
}

namespace {

// The pad falls silent and lets go of its sample before it takes another.
void ReleasePad(int p) {
    EngineCloseChannel(g_mixer, p + 1, 0);
    if (g_padSample[p] != 0) {
        EngineFreeSample(g_mixer, g_padSample[p]);
        g_padSample[p] = 0;
    }
}

void ShowPadLoaded(HWND hwnd, int p) {
    g_pressed = PRESS_NONE;
    InvalidateArea(hwnd, kPadListLeft, kPadListTop, kPadListRight, kPadListBottom);
    InvalidateLoadButton(hwnd, p);
}

}  // namespace

void PadLoadButton(HWND hwnd, int p) {
    ReleasePad(p);
    PadChooseFile(hwnd, p);
    ShowPadLoaded(hwnd, p);
}

// The name the dialog would have given as the file title: the last part of
// the path.
void PadLoadFile(HWND hwnd, int p, const char* path) {
    ReleasePad(p);
    const char* name = PathFileName(path);
    if (std::strlen(path) >= kPadPathSize || std::strlen(name) >= kPadTitleSize) {
        TellTooLongForPad(hwnd);
    } else {
        std::strcpy(g_padPath[p], path);
        std::strcpy(g_padTitle[p], name);
        PadLoad(p);
    }
    ShowPadLoaded(hwnd, p);
}
