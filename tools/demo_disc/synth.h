// A tiny drum machine and synthesiser for the demo disc: everything is
// computed from the track's pattern, with no randomness but a fixed-seed
// noise generator, so every build writes the same samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo_disc {

constexpr int kRate = 44100;

struct Song {
    std::string name;           // file name without ".wav"
    double tempo;               // beats per minute
    int bars;                   // of four beats
    std::string kicks;          // 16 steps a bar: 'x' hits
    std::string snares;
    std::string hats;
    std::vector<int> bassNotes; // MIDI note per eighth note, looped; 0 rests
    std::vector<std::vector<int>> chords;  // one chord a bar, looped
    double leadLevel;           // arpeggio over the chords, 0 for none
};

// Interleaved stereo, -1..1.
std::vector<float> Render(const Song& song);

}  // namespace demo_disc
