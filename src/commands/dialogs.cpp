// The four modal dialogs: About, Brief Help, Wave Loop Set and Wave Speed.
// Each ends with 1 whichever button closed it; the loop counts and the rate
// are stored only on OK.
#include "commands/dialogs.h"

#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kHighestLoopNumber = 9999;  // the dialog shows the stored count + 1

using InitHandler = BOOL (*)(HWND, HWND, LPARAM);
using CommandHandler = void (*)(HWND, int, HWND, UINT);

INT_PTR DispatchDialog(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam, InitHandler onInit,
                       CommandHandler onCommand) {
    if (msg == WM_INITDIALOG) return onInit(dlg, reinterpret_cast<HWND>(wParam), lParam);
    if (msg == WM_COMMAND) {
        onCommand(dlg, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR AboutDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchDialog(dlg, msg, wParam, lParam, Dialog_OnInitDialog, About_OnCommand);
}

INT_PTR BriefDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchDialog(dlg, msg, wParam, lParam, Dialog_OnInitDialog, Brief_OnCommand);
}

INT_PTR WaveLoopDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchDialog(dlg, msg, wParam, lParam, WaveLoop_OnInitDialog, WaveLoop_OnCommand);
}

INT_PTR WaveSpeedDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchDialog(dlg, msg, wParam, lParam, WaveSpeed_OnInitDialog, WaveSpeed_OnCommand);
}

BOOL Dialog_OnInitDialog(HWND, HWND, LPARAM) { return TRUE; }

void About_OnCommand(HWND dlg, int id, HWND, UINT) {
    if (id == IDOK || id == IDCANCEL) EndDialog(dlg, 1);
}

// Only OK or Enter closes the box; Esc and the close box are ignored.
void Brief_OnCommand(HWND dlg, int id, HWND, UINT) {
    if (id == IDOK) EndDialog(dlg, 1);
}

BOOL WaveLoop_OnInitDialog(HWND dlg, HWND, LPARAM) {
    for (int p = 0; p < kPadCount; ++p) {
        SetDlgItemInt(dlg, kLoopEditIds[p], static_cast<UINT>(g_padLoopCount[p] + 1), FALSE);
    }
    return TRUE;
}

// Anything but a number from 1 to 9999 (0, too large, negative, letters)
// stores the start count 7.
void WaveLoop_OnCommand(HWND dlg, int id, HWND, UINT) {
    if (id == IDOK) {
        for (int p = 0; p < kPadCount; ++p) {
            const int n = static_cast<int>(GetDlgItemInt(dlg, kLoopEditIds[p], nullptr, FALSE));
            g_padLoopCount[p] = (n >= 1 && n <= kHighestLoopNumber) ? n - 1 : 7;
        }
        EndDialog(dlg, 1);
    } else if (id == IDCANCEL) {
        EndDialog(dlg, 1);
    }
}

BOOL WaveSpeed_OnInitDialog(HWND dlg, HWND, LPARAM) {
    SetDlgItemInt(dlg, IDC_SPEED_EDIT, static_cast<UINT>(g_waveRate), FALSE);
    return TRUE;
}

// The rate is stored as typed; the reopen that follows the dialog clamps it.
void WaveSpeed_OnCommand(HWND dlg, int id, HWND, UINT) {
    if (id == IDOK) {
        g_waveRate = static_cast<int>(GetDlgItemInt(dlg, IDC_SPEED_EDIT, nullptr, FALSE));
        EndDialog(dlg, 1);
    } else if (id == IDCANCEL) {
        EndDialog(dlg, 1);
    }
}
