#include "pads/midi_map.h"

#include <cstring>

MidiTrigger g_midiMap[kMidiControlCount];

namespace {

struct ControlNames {
    const char* file;
    const char* caption;
};

// clang-format off
constexpr ControlNames kNames[kMidiControlCount] = {
    {"play1", "PLAY PAD 1"}, {"play2", "PLAY PAD 2"}, {"play3", "PLAY PAD 3"}, {"play4", "PLAY PAD 4"},
    {"play5", "PLAY PAD 5"}, {"play6", "PLAY PAD 6"}, {"play7", "PLAY PAD 7"},
    {"stop1", "STOP PAD 1"}, {"stop2", "STOP PAD 2"}, {"stop3", "STOP PAD 3"}, {"stop4", "STOP PAD 4"},
    {"stop5", "STOP PAD 5"}, {"stop6", "STOP PAD 6"}, {"stop7", "STOP PAD 7"},
    {"loop1", "LOOP PAD 1"}, {"loop2", "LOOP PAD 2"}, {"loop3", "LOOP PAD 3"}, {"loop4", "LOOP PAD 4"},
    {"loop5", "LOOP PAD 5"}, {"loop6", "LOOP PAD 6"}, {"loop7", "LOOP PAD 7"},
    {"stopall", "STOP ALL PADS"},
    {"cdplay", "CD PLAY"}, {"cdpause", "CD PAUSE"}, {"cdstop", "CD STOP"},
    {"cdback", "CD BACK"}, {"cdnext", "CD NEXT"},
    {"speed", "SPEED"}, {"cdvolume", "CD VOLUME"}, {"wavevolume", "WAVE VOLUME"},
};
// clang-format on

constexpr int kDrumNotes[7] = {36, 38, 40, 41, 43, 45, 47};

bool Matches(const MidiTrigger& t, int kind, int channel, int number) {
    return t.kind == kind && t.number == number && (t.channel == 0 || t.channel == channel);
}

bool Same(const MidiTrigger& a, const MidiTrigger& b) {
    return a.kind == b.kind && a.channel == b.channel && a.number == b.number;
}

}  // namespace

bool MidiEventOf(std::uint32_t message, MidiEvent& event) {
    const int status = static_cast<int>(message & 0xFF);
    const int first = static_cast<int>(message >> 8 & 0x7F);
    const int second = static_cast<int>(message >> 16 & 0x7F);
    const int channel = (status & 0x0F) + 1;
    switch (status & 0xF0) {
        case 0x80: event = MidiEvent{MIDI_NOTE, channel, first, second, false}; return true;
        case 0x90: event = MidiEvent{MIDI_NOTE, channel, first, second, second > 0}; return true;
        case 0xB0: event = MidiEvent{MIDI_CONTROLLER, channel, first, second, second >= 64}; return true;
        case 0xC0: event = MidiEvent{MIDI_PROGRAM, channel, first, 127, true}; return true;
        default: return false;
    }
}

bool MidiControlIsFader(int control) { return control >= MIDI_SPEED && control < kMidiControlCount; }

void MidiMapClear() {
    for (MidiTrigger& t : g_midiMap) t = MidiTrigger{MIDI_NONE, 0, 0};
}

void MidiMapDefault() {
    MidiMapClear();
    for (int p = 0; p < 7; ++p) g_midiMap[MIDI_PLAY_PAD + p] = MidiTrigger{MIDI_NOTE, 0, kDrumNotes[p]};
}

namespace {
// The start value, in place before the main window exists.
[[maybe_unused]] const bool s_startMap = (MidiMapDefault(), true);
}  // namespace

bool MidiMapIsDefault() {
    for (int c = 0; c < kMidiControlCount; ++c) {
        const bool pad = c < MIDI_PLAY_PAD + 7;
        const MidiTrigger start = pad ? MidiTrigger{MIDI_NOTE, 0, kDrumNotes[c]} : MidiTrigger{MIDI_NONE, 0, 0};
        if (!Same(g_midiMap[c], start)) return false;
    }
    return true;
}

int MidiMapFind(int kind, int channel, int number) {
    for (int c = 0; c < kMidiControlCount; ++c) {
        if (Matches(g_midiMap[c], kind, channel, number)) return c;
    }
    return -1;
}

// A message on one channel also leaves a control that takes it on any
// channel, so that one message never works two controls.
void MidiMapBind(int control, MidiTrigger trigger) {
    if (control < 0 || control >= kMidiControlCount) return;
    for (MidiTrigger& t : g_midiMap) {
        if (Same(t, trigger) || Matches(t, trigger.kind, trigger.channel, trigger.number)) t = MidiTrigger{MIDI_NONE, 0, 0};
    }
    g_midiMap[control] = trigger;
}

const char* MidiControlName(int control) {
    return control >= 0 && control < kMidiControlCount ? kNames[control].file : "";
}

int MidiControlNamed(const char* name) {
    for (int c = 0; c < kMidiControlCount; ++c) {
        if (std::strcmp(kNames[c].file, name) == 0) return c;
    }
    return -1;
}

const char* MidiControlCaption(int control) {
    return control >= 0 && control < kMidiControlCount ? kNames[control].caption : "";
}
