// Output levels from the knob positions: the CD pair goes to every CD audio
// aux device with volume control, the wave pair to wave output device 0.
#include "cd/levels.h"

#include <algorithm>

#include "shell/console_state.h"

using namespace win;

namespace {

constexpr int kFaderLoudest = 170;
constexpr int kFaderSilent = 220;
constexpr int kBalanceHalfTravel = 25;  // pixels from the centre to either end
constexpr int kFullStep = 1310;         // full level per pixel of fader travel
constexpr int kTurnDownStep = 52;       // turned-down level per pixel of fader and of balance
constexpr int kCdFullTrim = 36;         // the CD's full level sits this far below the wave's
constexpr int kCdBalanceLeftEnd = 451;
constexpr int kWaveBalanceLeftEnd = 551;

// The channel on the knob's side is turned down by its distance from that
// end; the other channel stays full. Inputs are clamped to their travel so a
// stray position can never wrap a 16-bit level.
std::uint32_t LevelValue(int volumeY, int balanceX, int leftEnd, int fullTrim) {
    const int depth = kFaderSilent - std::clamp(volumeY, kFaderLoudest, kFaderSilent);  // 0..50
    const int x = std::clamp(balanceX, leftEnd, leftEnd + 2 * kBalanceHalfTravel);
    const int full = std::max(0, kFullStep * depth - fullTrim);
    int left = full;
    int right = full;
    if (x <= leftEnd + kBalanceHalfTravel) {
        left = kTurnDownStep * depth * (x - leftEnd);
    } else {
        right = kTurnDownStep * depth * (leftEnd + 2 * kBalanceHalfTravel - x);
    }
    return static_cast<std::uint32_t>(left) | (static_cast<std::uint32_t>(right) << 16);
}

}  // namespace

std::uint32_t CdLevelValue(int volumeY, int balanceX) {
    return LevelValue(volumeY, balanceX, kCdBalanceLeftEnd, kCdFullTrim);
}

std::uint32_t WaveLevelValue(int volumeY, int balanceX) {
    return LevelValue(volumeY, balanceX, kWaveBalanceLeftEnd, 0);
}

// Walks every aux device each time: devices may come and go, and nothing is
// cached. A device whose volume cannot be read ends the walk.
void SetCdLevel(int volumeY) {
    const DWORD level = CdLevelValue(volumeY, g_cdBalanceX);
    const UINT count = auxGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        if (auxGetDevCapsA(id, &g_auxCaps, sizeof g_auxCaps) != MMSYSERR_NOERROR) continue;
        if ((g_auxCaps.wTechnology & AUXCAPS_CDAUDIO) == 0 || (g_auxCaps.dwSupport & AUXCAPS_VOLUME) == 0) continue;
        DWORD current = 0;
        if (auxGetVolume(id, &current) != MMSYSERR_NOERROR) break;
        auxSetVolume(id, level);
    }
}

void SetWaveLevel(int volumeY) { waveOutSetVolume(nullptr, WaveLevelValue(volumeY, g_waveBalanceX)); }
