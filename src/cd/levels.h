// Output levels: fader and balance positions become two 16-bit channel
// levels, left in the low half and right in the high half.
#pragma once

#include <cstdint>

std::uint32_t CdLevelValue(int volumeY, int balanceX);
std::uint32_t WaveLevelValue(int volumeY, int balanceX);
// Applies the CD level to every CD audio aux device with volume control.
void SetCdLevel(int volumeY);
// Applies the wave level to wave output device 0.
void SetWaveLevel(int volumeY);
