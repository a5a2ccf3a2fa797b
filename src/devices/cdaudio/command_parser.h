// Parsing of the "cdaudio" command strings into a plain record. Pure and
// allocation-free over the input: any byte string is accepted and either
// parsed or rejected with an error code.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win.h"

namespace cdaudio {

enum class Verb { Open, Status, Set, Play, Seek, Stop };

enum class Query { NumberOfTracks, Length, TrackLength, Position, CurrentTrack, MediaPresent, Mode };

enum class Setting { TimeFormatMilliseconds, TimeFormatTmsf, DoorOpen, DoorClosed };

// A position as written: a bare number ("5", "-300") or colon-separated
// fields ("3:00:12:40"); what it means depends on the time format.
struct PositionText {
    int fieldCount = 0;             // 0: no position given
    std::int64_t fields[4] = {};    // first field may be negative
    bool start = false;             // "to start"
};

struct Command {
    win::MCIERROR error = 0;        // non-zero: rejected, nothing else is valid
    Verb verb = Verb::Open;
    Query query = Query::NumberOfTracks;
    Setting setting = Setting::TimeFormatMilliseconds;
    std::int64_t track = 0;         // "status cdaudio length track N"
    PositionText position;          // play from / seek to
};

Command ParseCommand(std::string_view text);

}  // namespace cdaudio
