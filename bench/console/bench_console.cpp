// The console's paint and start-up on the headless host. Goals: one full
// paint into the offscreen image within 0.5 ms, also with seven titles that
// need the wide face's glyphs; start-up to the first paint within 200 ms.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <optional>

#include "shell/console_state.h"
#include "support/console_session.h"
#include "support/recording_cd.h"

namespace {

// A whole-panel invalidation and the paint that follows it.
void BM_FullPaint(benchmark::State& state) {
    RecordingCd cd;
    cd.HoldDisc(13, 200000);
    ConsoleSession console({.device = &cd});
    for (auto _ : state) {
        win::InvalidateRect(console.Window(), nullptr, win::FALSE);
        console.host.ClearCalls();
        console.host.Pump();
    }
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

// The same with seven titles of accented Latin, kana and kanji, one of them
// wider than the pad list.
void BM_FullPaintNonAsciiTitles(benchmark::State& state) {
    RecordingCd cd;
    cd.HoldDisc(13, 200000);
    ConsoleSession console({.device = &cd});
    const char* const titles[kPadCount] = {
        "caf\xC3\xA9.wav", "\xE3\x82\xAD\xE3\x83\x83\xE3\x82\xAF.wav", "\xC3\x9C" "ber Bass.flac",
        "\xE3\x82\xB9\xE3\x83\x8D\xE3\x82\xA2.ogg", "\xE6\xBC\xA2\xE5\xAD\x97\xE3\x81\xAE\xE9\x9F\xB3.wav",
        "Se\xC3\xB1or D\xC3\xBCr\xC3\xB8.aiff",
        "\xE9\x95\xB7\xE3\x81\x84\xE5\x90\x8D\xE5\x89\x8D\xE3\x81\xAE\xE3\x82\xB5\xE3\x83\xB3\xE3\x83\x97\xE3\x83\xAB"
        "\xE3\x81\xA7\xE3\x81\x99\xE3\x80\x82\xE3\x83\x89\xE3\x83\xA9\xE3\x83\xA0.wav"};
    for (int p = 0; p < kPadCount; ++p) std::strcpy(g_padTitle[p], titles[p]);
    for (auto _ : state) {
        win::InvalidateRect(console.Window(), nullptr, win::FALSE);
        console.host.ClearCalls();
        console.host.Pump();
    }
}
BENCHMARK(BM_FullPaintNonAsciiTitles)->Unit(benchmark::kMicrosecond);

// Host, drive, class, window, start-up (engine, 59 bitmaps, disc) and the
// first paint; the shutdown is left out of the time.
void BM_StartUpToFirstPaint(benchmark::State& state) {
    RecordingCd cd;
    cd.HoldDisc(13, 200000);
    for (auto _ : state) {
        std::optional<ConsoleSession> console;
        console.emplace(ConsoleOptions{.device = &cd});
        state.PauseTiming();
        console.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
