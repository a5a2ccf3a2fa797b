// Control numbers: the values of g_pressed. The paint draws pressed looks
// from them, the pointer and the keyboard set them.
#pragma once

enum PressedControl : int {
    PRESS_NONE = 0,
    PRESS_STOP = 2,
    PRESS_PLAY = 3,
    PRESS_PAUSE = 4,
    PRESS_REW = 5,
    PRESS_FF = 6,
    PRESS_BAK = 7,
    PRESS_FW = 8,
    PRESS_OPEN = 10,
    PRESS_A = 11,
    PRESS_B = 12,
    PRESS_CLR = 13,
    PRESS_LISTCLR = 14,
    PRESS_TRACK_TOP = 16,
    PRESS_TRACK_BOTTOM = 17,
    PRESS_MODE = 18,
    PRESS_PADKEY = 19,
    PRESS_PADLOOP = 20,
    PRESS_PADLOAD = 21,
    PRESS_CDVOL = 22,
    PRESS_CDBAL = 23,
    PRESS_WAVEBAL = 24,
    PRESS_WAVEVOL = 25,
    PRESS_SPEED = 26,
};
