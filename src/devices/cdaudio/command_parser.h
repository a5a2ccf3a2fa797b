// Parsing of the "cdaudio" command strings into a plain record. Pure and
// allocation-free over the input: any byte string is accepted and either
// parsed or rejected with the error code a drive gives for it.
//
// A command is a verb, a device name and flags in any order. The parser
// checks the words against the verb's flags; what the flags mean for the
// disc (a position past the end, a track that is not there) is the device's.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win.h"

namespace cdaudio {

enum class Verb { Open, Close, Status, Set, Play, Seek, Stop, Pause, Resume, Capability, Info, Sysinfo };

// The one thing a status, capability, info or sysinfo command asks for.
enum class Item {
    None,
    // status
    CurrentTrack, Length, MediaPresent, Mode, NumberOfTracks, Position, Ready, StartPosition, TimeFormat, Type,
    // capability
    CanEject, CanPlay, CanRecord, CanSave, CompoundDevice, DeviceType, HasAudio, HasVideo, UsesFiles,
    // info, in the order a command naming several answers them
    Product, Identity, Upc, MissingFile,
    // sysinfo
    Quantity, Name, InstallName,
};

enum class TimeFormat { Milliseconds, Msf, Tmsf };

// The channels "set ... audio" switches.
enum class Channels { All, Left, Right };

// A position as written: a bare number ("5", "-300") or colon-separated
// fields ("3:00:12:40"); what it means depends on the time format.
struct PositionText {
    int fieldCount = 0;             // 0: no position given
    std::int64_t fields[4] = {};    // first field may be negative
};

struct Command {
    win::MCIERROR error = 0;        // non-zero: rejected, what follows is partial
    Verb verb = Verb::Open;
    std::string_view device;        // the second word, as written ("" when missing)
    bool notify = false;
    bool wait = false;
    Item item = Item::None;
    bool hasTrack = false;          // "... track N"
    bool start = false;             // status ... start (with position: the start position)
    std::int64_t track = 0;
    PositionText from;              // play from
    PositionText to;                // play to, seek to
    bool toStart = false;           // seek to start
    bool toEnd = false;             // seek to end
    bool hasTimeFormat = false;
    TimeFormat timeFormat = TimeFormat::Milliseconds;
    bool doorOpen = false;
    bool doorClosed = false;
    bool hasAudio = false;          // set ... audio all | left | right
    Channels audio = Channels::All;
    bool video = false;             // set ... video
    bool on = false;
    bool off = false;
    std::string_view disc;          // set ... door closed disc "PATH": the disc put in ("" when none)
    std::string_view alias;         // open ... alias A ("" when none)
    bool shareable = false;
    bool openOnly = false;          // sysinfo ... open
    std::int64_t index = 0;         // sysinfo ... name N
};

Command ParseCommand(std::string_view text);

}  // namespace cdaudio
