#include "commands/set_file_midi.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kSectionStart[] = "#MIDI map";

struct KindName {
    int kind;
    const char* name;
};
constexpr KindName kKinds[] = {{MIDI_NOTE, "note"}, {MIDI_CONTROLLER, "controller"}, {MIDI_PROGRAM, "program"}};

const char* KindNameOf(int kind) {
    for (const KindName& k : kKinds) {
        if (k.kind == kind) return k.name;
    }
    return nullptr;
}

int KindNamed(const char* name) {
    for (const KindName& k : kKinds) {
        if (std::strcmp(k.name, name) == 0) return k.kind;
    }
    return MIDI_NONE;
}

}  // namespace

int MidiSectionFormat(char* out, int room) {
    if (room <= 0) return 0;
    out[0] = '\0';
    if (MidiMapIsDefault()) return 0;
    int length = std::snprintf(out, static_cast<std::size_t>(room), "*\n%s\n", kSectionStart);
    for (int c = 0; c < kMidiControlCount && length >= 0 && length < room; ++c) {
        const MidiTrigger& t = g_midiMap[c];
        const char* kind = KindNameOf(t.kind);
        if (kind == nullptr) continue;
        length += std::snprintf(out + length, static_cast<std::size_t>(room - length), "%s %s %d %d\n",
                                MidiControlName(c), kind, t.channel, t.number);
    }
    if (length < 0 || length >= room) {
        out[0] = '\0';
        return 0;
    }
    return length;
}

// A line that names no control, kind, channel or number in range is
// skipped; the others go through the map's own binding, so that one
// message never works two controls whatever the file says.
void MidiSectionReadLine(MidiSectionReader& reader, const char* line) {
    if (std::strncmp(line, kSectionStart, sizeof kSectionStart - 1) == 0) {
        reader.started = true;
        MidiMapClear();
        return;
    }
    if (!reader.started || line[0] == '#') return;
    char control[16];
    char kind[16];
    int channel = -1;
    int number = -1;
    char rest = 0;
    const int fields = std::sscanf(line, "%15s %15s %d %d %c", control, kind, &channel, &number, &rest);
    if (fields != 4) return;
    const int c = MidiControlNamed(control);
    const int k = KindNamed(kind);
    if (c < 0 || k == MIDI_NONE || channel < 0 || channel > 16 || number < 0 || number > 127) return;
    MidiMapBind(c, MidiTrigger{k, channel, number});
}
