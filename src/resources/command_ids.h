// The numbers that tie the menu and dialog templates in this folder to the
// commands that answer them: the menu's command ids and the dialogs' edit
// fields.
#pragma once

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
    IDM_MIDILEARN = 125,
};

constexpr int IDC_SPEED_EDIT = 118;
// Channel 1's edit is 1007; channels 2 to 7 use 1001 to 1006.
constexpr int kLoopEditIds[7] = {1007, 1001, 1002, 1003, 1004, 1005, 1006};
