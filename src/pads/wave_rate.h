// The engine's output rates the console uses, for the sample deck and the set
// files alike: the rate of natural speed and the limits of the speed range,
// both inclusive.
#pragma once

constexpr int kNormalWaveRate = 22050;
constexpr int kLowestWaveRate = 11026;
constexpr int kHighestWaveRate = 33074;
