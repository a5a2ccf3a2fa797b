#include "synth.h"

#include <algorithm>
#include <cmath>

namespace demo_disc {
namespace {

constexpr double kPi = 3.14159265358979323846;

double NoteHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Fixed-seed noise: the same sequence on every run.
class Noise {
public:
    double Next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t state_ = 0x1234567u;
};

// Adds `sound(t)` for `seconds` from `at` seconds, panned (-1 left .. 1 right).
template <typename Sound>
void Mix(std::vector<float>& out, double at, double seconds, double pan, Sound sound)
{
    auto first = static_cast<std::size_t>(at * kRate);
    auto count = static_cast<std::size_t>(seconds * kRate);
    double left = std::cos((pan + 1) * kPi / 4);
    double right = std::sin((pan + 1) * kPi / 4);
    for (std::size_t i = 0; i < count && (first + i) * 2 + 1 < out.size(); ++i) {
        double value = sound(static_cast<double>(i) / kRate);
        out[(first + i) * 2] += static_cast<float>(value * left);
        out[(first + i) * 2 + 1] += static_cast<float>(value * right);
    }
}

void Kick(std::vector<float>& out, double at)
{
    Mix(out, at, 0.35, 0, [phase = 0.0](double t) mutable {
        phase += 2 * kPi * (45 + 110 * std::exp(-t * 30)) / kRate;
        return 0.9 * std::sin(phase) * std::exp(-t * 9);
    });
}

void Snare(std::vector<float>& out, double at, Noise& noise)
{
    Mix(out, at, 0.25, 0.1, [&noise](double t) {
        return (0.45 * noise.Next() + 0.3 * std::sin(2 * kPi * 190 * t)) * std::exp(-t * 18);
    });
}

void Hat(std::vector<float>& out, double at, Noise& noise)
{
    Mix(out, at, 0.06, 0.35, [&noise, last = 0.0](double t) mutable {
        double n = noise.Next();
        double high = n - last;  // crude high-pass: hats hiss, they do not thump
        last = n;
        return 0.18 * high * std::exp(-t * 70);
    });
}

void Bass(std::vector<float>& out, double at, double seconds, int note)
{
    double hz = NoteHz(note);
    Mix(out, at, seconds, -0.1, [hz, seconds, low = 0.0](double t) mutable {
        double saw = 2 * std::fmod(t * hz, 1.0) - 1;
        low += (saw - low) * 0.08;  // one-pole low-pass for a round bass
        double envelope = std::min(1.0, t * 200) * std::exp(-t * 3) * std::min(1.0, (seconds - t) * 200);
        return 0.45 * low * envelope;
    });
}

void Tone(std::vector<float>& out, double at, double seconds, int note, double level, double pan)
{
    double hz = NoteHz(note);
    Mix(out, at, seconds, pan, [hz, seconds, level](double t) {
        double envelope = std::min(1.0, t * 30) * std::min(1.0, (seconds - t) * 30);
        return level * envelope * (std::sin(2 * kPi * hz * t) + 0.3 * std::sin(4 * kPi * hz * t));
    });
}

}  // namespace

std::vector<float> Render(const Song& song)
{
    double beat = 60.0 / song.tempo;
    double step = beat / 4;
    double bar = beat * 4;
    double tail = 1.0;
    auto frames = static_cast<std::size_t>((song.bars * bar + tail) * kRate);
    std::vector<float> out(frames * 2, 0.0f);
    Noise noise;

    for (int b = 0; b < song.bars; ++b) {
        double barStart = b * bar;
        for (int s = 0; s < 16; ++s) {
            double at = barStart + s * step;
            if (song.kicks[static_cast<std::size_t>(s)] == 'x') Kick(out, at);
            if (song.snares[static_cast<std::size_t>(s)] == 'x') Snare(out, at, noise);
            if (song.hats[static_cast<std::size_t>(s)] == 'x') Hat(out, at, noise);
        }
        for (int e = 0; e < 8; ++e) {
            int note = song.bassNotes[static_cast<std::size_t>(b * 8 + e) % song.bassNotes.size()];
            if (note > 0) Bass(out, barStart + e * beat / 2, beat / 2 * 0.9, note);
        }
        const std::vector<int>& chord = song.chords[static_cast<std::size_t>(b) % song.chords.size()];
        for (int note : chord) Tone(out, barStart, bar, note, 0.06, 0.0);
        if (song.leadLevel > 0) {
            for (int e = 0; e < 8; ++e) {
                int note = chord[static_cast<std::size_t>(e) % chord.size()] + 12;
                Tone(out, barStart + e * beat / 2, beat / 2 * 0.8, note, song.leadLevel, e % 2 ? 0.5 : -0.5);
            }
        }
    }
    // Fade the last bar out so the track ends gently.
    auto fade = static_cast<std::size_t>(bar * kRate);
    for (std::size_t i = 0; i < fade && i < frames; ++i) {
        auto gain = static_cast<float>(static_cast<double>(i) / static_cast<double>(fade));
        out[(frames - 1 - i) * 2] *= gain;
        out[(frames - 1 - i) * 2 + 1] *= gain;
    }
    float peak = 0;
    for (float v : out) peak = std::max(peak, std::abs(v));
    if (peak > 0.95f) {
        for (float& v : out) v *= 0.95f / peak;
    }
    return out;
}

}  // namespace demo_disc
