// Turns the bytes of a MIDI stream into whole channel messages: running
// status, system real-time bytes between data bytes, system exclusive data
// of any length and stray data bytes are all taken in their stride.
#pragma once

#include <cstdint>

namespace midi {

struct Decoder {
    std::uint8_t status = 0;  // running status; 0 when none holds
    std::uint8_t data[2] = {};
    int count = 0;        // data bytes taken of the message under way
    int skip = 0;         // data bytes of a system common message still to pass over
    bool exclusive = false;
};

// A channel message packed as status | first data byte << 8 | second << 16;
// 0 is never a message.
using Packed = std::uint32_t;

// Feeds one byte. Returns the message it completes, or 0.
Packed Decode(Decoder& decoder, std::uint8_t byte);

}  // namespace midi
