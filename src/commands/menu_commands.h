// The menu bar's commands.
#pragma once

#include "platform/win.h"

enum MenuCommand : int {
    IDM_ABOUT = 100,
    IDM_EXIT = 101,
    IDM_LOAD = 102,
    IDM_SAVE = 103,
    IDM_SAVEAS = 104,
    IDM_CDLOOP_ON = 106,
    IDM_CDLOOP_OFF = 107,
    IDM_WAVESPEED = 118,
    IDM_README = 119,
    IDM_WAVELOOP = 121,
    IDM_BRIEFHELP = 122,
    IDM_HELP = 124,
};

void Korvex_OnCommand(win::HWND hwnd, int id, win::HWND control, win::UINT notifyCode);
void ShowDocument(win::HWND hwnd, const char* path);
