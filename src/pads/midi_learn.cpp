#include "pads/midi_learn.h"

#include <cstdio>

#include "pads/keyboard.h"
#include "panel/primitives.h"

using namespace win;

namespace {

bool s_learning = false;
int s_waiting = -1;       // the control named, waiting for its message; -1 none yet
UINT s_namingKey = 0;     // its key, whose release goes no further either
bool s_namingClick = false;
char s_line[64];

struct LearnArea {
    int left, top, right, bottom;  // all edges included
    int control;
};

// What a click names: the transport's own buttons, the three faders, and
// in each pad column the loop button with its lamp and the key face below.
// clang-format off
constexpr LearnArea kAreas[] = {
    {75, 31, 97, 53,    MIDI_CD_STOP},
    {99, 31, 121, 53,   MIDI_CD_PLAY},
    {123, 31, 145, 53,  MIDI_CD_PAUSE},
    {195, 31, 217, 53,  MIDI_CD_BACK},
    {219, 31, 241, 53,  MIDI_CD_NEXT},
    {467, 161, 485, 229, MIDI_CD_VOLUME},
    {567, 161, 585, 229, MIDI_WAVE_VOLUME},
    {390, 301, 408, 369, MIDI_SPEED},
};
// clang-format on
constexpr int kPadX0 = 74, kPadX1 = 367, kPadStep = 42;
constexpr int kLoopTop = 256, kLoopBottom = 298, kFaceTop = 299, kFaceBottom = 369;

int ControlAt(int x, int y) {
    for (const LearnArea& a : kAreas) {
        if (x >= a.left && x <= a.right && y >= a.top && y <= a.bottom) return a.control;
    }
    if (x <= kPadX0 || x > kPadX1) return -1;
    const int pad = (x - kPadX0) / kPadStep;
    if (y >= kLoopTop && y <= kLoopBottom) return MIDI_LOOP_PAD + pad;
    if (y >= kFaceTop && y <= kFaceBottom) return MIDI_PLAY_PAD + pad;
    return -1;
}

int RowPad(const UINT (&row)[7], UINT vk) {
    for (int p = 0; p < 7; ++p) {
        if (row[p] == vk) return p;
    }
    return -1;
}

int ControlOfKey(UINT vk) {
    if (const int p = RowPad(kPadPlayKeys, vk); p >= 0) return MIDI_PLAY_PAD + p;
    if (const int p = RowPad(kPadStopKeys, vk); p >= 0) return MIDI_STOP_PAD + p;
    if (const int p = RowPad(kPadLoopKeys, vk); p >= 0) return MIDI_LOOP_PAD + p;
    if (vk == VK_SPACE) return MIDI_STOP_ALL;
    return -1;
}

void ShowLine(HWND hwnd) {
    const RECT& r = kMidiLearnLineRect;
    InvalidateArea(hwnd, r.left, r.top, r.right, r.bottom);
}

void Wait(HWND hwnd, int control) {
    s_waiting = control;
    ShowLine(hwnd);
}

void End(HWND hwnd) {
    s_learning = false;
    s_waiting = -1;
    ShowLine(hwnd);
}

// A fader learns a controller only; a button any note, controller or
// program change. A note-off names nothing: it is the end of a note.
bool Fits(int control, const MidiEvent& event) {
    if (MidiControlIsFader(control)) return event.kind == MIDI_CONTROLLER;
    return event.kind != MIDI_NOTE || event.down;
}

}  // namespace

void MidiLearnStart(HWND hwnd) {
    s_learning = true;
    s_namingKey = 0;
    s_namingClick = false;
    Wait(hwnd, -1);
}

bool MidiLearnTakesInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!s_learning && s_namingKey == 0 && !s_namingClick) return false;
    const auto vk = static_cast<UINT>(wParam);
    if (msg == WM_KEYUP && s_namingKey != 0 && vk == s_namingKey) {
        s_namingKey = 0;
        return true;
    }
    if (msg == WM_LBUTTONUP && s_namingClick) {
        s_namingClick = false;
        return true;
    }
    if (!s_learning) return false;
    if (msg == WM_KEYDOWN) {
        if (vk == VK_ESCAPE) {
            End(hwnd);
            return true;
        }
        const int control = ControlOfKey(vk);
        if (control < 0) return false;
        // A held key's repeats name it again and go no further.
        constexpr LPARAM kWasDown = LPARAM{1} << 30;
        if ((lParam & kWasDown) == 0) Wait(hwnd, control);
        s_namingKey = vk;
        return true;
    }
    if (msg == WM_LBUTTONDOWN) {
        const int control = ControlAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (control < 0) return false;
        Wait(hwnd, control);
        s_namingClick = true;
        return true;
    }
    return false;
}

bool MidiLearnTakes(HWND hwnd, const MidiEvent& event) {
    if (!s_learning || s_waiting < 0) return false;
    if (!Fits(s_waiting, event)) return true;
    MidiMapBind(s_waiting, MidiTrigger{event.kind, event.channel, event.number});
    Wait(hwnd, -1);
    return true;
}

const char* MidiLearnLine() {
    if (!s_learning) return nullptr;
    if (s_waiting < 0) return "MIDI LEARN: CLICK A CONTROL OR PRESS ITS KEY";
    std::snprintf(s_line, sizeof s_line, "MIDI LEARN: %s - %s", MidiControlCaption(s_waiting),
                  MidiControlIsFader(s_waiting) ? "MOVE A KNOB" : "HIT A PAD");
    return s_line;
}

void MidiLearnReset() {
    s_learning = false;
    s_waiting = -1;
    s_namingKey = 0;
    s_namingClick = false;
}
