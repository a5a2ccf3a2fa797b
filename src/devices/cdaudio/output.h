// Where the rendered frames go: PortAudio's default output, or a null
// output that takes frames in real time and drops them.
#pragma once

#include <memory>

#include "devices/cdaudio/renderer.h"

namespace cdaudio {

class AudioSink {
public:
    virtual ~AudioSink() = default;
    // GUI thread: true once the sink stopped taking frames (device lost).
    virtual bool Lost() const = 0;
};

// Null when there is no default output or it cannot be opened.
std::unique_ptr<AudioSink> OpenDefaultOutput(Renderer& renderer);
std::unique_ptr<AudioSink> StartNullOutput(Renderer& renderer);

}  // namespace cdaudio
