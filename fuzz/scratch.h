// Files for the fuzz targets: inputs become files because the readers under
// test open paths. Each process writes into one scratch folder of its own,
// removed when the process exits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// The process's scratch folder, made at first use.
const std::string& ScratchDir();

// Writes `size` bytes as `name` in the scratch folder, replacing it; the path.
std::string WriteScratch(const std::string& name, const std::uint8_t* data, std::size_t size);

// A short 16-bit WAV tone of `frames` frames.
void WriteToneWav(const std::string& path, int frames, int rate, int channels);

}  // namespace fuzz
