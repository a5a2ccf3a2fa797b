// The disc and seven looping pads play for 20 s (or the first argument's
// seconds) on the program's own outputs (a server or card when there is one,
// else the silent clocks) while eight busy loops run at normal priority.
// With --pulse or --jack as second argument they play on a private server of
// that kind, itself at normal priority. Counting starts after 5 s under
// load. Prints how many blocks each output could not deliver in time (the
// server's underflow reports included; goal: 0), where the sound went and
// the scheduling the sound threads obtained.
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
#include "sound_servers.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBusyLoops = 8;
constexpr double kDefaultSeconds = 20;
// Long enough for a sound card to open and the threads to be raised.
constexpr auto kSettle = std::chrono::seconds(2);
// Under load before counting: a server settles its buffers meanwhile.
constexpr auto kWarmUp = std::chrono::seconds(5);
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
    const std::string server = argc > 2 ? argv[2] : "";
    std::unique_ptr<audio_test::PulseServer> pulse;
    std::unique_ptr<audio_test::JackServer> jack;
    if (server == "--pulse") {
        pulse = std::make_unique<audio_test::PulseServer>();
        if (!pulse->Start()) std::printf("no PulseAudio server could be started\n");
    } else if (server == "--jack") {
        jack = std::make_unique<audio_test::JackServer>();
        if (!jack->Start(48000, 256)) std::printf("no JACK server could be started\n");
    }

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

    const std::vector<pid_t> busy = StartBusyLoops();
    Send(*drive, "play cdaudio from 0");
    for (std::size_t pad = 0; pad < samples.size(); ++pad) {
        const PlayRequest play{24, engine, std::uint32_t(pad + 1), samples[pad], 0, 5, 0xFFFF};
        EnginePlay(&play);
    }
    std::this_thread::sleep_for(kWarmUp);
    const Underruns before = Count(*drive);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (Send(*drive, "status cdaudio mode") != "playing") Send(*drive, "play cdaudio from 0");
    }
    StopBusyLoops(busy);
    const Underruns after = Count(*drive);

    std::printf("\n=== disc + 7 looping pads for %.0f s (after 5 s) beside %d busy loops (uid %d) ===\n", seconds, kBusyLoops,
                int(getuid()));
    EngineOutputInfo pads{};
    EngineGetOutputInfo(engine, &pads);
    std::printf("pads  output      %s %s, latency %.1f ms\n", pads.backEnd, pads.stream, pads.latencyMs);
    std::printf("      underruns   %llu (goal 0)\n", static_cast<unsigned long long>(after.engine - before.engine));
    std::printf("      scheduling  %s\n", audio::Describe(audio::ObtainedPriority(audio::ThreadRole::Pads),
                                                          audio::ThreadRole::Pads).c_str());
    const audio::OutputState disc = drive->OutputState().output;
    std::printf("disc  output      %s %s, latency %.1f ms\n", disc.backEnd.c_str(), disc.stream.c_str(),
                disc.latencyMs);
    std::printf("      underruns   %llu (goal 0)\n", static_cast<unsigned long long>(after.drive - before.drive));
    std::printf("      threads     %s\n\n", audio::Describe(audio::ObtainedPriority(audio::ThreadRole::Disc),
                                                            audio::ThreadRole::Disc).c_str());

    EngineCloseChannel(engine, 0, 1);
    for (EngineHandle sample : samples) EngineFreeSample(engine, sample);
    EngineClose(engine);
    return 0;
}
