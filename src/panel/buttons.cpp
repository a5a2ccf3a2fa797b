#include "panel/buttons.h"

#include "panel/panel_bitmaps.h"
#include "panel/panel_layout.h"
#include "panel/press.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kLowerTrackX0 = kTrackX0 - kTracksPerRow * kTrackStep;

// clang-format off
constexpr PanelButton kButtons[] = {
    // control             cursor               step        rect                   hold box              pressed
    {PRESS_STOP,           ButtonCursor::None,  0,          {74, 30, 98, 54},     {74, 30, 98, 54},     BMP_STOPON},
    {PRESS_PLAY,           ButtonCursor::None,  0,          {98, 30, 122, 54},    {98, 30, 122, 54},    BMP_PLAYON},
    {PRESS_PAUSE,          ButtonCursor::None,  0,          {122, 30, 146, 54},   {122, 30, 146, 54},   BMP_PAUSEON},
    {PRESS_REW,            ButtonCursor::None,  0,          {146, 30, 170, 54},   {146, 30, 170, 54},   BMP_REWON},
    {PRESS_FF,             ButtonCursor::None,  0,          {170, 30, 194, 54},   {170, 30, 194, 54},   BMP_FFON},
    {PRESS_BAK,            ButtonCursor::None,  0,          {194, 30, 218, 54},   {194, 30, 218, 54},   BMP_BAKON},
    {PRESS_FW,             ButtonCursor::None,  0,          {218, 30, 242, 54},   {218, 30, 242, 54},   BMP_FWON},
    {PRESS_OPEN,           ButtonCursor::None,  0,          {242, 30, 266, 54},   {242, 30, 266, 54},   BMP_OPENON},
    {PRESS_A,              ButtonCursor::None,  0,          {146, 54, 170, 78},   {146, 54, 170, 78},   BMP_AON},
    {PRESS_B,              ButtonCursor::None,  0,          {170, 54, 194, 78},   {170, 54, 194, 78},   BMP_BON},
    {PRESS_CLR,            ButtonCursor::None,  0,          {194, 54, 218, 78},   {194, 54, 218, 78},   BMP_CLRON},
    {PRESS_LISTCLR,        ButtonCursor::None,  0,          {500, 90, 524, 114},  {500, 90, 524, 114},  BMP_CLRON},
    {PRESS_MODE,           ButtonCursor::None,  0,          {440, 90, 494, 114},  {440, 90, 494, 114},  BMP_MODON},
    // The lower row's cursor runs 10..19, hence its origin ten steps left of the row.
    {PRESS_TRACK_TOP,      ButtonCursor::Track, kTrackStep, {kTrackX0, kTrackTopY, kTrackX0 + kTrackButtonSize, kTrackTopY + kTrackButtonSize},
                                                            {kTrackX0, kTrackTopY, kTrackX0 + kTrackButtonSize, kTrackTopY + kTrackButtonSize}, -1},
    {PRESS_TRACK_BOTTOM,   ButtonCursor::Track, kTrackStep, {kLowerTrackX0, kTrackBottomY, kLowerTrackX0 + kTrackButtonSize, kTrackBottomY + kTrackButtonSize},
                                                            {kLowerTrackX0, kTrackBottomY, kLowerTrackX0 + kTrackButtonSize, kTrackBottomY + kTrackButtonSize}, -1},
    {PRESS_PADLOOP,        ButtonCursor::Pad,   kPadStep,   {kPadX0, kPadLoopY, kPadX0 + kPadButtonWidth, kPadLoopBottom},
                                                            {kPadX0 + 2, kPadLoopY + 2, kPadX0 + kPadButtonWidth - 2, kPadLoopBottom - 2}, -1},
    {PRESS_PADLOAD,        ButtonCursor::Pad,   kPadStep,   {kPadX0, kPadLoadY, kPadX0 + kPadButtonWidth, kPadLoadBottom},
                                                            {kPadX0 + 2, kPadLoadY + 2, kPadX0 + kPadButtonWidth - 2, kPadLoadBottom - 2}, -1},
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
