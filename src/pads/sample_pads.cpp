// The seven pads: loading a pad's file, its file dialog, and the loop and
// load buttons.
#include "pads/sample_pads.h"

#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kColumnWidth = 42;

bool IsPad(int p) { return p >= 0 && p < kPadCount; }

void InvalidateLoopLamp(HWND hwnd, int p) {
    const int x = kColumnWidth * p;
    InvalidateArea(hwnd, 76 + x, 262, 114 + x, 274);
}

void InvalidateLoopButton(HWND hwnd, int p) {
    const int x = kColumnWidth * p;
    InvalidateArea(hwnd, 74 + x, 275, 116 + x, 299);
}

void InvalidateLoadButton(HWND hwnd, int p) {
    const int x = kColumnWidth * p;
    InvalidateArea(hwnd, 74 + x, 370, 116 + x, 394);
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

// The dialog writes straight into the pad's fields. A file whose path or name
// would not fit them is refused by the dialog with the fields untouched; the
// user is told, rather than the pad silently keeping its old file.
void PadChooseFile(HWND hwnd, int p) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = "WAV files\0*.wav\0";
    ofn.lpstrFile = g_padPath[p];
    ofn.nMaxFile = kPadPathSize;
    ofn.lpstrFileTitle = g_padTitle[p];
    ofn.nMaxFileTitle = kPadTitleSize;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&ofn)) {
        PadLoad(p);
    } else if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        MessageBoxA(hwnd,
                    "The chosen file cannot go on a pad: its full path may have 49 characters at most "
                    "and its name 19. Nothing was loaded.",
                    "Tornel for Windows", MB_OK | MB_ICONWARNING);
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

void PadLoadButton(HWND hwnd, int p) {
    EngineCloseChannel(g_mixer, p + 1, 0);
    if (g_padSample[p] != 0) {
        EngineFreeSample(g_mixer, g_padSample[p]);
        g_padSample[p] = 0;
    }
    PadChooseFile(hwnd, p);
    g_pressed = PRESS_NONE;
    InvalidateArea(hwnd, 436, 256, 618, 410);
    InvalidateLoadButton(hwnd, p);
}
