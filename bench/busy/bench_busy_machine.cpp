// The disc and seven looping pads play for 20 s (or the first argument's
// seconds) on the program's own outputs (the sound card when there is one,
// else the null outputs) while eight busy loops run at normal priority.
// Prints how many blocks each output could not deliver in time (goal: 0),
// where the sound went and the scheduling the sound threads obtained.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/realtime_kit.h"
#include "audio/thread_priority.h"
#include "devices/cdaudio/cdaudio.h"
#include "engine/engine.h"
#include "engine/engine_output.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBusyLoops = 8;
constexpr double kDefaultSeconds = 20;
// Long enough for a sound card to open and the threads to be raised.
constexpr auto kSettle = std::chrono::seconds(2);
const char* const kPads[] = {"KICK.WAV", "SNARE.WAV", "HIHAT.WAV", "STAB.WAV", "RISER.WAV", "KICK.WAV", "HIHAT.WAV"};

std::vector<pid_t> StartBusyLoops()
{
    std::vector<pid_t> loops;
    for (int i = 0; i < kBusyLoops; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            volatile unsigned long spin = 0;
            for (;;) spin = spin + 1;
        }
        loops.push_back(pid);
    }
    return loops;
}

void StopBusyLoops(const std::vector<pid_t>& loops)
{
    for (pid_t pid : loops) kill(pid, SIGKILL);
    for (pid_t pid : loops) waitpid(pid, nullptr, 0);
}

std::string Send(cdaudio::Device& drive, const char* command)
{
    char reply[64] = "";
    drive.SendString(command, reply, sizeof reply);
    return reply;
}

struct Underruns {
    std::uint64_t engine = 0;
    std::uint64_t drive = 0;
};

Underruns Count(const cdaudio::Device& drive)
{
    EngineStats stats{};
    EngineGetStats(&stats);
    return {stats.underruns, drive.OutputState().underruns};
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);  // the RealtimeKit client's D-Bus needs it
    const double seconds = argc > 1 && std::atof(argv[1]) > 0 ? std::atof(argv[1]) : kDefaultSeconds;
    const RealtimeKitClient realtimeKit;

    cdaudio::Options options;
    options.output = cdaudio::Output::Default;
    options.usePhysicalDrive = false;
    options.initialDisc = TORNEL_DEMO_DISC;
    std::unique_ptr<cdaudio::Device> drive = cdaudio::CreateDevice(options);

    EngineConfig config{10, 1, 1, 0};
    const EngineHandle engine = EngineOpen(&config, 22050);
    std::vector<EngineHandle> samples;
    for (const char* pad : kPads) {
        const std::string path = std::string(TORNEL_DEMO_SAMPLES_DIR) + "/" + pad;
        samples.push_back(EngineLoadSample(engine, path.c_str(), 0, 0));
        EngineOpenChannels(engine, 8, 2);
    }
    EngineActivate(engine, 1);
    std::this_thread::sleep_for(kSettle);

    const Underruns before = Count(*drive);
    const std::vector<pid_t> busy = StartBusyLoops();
    Send(*drive, "play cdaudio from 0");
    for (std::size_t pad = 0; pad < samples.size(); ++pad) {
        const PlayRequest play{24, engine, std::uint32_t(pad + 1), samples[pad], 0, 5, 0xFFFF};
        EnginePlay(&play);
    }
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (Send(*drive, "status cdaudio mode") != "playing") Send(*drive, "play cdaudio from 0");
    }
    StopBusyLoops(busy);
    const Underruns after = Count(*drive);

    EngineStats stats{};
    EngineGetStats(&stats);
    std::printf("\n=== disc + 7 looping pads for %.0f s beside %d busy loops (uid %d) ===\n", seconds, kBusyLoops,
                int(getuid()));
    std::printf("pads  output      %s\n", stats.onDevice ? "sound card" : "null output (no sound card opened)");
    std::printf("      underruns   %llu (goal 0)\n", static_cast<unsigned long long>(after.engine - before.engine));
    std::printf("      scheduling  %s\n", audio::Describe(audio::ObtainedPriority(audio::ThreadRole::Pads),
                                                          audio::ThreadRole::Pads).c_str());
    std::printf("disc  output      %s\n",
                drive->OutputState().onSoundCard ? "sound card" : "null output (no sound card opened)");
    std::printf("      underruns   %llu (goal 0)\n", static_cast<unsigned long long>(after.drive - before.drive));
    std::printf("      threads     %s\n\n", audio::Describe(audio::ObtainedPriority(audio::ThreadRole::Disc),
                                                            audio::ThreadRole::Disc).c_str());

    EngineCloseChannel(engine, 0, 1);
    for (EngineHandle sample : samples) EngineFreeSample(engine, sample);
    EngineClose(engine);
    return 0;
}
