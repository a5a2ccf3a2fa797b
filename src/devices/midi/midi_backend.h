// What the MIDI inputs ask of the system's MIDI library: the sources it
// offers and a way to listen to one. The real one is RtMidi's; tests put in
// a stand-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace midi {

// Called on the source's own thread with the bytes of one or more messages.
using Receive = void (*)(void* context, const std::uint8_t* bytes, std::size_t size);

// A source being listened to. Destroying it stops the listening: once the
// destructor has returned, Receive is not called again.
class Listening {
public:
    virtual ~Listening() = default;
};

class Backend {
public:
    virtual ~Backend() = default;
    // Every source the system offers now, each under a name of its own that
    // stays the same while the source is there.
    virtual std::vector<std::string> Sources() = 0;
    // Null when the source cannot be opened (gone already, refused).
    virtual std::unique_ptr<Listening> Listen(const std::string& source, Receive receive, void* context) = 0;
};

// The system's: on Linux the ALSA sequencer and JACK (while a JACK server
// runs), on Windows the multimedia MIDI input devices.
std::unique_ptr<Backend> SystemBackend();

}  // namespace midi
