// Disc positions as the replies write them and the commands give them, in
// the device's three time formats: milliseconds from the start of the first
// track; "mm:ss:ff" minutes, seconds and frames (75 a second) from the same
// origin; "tt:mm:ss:ff", the same within track tt.
//
// A position is written rounded up to the format's step, and a written
// position names the last frame written so: playing from a position just
// read back never starts before the frame that was reported, at most one
// step after it (44 frames in milliseconds, a CD frame otherwise), and a
// position written, resolved and written again reads the same.
#pragma once

#include <string>
#include <vector>

#include "devices/cdaudio/command_parser.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio {

// Rounded down: a length never overstates what there is to hear.
std::uint64_t FramesToMs(std::uint64_t frames);
// Rounded up, as positions are written.
std::uint64_t FramesToMsRoundedUp(std::uint64_t frames);
// The frame that `ms` names.
std::uint64_t MsToFrames(std::uint64_t ms);

// The track holding `position` (0-based); at the end of the disc the last.
std::size_t TrackIndexAt(const std::vector<Track>& tracks, std::uint64_t position);

std::string FormatPosition(const std::vector<Track>& tracks, std::uint64_t position, TimeFormat format);
// A length: milliseconds, or "mm:ss:ff" in both other formats.
std::string FormatLength(std::uint64_t frames, TimeFormat format);

// The disc frame that a written position names; false when it lies outside
// the disc (a negative value, track 0, a track past the last, past the end).
bool ResolvePosition(const PositionText& text, TimeFormat format, const std::vector<Track>& tracks,
                     std::uint64_t& frame);

}  // namespace cdaudio
