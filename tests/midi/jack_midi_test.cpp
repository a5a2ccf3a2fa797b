// The whole way from a JACK MIDI client to a pad: a JACK server of the
// test's own (dummy driver, a name no other server has), a client sending
// the drum note of pad 1, the system's MIDI inputs listening, and the pad's
// channel playing in the engine.
#include <fcntl.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "console/pads/pad_console.h"
#include "devices/midi/midi_inputs.h"
#include "pads/midi_console.h"
#include "portable.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

void Post(void* window, midi::Packed message, std::uint32_t source) {
    win::PostMessageA(static_cast<win::HWND>(window), WM_MIDI_INPUT, message, static_cast<win::LPARAM>(source));
}

void Quiet(const char*) {}

// jackd with the dummy driver under a name of its own, in a private runtime folder.
class JackServer {
public:
    JackServer() : name_("tornel-midi-test-" + std::to_string(getpid())), runtime_(dir_.Path()) {
        setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        jack_set_error_function(Quiet);
        jack_set_info_function(Quiet);
        const char* argv[] = {"jackd", "--no-realtime", "-n", name_.c_str(), "-d", "dummy", "-r", "48000", "-p", "256", nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "jackd", &quiet, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&quiet);
    }
    ~JackServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Started() const { return pid_ > 0; }

private:
    SampleFolder dir_;
    std::string name_;
    std::string runtime_;
    pid_t pid_ = 0;
};

// A client with one MIDI output that sends a note-on and its note-off each
// time it is asked to.
class Sender {
public:
    bool Open() {
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (!client_ && Clock::now() < deadline) {
            client_ = jack_client_open("tornel-sender", JackNoStartServer, nullptr);
            if (!client_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (!client_) return false;
        port_ = jack_port_register(client_, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        jack_set_process_callback(client_, Process, this);
        return port_ && jack_activate(client_) == 0;
    }
    ~Sender() {
        if (client_) jack_client_close(client_);
    }
    void Hit() { pending_.fetch_add(1); }

private:
    static int Process(jack_nframes_t frames, void* self) {
        auto* s = static_cast<Sender*>(self);
        void* buffer = jack_port_get_buffer(s->port_, frames);
        jack_midi_clear_buffer(buffer);
        if (s->pending_.load() > 0) {
            s->pending_.fetch_sub(1);
            const jack_midi_data_t on[3] = {0x99, 36, 100};
            const jack_midi_data_t off[3] = {0x89, 36, 0};
            jack_midi_event_write(buffer, 0, on, 3);
            jack_midi_event_write(buffer, frames - 1, off, 3);
        }
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* port_ = nullptr;
    std::atomic<int> pending_{0};
};

}  // namespace

class JackMidi : public PadConsole {};

TEST_F(JackMidi, DrumNoteFromAJackClientPlaysPadOne) {
    JackServer server;
    ASSERT_TRUE(server.Started()) << "jackd could not be started";
    Sender sender;
    ASSERT_TRUE(sender.Open()) << "the test's JACK server did not answer";
    Load(0, dir.Wav("KICK.WAV"));
    Forget();
    midi::Inputs inputs(midi::SystemBackend(), Post, Window());
    inputs.Rescan();
    ASSERT_EQ(inputs.ListeningCount(), 1u);

    // The connection is made as the input opens; a note sent before it is
    // lost, so the note goes again until one arrives.
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (EngineSpyCalls("EnginePlay").empty() && Clock::now() < deadline) {
        sender.Hit();
        const auto wait = Clock::now() + std::chrono::milliseconds(100);
        while (EngineSpyCalls("EnginePlay").empty() && Clock::now() < wait) c.host.Pump();
    }
    ASSERT_FALSE(EngineSpyCalls("EnginePlay").empty());
    EXPECT_EQ(EngineSpyCalls("EnginePlay")[0], "EnginePlay(1,loops=0)");
}
