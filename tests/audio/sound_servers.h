// Real sound servers for the output's tests, each in a private runtime
// folder under a name of its own, started, killed and started again by the
// test: PulseAudio with a null sink, jackd with its dummy driver.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace audio_test {

class ServerProcess {
public:
    ~ServerProcess() { Kill(); }
    // Runs `argv` with the environment of the test; false when it cannot start.
    bool Spawn(const std::vector<std::string>& argv);
    // SIGKILL, as a crash; waits for it to end.
    void Kill();
    // SIGTERM, SIGKILL after a while; waits for it to end.
    void Stop();
    void Pause();   // SIGSTOP: the server holds its connections and answers nothing
    void Resume();  // SIGCONT
    bool Running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
};

// Runs `command` through the shell; its standard output, or "" on failure.
std::string Capture(const std::string& command);
// True when `program` is on the PATH.
bool Installed(const std::string& program);

// A PulseAudio server with one null sink, "tornel_test", as the default;
// PULSE_SERVER of this process points at it.
class PulseServer {
public:
    PulseServer();
    ~PulseServer();
    // Without a sink, the server accepts clients and refuses every stream.
    bool Start(bool withSink = true);
    void Kill() { process_.Kill(); }
    ServerProcess& Process() { return process_; }
    // `pactl` over this server.
    std::string Pactl(const std::string& arguments) const;
    // What the sink played in the next `seconds`, interleaved stereo.
    std::vector<float> Record(double seconds) const;

private:
    std::string folder_;
    ServerProcess process_;
};

// A jackd with the dummy driver under a server name of its own, which
// JACK_DEFAULT_SERVER of this process names.
class JackServer {
public:
    JackServer();
    ~JackServer();
    bool Start(int rate, int period = 256);
    // Ended from outside: its clients are dropped as after a crash, and it
    // still frees its place among the machine's JACK servers, which a
    // SIGKILL would leave taken (eight at most).
    void Kill() { process_.Stop(); }
    std::string Ports(const std::string& options = "") const;  // jack_lsp
    // What `port` played in the next `seconds`.
    std::vector<float> Record(const std::string& port, int seconds) const;

private:
    std::string folder_;
    ServerProcess process_;
};

}  // namespace audio_test
