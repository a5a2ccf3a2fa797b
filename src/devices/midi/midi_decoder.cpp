#include "devices/midi/midi_decoder.h"

namespace midi {

namespace {

// Program change and channel pressure carry one data byte, the others two.
int DataBytes(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Data bytes that follow the system common messages.
int CommonDataBytes(std::uint8_t status) {
    if (status == 0xF2) return 2;  // song position
    if (status == 0xF1 || status == 0xF3) return 1;  // time code quarter frame, song select
    return 0;
}

Packed Pack(std::uint8_t status, std::uint8_t first, std::uint8_t second) {
    return static_cast<Packed>(status) | static_cast<Packed>(first) << 8 | static_cast<Packed>(second) << 16;
}

}  // namespace

Packed Decode(Decoder& d, std::uint8_t byte) {
    if (byte >= 0xF8) return 0;  // real time: may come anywhere, changes nothing
    if (byte & 0x80) {
        d.count = 0;
        d.skip = 0;
        d.exclusive = byte == 0xF0;
        if (byte < 0xF0) {
            d.status = byte;
        } else {
            // System common and exclusive messages end the running status.
            d.status = 0;
            d.skip = CommonDataBytes(byte);
        }
        return 0;
    }
    if (d.exclusive) return 0;
    if (d.skip > 0) {
        --d.skip;
        return 0;
    }
    if (d.status == 0) return 0;  // a data byte without a status to belong to
    d.data[d.count++] = byte;
    if (d.count < DataBytes(d.status)) return 0;
    d.count = 0;
    return Pack(d.status, d.data[0], DataBytes(d.status) == 2 ? d.data[1] : 0);
}

}  // namespace midi
