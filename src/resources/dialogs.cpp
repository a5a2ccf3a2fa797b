// The four dialog templates, in dialog units. Controls are in template
// order, which is also the tab order.
#include <strings.h>

#include <iterator>

#include "resources/command_ids.h"
#include "resources/resources.h"

namespace res {
namespace {

constexpr int kNoId = -1;
constexpr unsigned kOkButton = kDefaultButton | kTabStop;
constexpr unsigned kCountEdit = kBorder | kTabStop;

constexpr DialogControl kAbout[] = {
    {ControlKind::Label, kNoId, "You are Cool DJ ", 52, 13, 80, 8, kCentre},
    {ControlKind::Button, 1, "OK", 82, 130, 32, 14, kOkButton | kGroup},
    {ControlKind::Icon, kNoId, "KORVEX", 160, 10, 20, 20, 0},
    {ControlKind::Label, kNoId, "with", 85, 24, 29, 8, 0},
    {ControlKind::Label, kNoId, "Tornel version 3.0 (32-bit) for Windows95", 27, 35, 132, 8, 0},
    {ControlKind::Rule, kNoId, "", 5, 47, 187, 1, 0},
};

// The blanks in item 4 push "[Q] - [U] key." onto the label's second line.
constexpr DialogControl kBrief[] = {
    {ControlKind::Label, kNoId, "1. Load Wave File : Click Load Button.", 14, 31, 153, 11, 0},
    {ControlKind::Label, kNoId, "2. Play Wave File : Press [Z] - [M] key.", 14, 46, 153, 11, 0},
    {ControlKind::Label, kNoId, "3. Stop Wave File : Press [A] - [J] key.", 14, 60, 153, 11, 0},
    {ControlKind::Label, kNoId,
     "4. Loop Wave File : Click Loop button, or Press"
     "                                      "
     "[Q] - [U] key.",
     14, 75, 153, 20, 0},
    {ControlKind::Label, kNoId, "5. Change Wave Speed : Use speed slider.", 14, 99, 153, 12, 0},
    {ControlKind::Button, 1, "OK", 78, 119, 32, 14, kOkButton},
    {ControlKind::Label, kNoId, "Brief Help for Tornel", 56, 13, 67, 12, 0},
};

constexpr DialogControl kWaveLoop[] = {
    {ControlKind::Button, 1, "OK", 37, 136, 50, 14, kOkButton},
    {ControlKind::Button, 2, "Cancel", 102, 136, 50, 14, kTabStop},
    {ControlKind::Edit, kLoopEditIds[0], "", 96, 23, 40, 13, kCountEdit},
    {ControlKind::Label, kNoId, "Loop Count", 95, 7, 46, 8, 0},
    {ControlKind::Rule, kNoId, "", 11, 18, 164, 1, 0},
    {ControlKind::Label, kNoId, "CH", 62, 7, 24, 8, 0},
    {ControlKind::Edit, kLoopEditIds[1], "", 96, 38, 40, 13, kCountEdit},
    {ControlKind::Edit, kLoopEditIds[2], "", 96, 53, 40, 13, kCountEdit},
    {ControlKind::Edit, kLoopEditIds[3], "", 96, 68, 40, 13, kCountEdit},
    {ControlKind::Edit, kLoopEditIds[4], "", 96, 83, 40, 13, kCountEdit},
    {ControlKind::Edit, kLoopEditIds[5], "", 96, 98, 40, 13, kCountEdit},
    {ControlKind::Edit, kLoopEditIds[6], "", 96, 114, 40, 13, kCountEdit},
    {ControlKind::Label, kNoId, "1", 65, 25, 8, 8, 0},
    {ControlKind::Label, kNoId, "2", 65, 40, 8, 8, 0},
    {ControlKind::Label, kNoId, "3", 65, 56, 8, 8, 0},
    {ControlKind::Label, kNoId, "4", 65, 70, 8, 8, 0},
    {ControlKind::Label, kNoId, "5", 65, 86, 8, 8, 0},
    {ControlKind::Label, kNoId, "6", 65, 101, 8, 8, 0},
    {ControlKind::Label, kNoId, "7", 65, 116, 8, 8, 0},
    {ControlKind::Rule, kNoId, "", 12, 130, 164, 1, 0},
};

constexpr DialogControl kWaveSpeed[] = {
    {ControlKind::Button, 1, "OK", 31, 68, 50, 14, kOkButton},
    {ControlKind::Button, 2, "Cancel", 103, 68, 50, 14, kTabStop},
    {ControlKind::Label, kNoId, "Speed", 47, 35, 28, 8, 0},
    {ControlKind::Edit, IDC_SPEED_EDIT, "", 81, 32, 40, 13, kBorder | kTabStop | kAutoHScroll},
    {ControlKind::Label, kNoId, " Wave Speed from 11026 to 33074", 31, 13, 131, 8, 0},
};

template <std::size_t N>
constexpr DialogTemplate Dialog(const char* name, const char* title, int x, int y, int w, int h,
                                int points, const DialogControl (&controls)[N]) {
    return {name, title, x, y, w, h, "Arial", points, controls, static_cast<int>(N)};
}

constexpr DialogTemplate kDialogs[] = {
    Dialog("AboutBox", "About Tornel", 22, 17, 198, 151, 9, kAbout),
    Dialog("DIALOG_BRIEF", "Brief Help", 0, 0, 187, 143, 9, kBrief),
    Dialog("DIALOG_WVLOOP", "Wave Loop Set", 0, 0, 189, 155, 9, kWaveLoop),
    Dialog("DIALOG_WVSPEED", "Wave Speed", 0, 0, 183, 92, 8, kWaveSpeed),
};

}  // namespace

const DialogTemplate* FindDialog(const char* name) {
    if (!name) return nullptr;
    for (const DialogTemplate& d : kDialogs)
        if (strcasecmp(name, d.name) == 0) return &d;
    return nullptr;
}

}  // namespace res
