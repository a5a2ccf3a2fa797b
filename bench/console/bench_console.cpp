// The console's paint and start-up on the headless host. Goals: one full
// paint into the offscreen image within 0.5 ms; start-up to the first paint
// within 200 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

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
