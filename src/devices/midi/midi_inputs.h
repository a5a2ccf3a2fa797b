// Listens to every MIDI source the system offers, from start-up on and to
// each new one as it appears, and hands each decoded channel message to a
// sink on the source's own thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "devices/midi/midi_backend.h"
#include "devices/midi/midi_decoder.h"

namespace midi {

// Called on a source's thread: it must neither block nor allocate. `source`
// numbers the source from 1, never reused in one run; the message kPortGone
// says the source has gone, and nothing more comes from it.
using Sink = void (*)(void* context, Packed message, std::uint32_t source);
constexpr Packed kPortGone = 0;

class Inputs {
public:
    Inputs(std::unique_ptr<Backend> backend, Sink sink, void* context);
    ~Inputs();
    Inputs(const Inputs&) = delete;
    Inputs& operator=(const Inputs&) = delete;

    // Listens to the sources that have appeared, lets go of those that
    // have gone. Not to be called while Watch runs.
    void Rescan();
    // Rescans at once and then every `period`, on a thread of its own.
    void Watch(std::chrono::milliseconds period);
    std::size_t ListeningCount() const { return sources_.size(); }

private:
    struct Source {
        Inputs* owner;
        std::uint32_t id;
        std::string name;
        Decoder decoder;  // touched only by the source's thread
        std::unique_ptr<Listening> listening;
    };
    static void Received(void* context, const std::uint8_t* bytes, std::size_t size);
    void Close(std::unique_ptr<Source>& source);
    void StopWatching();

    std::unique_ptr<Backend> backend_;
    Sink sink_;
    void* context_;
    std::uint32_t lastId_ = 0;
    std::vector<std::unique_ptr<Source>> sources_;
    std::mutex watchMutex_;
    std::condition_variable watchWake_;
    bool stopping_ = false;
    std::thread watcher_;
};

}  // namespace midi
