#include "engine/kernel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace engine {
namespace {

// Zero crossings on each side, and the Kaiser window's shape: together they
// keep images and aliases near -90 dB across the band.
constexpr double kHalfWidth = 32;
constexpr double kBeta = 9.6;
// The passband ends a little below the Nyquist frequency, where the
// window's transition begins.
constexpr double kPassband = 0.97;
// Fractions between two frames with weights of their own; linear between
// them keeps the error far below the 16-bit samples' own.
constexpr size_t kPhases = 512;

double BesselI0(double x) {
    double sum = 1, term = 1;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

double WindowedSinc(double u) {
    if (std::fabs(u) >= kHalfWidth)
        return 0.0;
    const double sinc = u == 0 ? 1.0 : std::sin(std::numbers::pi * u) / (std::numbers::pi * u);
    const double r = u / kHalfWidth;
    static const double norm = BesselI0(kBeta);
    return sinc * BesselI0(kBeta * std::sqrt(1 - r * r)) / norm;
}

} // namespace

Kernel::Kernel(double step) {
    const double scale = kPassband / std::max(1.0, step); // kernel units per mix frame
    halfTaps_ = size_t(std::ceil(kHalfWidth / scale));
    taps_ = 2 * halfTaps_;
    rows_.resize((kPhases + 1) * taps_);
    for (size_t phase = 0; phase <= kPhases; ++phase) {
        const double fraction = double(phase) / kPhases;
        for (size_t k = 0; k < taps_; ++k) {
            const double distance = double(k) - double(halfTaps_ - 1) - fraction;
            rows_[phase * taps_ + k] = float(scale * WindowedSinc(distance * scale));
        }
    }
}

void Kernel::Read(const float* frames, double fraction, float& left, float& right) const {
    const double at = fraction * kPhases;
    const size_t phase = std::min(size_t(at), kPhases - 1);
    const float t = float(at - double(phase));
    const float* a = rows_.data() + phase * taps_;
    const float* b = a + taps_;
    float sumLeft = 0.0f, sumRight = 0.0f;
    for (size_t k = 0; k < taps_; ++k) {
        const float weight = a[k] + t * (b[k] - a[k]);
        sumLeft += weight * frames[2 * k];
        sumRight += weight * frames[2 * k + 1];
    }
    left = sumLeft;
    right = sumRight;
}

} // namespace engine
