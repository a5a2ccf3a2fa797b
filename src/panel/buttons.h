// Where the panel's buttons are: the rectangle repainted to redraw each one,
// the hold box that keeps a press alive, and the bitmap of its pressed look.
// Shared by the paint (pressed overlay) and the pointer (hold, repaint).
#pragma once

#include "platform/win.h"

enum class ButtonCursor {
    None,   // one fixed button
    Track,  // a row of track buttons, shifted by g_trackCursor
    Pad,    // a row of pad buttons, shifted by g_padCursor
};

struct PanelButton {
    int control;          // PRESS_* number
    ButtonCursor cursor;  // which cursor picks the button in its row
    int step;             // pixels per cursor step
    win::RECT rect;       // button rectangle at cursor 0 (right and bottom excluded)
    win::RECT hold;       // hold box at cursor 0 (all four edges included)
    int pressedBitmap;    // g_bitmaps index drawn over it while pressed; -1: the paint draws it itself
};

// The entry for a control number, or null when the control has no button.
const PanelButton* FindButton(int control);
// The button's rectangle and hold box where the cursor now puts them.
win::RECT ButtonRect(const PanelButton& button);
win::RECT ButtonHoldBox(const PanelButton& button);
