// The system's MIDI sources through RtMidi. RtMidi reports trouble by
// exceptions and by an error callback; both stop here, and a source that
// fails simply is not listened to.
#include <RtMidi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "devices/midi/midi_backend.h"

#ifdef __linux__
#include <jack/jack.h>
#include <unistd.h>
#endif

namespace midi {

namespace {

constexpr const char* kClientName = "Tornel";

void Quiet(RtMidiError::Type, const std::string&, void*) {}

struct Api {
    RtMidi::Api api;
    const char* prefix;  // keeps the names of the libraries' sources apart
    bool (*available)();
    std::unique_ptr<RtMidiIn> lister;
};

#ifdef __linux__
void QuietJack(const char*) {}

// Without the sequencer device, creating an ALSA client fails noisily.
bool AlsaAvailable() { return access("/dev/snd/seq", F_OK) == 0; }

// Asked before RtMidi opens a client of its own, which would complain on
// the terminal at every look while no server runs. A server is never started.
bool JackServerRuns() {
    jack_set_error_function(QuietJack);
    jack_set_info_function(QuietJack);
    jack_status_t status;
    jack_client_t* client = jack_client_open("Tornel probe", JackNoStartServer, &status);
    if (client == nullptr) return false;
    jack_client_close(client);
    return true;
}
#else
bool Always() { return true; }
#endif

std::vector<Api> SystemApis() {
    std::vector<Api> apis;
#ifdef __linux__
    apis.push_back({RtMidi::LINUX_ALSA, "ALSA: ", AlsaAvailable, nullptr});
    apis.push_back({RtMidi::UNIX_JACK, "JACK: ", JackServerRuns, nullptr});
#elif defined(_WIN32)
    apis.push_back({RtMidi::WINDOWS_MM, "", Always, nullptr});
#endif
    return apis;
}

std::unique_ptr<RtMidiIn> NewInput(RtMidi::Api api) {
    try {
        auto input = std::make_unique<RtMidiIn>(api, kClientName);
        input->setErrorCallback(Quiet, nullptr);
        return input;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

class RtListening final : public Listening {
public:
    RtListening(std::unique_ptr<RtMidiIn> input, Receive receive, void* context)
        : input_(std::move(input)), receive_(receive), context_(context) {}
    ~RtListening() override {
        try {
            input_->closePort();
        } catch (const RtMidiError&) {
        }
    }

    void Start(unsigned port) {
        // Clock, time code, active sensing and system exclusive data name no
        // control: they are dropped before they reach the decoder.
        input_->ignoreTypes(true, true, true);
        input_->setCallback(Received, this);
        input_->openPort(port, "Tornel MIDI in");
    }

private:
    static void Received(double, std::vector<unsigned char>* message, void* self) {
        auto* listening = static_cast<RtListening*>(self);
        if (message && !message->empty()) listening->receive_(listening->context_, message->data(), message->size());
    }

    std::unique_ptr<RtMidiIn> input_;
    Receive receive_;
    void* context_;
};

class RtBackend final : public Backend {
public:
    RtBackend() : apis_(SystemApis()) {}

    std::vector<std::string> Sources() override {
        std::vector<std::string> names;
        for (Api& api : apis_) {
            if (!api.lister) {
                if (!api.available()) continue;
                api.lister = NewInput(api.api);
                if (!api.lister) continue;
            }
            for (const std::string& name : PortNames(*api.lister)) names.push_back(api.prefix + name);
        }
        return names;
    }

    std::unique_ptr<Listening> Listen(const std::string& source, Receive receive, void* context) override {
        for (Api& api : apis_) {
            const std::string prefix = api.prefix;
            if (!api.lister || source.compare(0, prefix.size(), prefix) != 0) continue;
            const std::string name = source.substr(prefix.size());
            const std::vector<std::string> names = PortNames(*api.lister);
            for (unsigned port = 0; port < names.size(); ++port) {
                if (names[port] != name) continue;
                std::unique_ptr<RtMidiIn> input = NewInput(api.api);
                if (!input) return nullptr;
                auto listening = std::make_unique<RtListening>(std::move(input), receive, context);
                try {
                    listening->Start(port);
                } catch (const RtMidiError&) {
                    return nullptr;
                }
                return listening;
            }
        }
        return nullptr;
    }

private:
    static std::vector<std::string> PortNames(RtMidiIn& input) {
        std::vector<std::string> names;
        try {
            const unsigned count = input.getPortCount();
            for (unsigned port = 0; port < count; ++port) {
                std::string name = input.getPortName(port);
                if (!name.empty()) names.push_back(std::move(name));
            }
        } catch (const RtMidiError&) {
            names.clear();
        }
        return names;
    }

    std::vector<Api> apis_;
};

}  // namespace

std::unique_ptr<Backend> SystemBackend() { return std::make_unique<RtBackend>(); }

}  // namespace midi
