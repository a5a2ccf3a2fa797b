// A headerless image of 16-bit stereo samples in either byte order, as
// BIN/CUE and cdrdao images hold audio.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace cdaudio {

class RawFile {
public:
    static std::unique_ptr<RawFile> Open(const std::string& path, bool bigEndian);
    ~RawFile();
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    // Fills `frames` frames from byte `offset`. What lies past the end of
    // the file is silence (an image may end inside its last sector); false
    // only when the file cannot be read.
    bool Read(std::uint64_t offset, std::int16_t* out, std::size_t frames);

private:
    RawFile(int fd, bool bigEndian) : fd_(fd), bigEndian_(bigEndian) {}
    int fd_;
    bool bigEndian_;
};

}  // namespace cdaudio
