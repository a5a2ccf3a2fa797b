// The MIDI map's section of a set file. It follows the rate's section, so
// that a console that knows nothing of MIDI reads the file as before: such a
// reader skips every line after the rate's.
#pragma once

#include "pads/midi_map.h"

// "*", the section's first line "#MIDI map", then a line a control:
// name, kind, channel (0 = any), number.
constexpr int kMidiSectionMaxBytes = 2 + 10 + kMidiControlCount * 32;

// Writes the section into `out` (with room for `room` bytes, terminator
// included); returns the bytes written, 0 when they would not fit. The
// map the console starts with writes nothing: the file is then the same
// as one without MIDI, byte for byte.
int MidiSectionFormat(char* out, int room);

// Reading: lines of the sections after the rate's. The map changes only
// once the section's first line has come, so a file without the section
// keeps the map the console has.
struct MidiSectionReader {
    bool started = false;
};
void MidiSectionReadLine(MidiSectionReader& reader, const char* line);
