// A disc for the virtual drive: a fresh temporary folder of short WAV tracks
// (44.1 kHz, stereo, 16-bit, a quiet tone), removed again at the end.
//
//   VirtualDisc disc({2000, 3000, 1000});       // three tracks: 2 s, 3 s, 1 s
//   ConsoleOptions options;
//   options.disc = disc.Folder();
#pragma once

#include <string>
#include <vector>

class VirtualDisc {
public:
    // Track i lasts lengthsMs[i]; whole CD frames (multiples of 1000/75 ms,
    // e.g. whole seconds) keep the drive's lengths exact.
    explicit VirtualDisc(const std::vector<int>& lengthsMs);
    ~VirtualDisc();
    VirtualDisc(const VirtualDisc&) = delete;
    VirtualDisc& operator=(const VirtualDisc&) = delete;

    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};
