// A MIDI message works its control as the control's own key, button or
// knob would: a note-on is the key going down, its note-off (or a note-on
// of velocity 0) the key coming up.
#include "pads/midi_console.h"

#include "cd/cd_transport.h"
#include "cd/levels.h"
#include "pads/keyboard.h"
#include "pads/midi_learn.h"
#include "pads/midi_map.h"
#include "panel/pointer.h"
#include "panel/press.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

// Distinct from the CD deck's timers 1 to 3.
constexpr UINT_PTR kSpeedRestTimer = 0x4D49;
// A knob sends a message for every step it turns; the rate, whose change
// silences the pads, follows once the knob has stopped this long.
constexpr UINT kSpeedRestMs = 150;

// The source whose message holds a button down, 0 for none: when a source
// goes away with a pad held, its note-off will never come.
std::uint32_t s_heldBy[kMidiControlCount];

MidiInputHooks s_hooks = {nullptr, nullptr};

void KeyDown(HWND hwnd, UINT vk) { Korvex_OnKeyDown(hwnd, vk, TRUE, 1, 0); }
void KeyUp(HWND hwnd, UINT vk) { Korvex_OnKeyUp(hwnd, vk, FALSE, 1, 0); }

// 0..127 over the fader's 50 rows, the top row for 127.
int FaderRow(int value, int bottom) { return bottom - (value * 50 + 63) / 127; }

void SpeedRest(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    ApplySpeed(hwnd);
}

// As a drag draws it; the readout follows at once, since no release comes.
void MoveFader(HWND hwnd, int control, int value) {
    if (control == MIDI_CD_VOLUME) {
        g_cdVolumeY = FaderRow(value, 220);
        DrawFader(hwnd, g_cdVolumeY, 466, 165);
        SetCdLevel(g_cdVolumeY);
        InvalidateArea(hwnd, 336, 113, 378, 128);
    } else if (control == MIDI_WAVE_VOLUME) {
        g_waveVolumeY = FaderRow(value, 220);
        DrawFader(hwnd, g_waveVolumeY, 566, 165);
        SetWaveLevel(g_waveVolumeY);
        InvalidateArea(hwnd, 336, 128, 378, 143);
    } else {
        g_speedKnobY = FaderRow(value, 355);
        DrawFader(hwnd, g_speedKnobY, 389, 300);
        if (SetTimer(hwnd, kSpeedRestTimer, kSpeedRestMs, SpeedRest) == 0) ApplySpeed(hwnd);
    }
}

void Press(HWND hwnd, int control) {
    if (control < MIDI_STOP_PAD) {
        KeyDown(hwnd, kPadPlayKeys[control - MIDI_PLAY_PAD]);
    } else if (control < MIDI_LOOP_PAD) {
        KeyDown(hwnd, kPadStopKeys[control - MIDI_STOP_PAD]);
    } else if (control < MIDI_STOP_ALL) {
        KeyDown(hwnd, kPadLoopKeys[control - MIDI_LOOP_PAD]);
    } else if (control == MIDI_STOP_ALL) {
        KeyDown(hwnd, VK_SPACE);
    } else if (control == MIDI_CD_PLAY) {
        CdPlayButton(hwnd);
    } else if (control == MIDI_CD_PAUSE) {
        CdPauseButton(hwnd);
    } else if (control == MIDI_CD_STOP) {
        CdStopButton(hwnd);
    } else if (control == MIDI_CD_BACK) {
        CdTransport(PRESS_BAK);
    } else if (control == MIDI_CD_NEXT) {
        CdTransport(PRESS_FW);
    }
}

// Only the play and loop keys do anything as they come up.
void Release(HWND hwnd, int control) {
    if (control < MIDI_STOP_PAD) {
        KeyUp(hwnd, kPadPlayKeys[control - MIDI_PLAY_PAD]);
    } else if (control >= MIDI_LOOP_PAD && control < MIDI_STOP_ALL) {
        KeyUp(hwnd, kPadLoopKeys[control - MIDI_LOOP_PAD]);
    }
}

// A pad's lamp goes dark; a loop button shows released without switching
// the loop, as a pointer that leaves a button cancels its press.
void LetGo(HWND hwnd, std::uint32_t source) {
    if (source == 0) return;
    for (int control = 0; control < kMidiControlCount; ++control) {
        if (s_heldBy[control] != source) continue;
        s_heldBy[control] = 0;
        if (control < MIDI_STOP_PAD) {
            KeyUp(hwnd, kPadPlayKeys[control - MIDI_PLAY_PAD]);
        } else if (control >= MIDI_LOOP_PAD && control < MIDI_STOP_ALL && g_pressed == PRESS_PADLOOP) {
            const int x = 42 * (control - MIDI_LOOP_PAD);
            g_pressed = PRESS_NONE;
            InvalidateArea(hwnd, 74 + x, 275, 116 + x, 299);
        }
    }
}

}  // namespace

void Korvex_OnMidi(HWND hwnd, std::uint32_t message, std::uint32_t source) {
    if (message == 0) {
        LetGo(hwnd, source);
        return;
    }
    MidiEvent event;
    if (!MidiEventOf(message, event)) return;
    if (MidiLearnTakes(hwnd, event)) return;
    const int control = MidiMapFind(event.kind, event.channel, event.number);
    if (control < 0) return;
    if (MidiControlIsFader(control)) {
        if (event.kind == MIDI_CONTROLLER) MoveFader(hwnd, control, event.value);
        return;
    }
    if (event.down) {
        Press(hwnd, control);
        s_heldBy[control] = source;
    }
    // A program change has no release of its own: it is a whole stroke.
    if (!event.down || event.kind == MIDI_PROGRAM) {
        Release(hwnd, control);
        s_heldBy[control] = 0;
    }
}

void MidiConsoleReset() {
    MidiMapDefault();
    MidiLearnReset();
    for (std::uint32_t& held : s_heldBy) held = 0;
}

void SetMidiInputHooks(const MidiInputHooks& hooks) { s_hooks = hooks; }

void MidiInputsOpen(HWND hwnd) {
    if (s_hooks.open) s_hooks.open(hwnd);
}

void MidiInputsClose() {
    if (s_hooks.close) s_hooks.close();
}
