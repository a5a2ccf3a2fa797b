#include "app/startup_report.h"

#include <QTimer>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "engine/engine_output.h"
#include "shell/console_state.h"

namespace {

const char* PlaceName(ProgramFiles::Place place) {
    switch (place) {
    case ProgramFiles::Place::Installed: return "installed";
    case ProgramFiles::Place::BuildFolder: return "build folder";
    case ProgramFiles::Place::Missing: return "missing";
    }
    return "";
}

// How long the report waits for the outputs to open a back end.
constexpr auto kOutputPatience = std::chrono::seconds(5);
constexpr int kLookEveryMs = 20;

void PrintOutput(const char* name, const std::string& backEnd, const std::string& stream, int rate,
                 double latencyMs, const std::string& scheduling, unsigned long long underruns) {
    std::printf("%s output: %s", name, backEnd.c_str());
    if (!stream.empty()) std::printf(", stream %s", stream.c_str());
    std::printf(", %d Hz, latency %.1f ms, scheduling %s, underruns %llu\n", rate, latencyMs, scheduling.c_str(),
                underruns);
}

void PrintOutputs(const cdaudio::Device& drive) {
    EngineOutputInfo pads{};
    if (g_mixer != 0 && EngineGetOutputInfo(g_mixer, &pads))
        PrintOutput("pads", pads.backEnd, pads.stream, pads.rate, pads.latencyMs, pads.scheduling, pads.underruns);
    const cdaudio::OutputStats disc = drive.OutputState();
    PrintOutput("disc", disc.output.backEnd, disc.output.stream, disc.output.rate, disc.output.latencyMs,
                disc.output.scheduling, static_cast<unsigned long long>(disc.underruns));
}

// Settled: each output is on a back end or has tried them all once.
bool OutputsSettled(const cdaudio::Device& drive) {
    EngineOutputInfo pads{};
    const bool padsSettled = g_mixer == 0 || !EngineGetOutputInfo(g_mixer, &pads) || !pads.searching ||
                             pads.tries > 0 || std::string(pads.backEnd) != "silent clock";
    const audio::OutputState disc = drive.OutputState().output;
    return padsSettled && (!disc.searching || disc.tries > 0 || disc.onServer);
}

void WaitForOutputsThen(const cdaudio::Device& drive, std::chrono::steady_clock::time_point deadline,
                        const std::function<void()>& then) {
    if (OutputsSettled(drive) || std::chrono::steady_clock::now() > deadline) {
        then();
        return;
    }
    QTimer::singleShot(kLookEveryMs, [&drive, deadline, then] { WaitForOutputsThen(drive, deadline, then); });
}

void Report(const ProgramFiles& files, const cdaudio::Device& drive) {
    std::printf("files: %s %s\n", PlaceName(files.place), files.folder.c_str());
    std::printf("demo disc: %s\n", files.DemoDisc().c_str());
    std::printf("disc tracks: %d\n", g_trackCount);
    std::printf("samples: %s\n", files.Samples().c_str());
    std::printf("readme: %s\n", g_readmePath);
    std::printf("help: %s\n", g_helpPath);
    std::printf("engine: %s\n", g_mixer != 0 ? "open" : "closed");
    PrintOutputs(drive);
    std::fflush(stdout);
    win::PostMessageA(g_hWnd, win::WM_CLOSE, 0, 0);
}

}  // namespace

void ReportStartupAndClose(const ProgramFiles& files, const cdaudio::Device& drive) {
    const auto deadline = std::chrono::steady_clock::now() + kOutputPatience;
    QTimer::singleShot(0, [files, &drive, deadline] {
        WaitForOutputsThen(drive, deadline, [files, &drive] { Report(files, drive); });
    });
}
