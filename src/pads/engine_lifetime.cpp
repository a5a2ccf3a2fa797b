// The mixer engine's lifetime: open, close, and reopen at a new output rate
// with every loaded pad loaded again.
#include "pads/sample_pads.h"

#include "pads/wave_rate.h"
#include "panel/primitives.h"
#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kKnobCentreY = 330;

}  // namespace

EngineHandle MixerOpen(int rate) {
    EngineInfo info{};
    info.size = sizeof(EngineInfo);
    if (EngineCheck(&info) != 0) return 0;

    EngineConfig config{};
    config.size = sizeof(EngineConfig);
    config.version = 1;
    config.channels = 1;
    g_mixer = EngineOpen(&config, rate);
    return g_mixer;
}

void MixerClose() {
    if (g_mixer == 0) return;
    EngineCloseChannel(g_mixer, 0, 1);
    for (int p = 0; p < kPadCount; ++p) {
        if (g_padSample[p] != 0) EngineFreeSample(g_mixer, g_padSample[p]);
        g_padSample[p] = 0;
    }
    EngineClose(g_mixer);
    g_mixer = 0;
}

void MixerReopen(HWND hwnd) {
    // The speed fader's two ends (33075 and 11025) fall just outside: the
    // knob comes to rest one pixel inside and the figure shows 96, not 100.
    if (g_waveRate >= kHighestWaveRate + 1) {
        g_waveRate = kHighestWaveRate;
    } else if (g_waveRate <= kLowestWaveRate - 1) {
        g_waveRate = kLowestWaveRate;
    }

    MixerClose();
    MixerOpen(g_waveRate);
    for (int p = 0; p < kPadCount; ++p) {
        if (g_padLoaded[p] == 1) PadLoad(p);
    }
    EngineActivate(g_mixer, 1);

    g_speedKnobY = SpeedKnobForRate(g_waveRate);
    g_waveSpeedPct = (kKnobCentreY - g_speedKnobY) * 100 / 25;
    InvalidateArea(hwnd, 336, 143, 378, 158);
}

int SpeedKnobForRate(int rate) { return kKnobCentreY + (kNormalWaveRate - rate) * 25 / 11025; }

void SampleDeckStart() {
    MixerOpen(kNormalWaveRate);
    for (int p = 0; p < kPadCount; ++p) {
        g_padLoopCount[p] = 7;
        g_padLoop[p] = 0;
        g_padLoaded[p] = 0;
    }
    EngineActivate(g_mixer, 1);
}
