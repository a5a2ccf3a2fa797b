// How long a message that another thread posts (a MIDI source's note) takes
// to come out of GetMessageA on the Qt host whose loop is waiting: what a
// note adds before the console plays its pad, to set against the engine's
// block of 128 frames (2.9 ms at 44100).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "platform/qt/qt_host.h"
#include "platform/win.h"

using namespace win;

namespace {

constexpr UINT kPosted = 0x8001;  // a message of the program's own

LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return DefWindowProcA(hwnd, msg, wParam, lParam); }

void BM_ThreadPostWakesQtLoop(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static char name[] = "bench_thread_post";
    char* argv[] = {name, nullptr};
    qthost::HostApplication application(1, argv);
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "Bench";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "Bench", "", 0, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);

    std::atomic<long> asked{0};
    std::atomic<bool> stop{false};
    std::thread poster([&] {
        long posted = 0;
        while (!stop.load()) {
            if (asked.load() == posted) {
                std::this_thread::yield();
                continue;
            }
            ++posted;
            PostMessageA(hwnd, kPosted, 0, 0);
        }
    });
    MSG msg;
    for (auto _ : state) {
        asked.fetch_add(1);
        while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != kPosted) DispatchMessageA(&msg);
    }
    stop.store(true);
    poster.join();
    DestroyWindow(hwnd);
}
BENCHMARK(BM_ThreadPostWakesQtLoop)->Unit(benchmark::kMicrosecond);

}  // namespace
