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
    // The system's handle of the open file: a descriptor, or a Windows HANDLE.
    using Handle = std::intptr_t;
    RawFile(Handle file, bool bigEndian) : file_(file), bigEndian_(bigEndian) {}
    // Reads up to `size` bytes at `offset` without moving a shared position,
    // so that readers on several threads never disturb each other. The bytes
    // read, fewer only at the end of the file; -1 when the file cannot be read.
    std::int64_t ReadAt(std::uint64_t offset, unsigned char* bytes, std::size_t size);

    Handle file_;
    bool bigEndian_;
};

}  // namespace cdaudio
