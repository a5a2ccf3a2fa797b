// The menu bar's commands.
#include "commands/menu_commands.h"

#include "commands/dialogs.h"
#include "commands/set_file.h"
#include "pads/midi_learn.h"
#include "pads/sample_pads.h"
#include "panel/primitives.h"
#include "shell/console_state.h"
#include "shell/main_window.h"

using namespace win;

namespace {

void SetCdLoop(HWND hwnd, int on) {
    CheckMenuItem(g_hMenu, on ? IDM_CDLOOP_OFF : IDM_CDLOOP_ON, MF_BYCOMMAND | MF_UNCHECKED);
    CheckMenuItem(g_hMenu, on ? IDM_CDLOOP_ON : IDM_CDLOOP_OFF, MF_BYCOMMAND | MF_CHECKED);
    g_cdLoop = on;
    InvalidateDisplayArea(hwnd);
}

void RunDialog(HWND hwnd, const char* name, DLGPROC proc) { DialogBoxParamA(g_hInst, name, hwnd, proc, 0); }

}  // namespace

void Korvex_OnCommand(HWND hwnd, int id, HWND control, UINT notifyCode) {
    switch (id) {
        case IDM_ABOUT: RunDialog(hwnd, "AboutBox", AboutDlgProc); break;
        case IDM_EXIT: Korvex_OnDestroy(hwnd); break;
        case IDM_LOAD: SetFileOpen(hwnd); break;
        case IDM_SAVE: SetFileSaveAs(hwnd); break;
        case IDM_SAVEAS:
            // Writes over the set file last loaded; with none there is nothing to do.
            if (g_setPath[0] != '\0') SetFileWriteOrReport(hwnd, g_setPath);
            break;
        case IDM_CDLOOP_ON: SetCdLoop(hwnd, 1); break;
        case IDM_CDLOOP_OFF: SetCdLoop(hwnd, 0); break;
        case IDM_WAVESPEED:
            RunDialog(hwnd, "DIALOG_WVSPEED", WaveSpeedDlgProc);
            MixerReopen(hwnd);
            break;
        case IDM_README: ShowDocument(hwnd, g_readmePath); break;
        case IDM_WAVELOOP:
            RunDialog(hwnd, "DIALOG_WVLOOP", WaveLoopDlgProc);
            InvalidateArea(hwnd, 440, 258, 616, 408);
            break;
        case IDM_MIDILEARN: MidiLearnStart(hwnd); break;
        case IDM_BRIEFHELP: RunDialog(hwnd, "DIALOG_BRIEF", BriefDlgProc); break;
        case IDM_HELP: ShowDocument(hwnd, g_helpPath); break;
        default:
            DefWindowProcA(hwnd, WM_COMMAND, MAKEWPARAM(id, static_cast<int>(notifyCode)),
                           reinterpret_cast<LPARAM>(control));
            break;
    }
}

void ShowDocument(HWND hwnd, const char* path) { ShellExecuteA(hwnd, nullptr, path, nullptr, nullptr, SW_SHOW); }
