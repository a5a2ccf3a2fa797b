#include "panel/buttons.h"

#include "panel/press.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// clang-format off
constexpr PanelButton kButtons[] = {
    // control             cursor               step  rect                   hold box              pressed
    {PRESS_STOP,           ButtonCursor::None,  0,  {74, 30, 98, 54},     {74, 30, 98, 54},     12},
    {PRESS_PLAY,           ButtonCursor::None,  0,  {98, 30, 122, 54},    {98, 30, 122, 54},    13},
    {PRESS_PAUSE,          ButtonCursor::None,  0,  {122, 30, 146, 54},   {122, 30, 146, 54},   14},
    {PRESS_REW,            ButtonCursor::None,  0,  {146, 30, 170, 54},   {146, 30, 170, 54},   15},
    {PRESS_FF,             ButtonCursor::None,  0,  {170, 30, 194, 54},   {170, 30, 194, 54},   16},
    {PRESS_BAK,            ButtonCursor::None,  0,  {194, 30, 218, 54},   {194, 30, 218, 54},   17},
    {PRESS_FW,             ButtonCursor::None,  0,  {218, 30, 242, 54},   {218, 30, 242, 54},   18},
    {PRESS_OPEN,           ButtonCursor::None,  0,  {242, 30, 266, 54},   {242, 30, 266, 54},   19},
    {PRESS_A,              ButtonCursor::None,  0,  {146, 54, 170, 78},   {146, 54, 170, 78},   20},
    {PRESS_B,              ButtonCursor::None,  0,  {170, 54, 194, 78},   {170, 54, 194, 78},   21},
    {PRESS_CLR,            ButtonCursor::None,  0,  {194, 54, 218, 78},   {194, 54, 218, 78},   22},
    {PRESS_LISTCLR,        ButtonCursor::None,  0,  {500, 90, 524, 114},  {500, 90, 524, 114},  22},
    {PRESS_MODE,           ButtonCursor::None,  0,  {440, 90, 494, 114},  {440, 90, 494, 114},  48},
    // The lower row's cursor runs 10..19, hence its origin 240 pixels left of the row.
    {PRESS_TRACK_TOP,      ButtonCursor::Track, 24, {320, 30, 344, 54},   {320, 30, 344, 54},   -1},
    {PRESS_TRACK_BOTTOM,   ButtonCursor::Track, 24, {80, 54, 104, 78},    {80, 54, 104, 78},    -1},
    {PRESS_PADLOOP,        ButtonCursor::Pad,   42, {74, 275, 116, 299},  {76, 277, 114, 297},  -1},
    {PRESS_PADLOAD,        ButtonCursor::Pad,   42, {74, 370, 116, 394},  {76, 372, 114, 392},  -1},
};
// clang-format on

int CursorShift(const PanelButton& button) {
    switch (button.cursor) {
        case ButtonCursor::Track: return button.step * g_trackCursor;
        case ButtonCursor::Pad: return button.step * g_padCursor;
        case ButtonCursor::None: break;
    }
    return 0;
}

RECT Shifted(const RECT& r, int dx) { return {r.left + dx, r.top, r.right + dx, r.bottom}; }

}  // namespace

const PanelButton* FindButton(int control) {
    for (const PanelButton& button : kButtons) {
        if (button.control == control) return &button;
    }
    return nullptr;
}

RECT ButtonRect(const PanelButton& button) { return Shifted(button.rect, CursorShift(button)); }

RECT ButtonHoldBox(const PanelButton& button) { return Shifted(button.hold, CursorShift(button)); }
