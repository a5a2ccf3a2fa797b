// Which MIDI message works which control of the console: one message a
// control at most. It starts as the General MIDI drum notes on the pads and
// changes by MIDI Learn or a set file.
#pragma once

#include <cstdint>

enum MidiControl : int {
    MIDI_PLAY_PAD = 0,   // + pad, 0..6
    MIDI_STOP_PAD = 7,   // + pad
    MIDI_LOOP_PAD = 14,  // + pad
    MIDI_STOP_ALL = 21,
    MIDI_CD_PLAY,
    MIDI_CD_PAUSE,
    MIDI_CD_STOP,
    MIDI_CD_BACK,
    MIDI_CD_NEXT,
    MIDI_SPEED,
    MIDI_CD_VOLUME,
    MIDI_WAVE_VOLUME,
    kMidiControlCount,
};

enum MidiKind : int { MIDI_NONE = 0, MIDI_NOTE = 1, MIDI_CONTROLLER = 2, MIDI_PROGRAM = 3 };

// A note, controller or program number on one channel (1..16) or on any (0).
struct MidiTrigger {
    int kind;
    int channel;
    int number;  // 0..127
};

extern MidiTrigger g_midiMap[kMidiControlCount];

// One channel message as the controls take it: a note-on goes down, a
// note-off (or a note-on of velocity 0) comes up, a controller is down from
// the value 64, a program change is a press.
struct MidiEvent {
    int kind;
    int channel;  // 1..16
    int number;   // 0..127
    int value;    // velocity or controller value, 0..127
    bool down;
};

// False for the messages that work nothing (pitch bend, pressure, ...).
bool MidiEventOf(std::uint32_t message, MidiEvent& event);

// The faders follow a controller's value; every other control is a button.
bool MidiControlIsFader(int control);
// Notes 36, 38, 40, 41, 43, 45, 47 on any channel play pads 1 to 7.
void MidiMapDefault();
void MidiMapClear();
bool MidiMapIsDefault();
// The control that a message of this kind, channel and number works, or -1.
int MidiMapFind(int kind, int channel, int number);
// Gives the control this trigger, taking it from any control that had it.
void MidiMapBind(int control, MidiTrigger trigger);
// The control's name in set files ("play1", "cdvolume"), and back (-1).
const char* MidiControlName(int control);
int MidiControlNamed(const char* name);
// The control as the panel names it while it waits ("PLAY PAD 1").
const char* MidiControlCaption(int control);
