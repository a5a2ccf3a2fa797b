#include "devices/midi/midi_inputs.h"

#include <algorithm>

namespace midi {

Inputs::Inputs(std::unique_ptr<Backend> backend, Sink sink, void* context)
    : backend_(std::move(backend)), sink_(sink), context_(context) {}

Inputs::~Inputs() {
    StopWatching();
    for (auto& source : sources_) Close(source);
}

void Inputs::Received(void* context, const std::uint8_t* bytes, std::size_t size) {
    auto* source = static_cast<Source*>(context);
    for (std::size_t i = 0; i < size; ++i) {
        const Packed message = Decode(source->decoder, bytes[i]);
        if (message != 0) source->owner->sink_(source->owner->context_, message, source->id);
    }
}

// The listening ends before the sink hears of it, so that no message of the
// source can follow its notice of departure.
void Inputs::Close(std::unique_ptr<Source>& source) {
    source->listening.reset();
    sink_(context_, kPortGone, source->id);
    source.reset();
}

void Inputs::Rescan() {
    const std::vector<std::string> offered = backend_->Sources();
    for (auto& source : sources_) {
        if (std::find(offered.begin(), offered.end(), source->name) == offered.end()) Close(source);
    }
    std::erase(sources_, nullptr);
    for (const std::string& name : offered) {
        const bool known = std::any_of(sources_.begin(), sources_.end(),
                                       [&name](const std::unique_ptr<Source>& s) { return s->name == name; });
        if (known) continue;
        auto source = std::make_unique<Source>();
        source->owner = this;
        source->id = ++lastId_;
        source->name = name;
        source->listening = backend_->Listen(name, Received, source.get());
        // One that cannot be opened now is tried again at the next rescan.
        if (source->listening) sources_.push_back(std::move(source));
    }
}

// The first look too is the watcher's: opening the system's MIDI clients
// keeps no one waiting.
void Inputs::Watch(std::chrono::milliseconds period) {
    watcher_ = std::thread([this, period] {
        Rescan();
        std::unique_lock<std::mutex> lock(watchMutex_);
        while (!watchWake_.wait_for(lock, period, [this] { return stopping_; })) {
            lock.unlock();
            Rescan();
            lock.lock();
        }
    });
}

void Inputs::StopWatching() {
    if (!watcher_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(watchMutex_);
        stopping_ = true;
    }
    watchWake_.notify_all();
    watcher_.join();
}

}  // namespace midi
