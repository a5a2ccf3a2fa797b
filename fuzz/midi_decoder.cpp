// The MIDI decoder over any byte stream: every message it gives is a whole
// channel message, and a note-on it gives afterwards is decoded the same
// whatever came before.
#include <cstdlib>

#include "devices/midi/midi_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    midi::Decoder decoder;
    for (std::size_t i = 0; i < size; ++i) {
        const midi::Packed m = midi::Decode(decoder, data[i]);
        if (m == 0) continue;
        const unsigned status = m & 0xFF;
        if (status < 0x80 || status >= 0xF0 || (m >> 8 & 0x80) || (m >> 16 & 0x80) || (m >> 24) != 0) std::abort();
    }
    const std::uint8_t noteOn[3] = {0x95, 36, 100};
    midi::Packed last = 0;
    for (std::uint8_t b : noteOn) last = midi::Decode(decoder, b);
    if (last != 0x642495) std::abort();
    return 0;
}
