// Stand-in sound servers in place of the system's back ends, for the tests
// that a real server cannot show: which back end is chosen, what happens
// when each refuses or goes away, underflows on demand. The test pulls the
// sound itself, as a server would.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace audio_test {

struct StandInServer {
    std::string name;  // the back end it stands in for: "JACK", "PulseAudio", "ALSA"
    bool refuses = false;
    int rate = 44100;
    std::chrono::milliseconds openDelay{0};
};

// Outputs opened while one lives find these servers, in this order.
class StandIns {
public:
    explicit StandIns(std::vector<StandInServer> servers);
    ~StandIns();  // the system's back ends again
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    // Pulls `frames` from the open stream of the output named `stream` (its
    // stream name); false when none is open.
    bool Pull(const std::string& stream, float* out, std::size_t frames);
    // The server whose stream for `stream` is open, or "".
    std::string ServerOf(const std::string& stream) const;
    // The server goes away: its streams fail and it refuses until revived.
    void Kill(const std::string& server);
    void Revive(const std::string& server);
    // The server reports an underflow on the stream.
    void Underflow(const std::string& stream);
};

}  // namespace audio_test
