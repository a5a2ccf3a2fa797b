// The windowed-sinc kernel that reads the mix between its frames at any speed.
#pragma once

#include <cstddef>
#include <vector>

namespace engine {

class Kernel {
public:
    // `step`: mix frames per output frame. Above 1 the passband narrows in
    // proportion, so that nothing above the output's Nyquist folds back.
    // Control thread: builds its tables.
    explicit Kernel(double step);

    // Frames the kernel reads on each side of a read position.
    size_t HalfTaps() const { return halfTaps_; }
    // The kernel at `fraction` (0 <= fraction < 1) past frame n, over the
    // 2 * HalfTaps() interleaved stereo frames from n - HalfTaps() + 1.
    void Read(const float* frames, double fraction, float& left, float& right) const;

private:
    size_t halfTaps_;
    size_t taps_;
    // Weights for kPhases + 1 evenly spaced fractions, `taps_` each; a read
    // interpolates between the two around its fraction.
    std::vector<float> rows_;
};

} // namespace engine
