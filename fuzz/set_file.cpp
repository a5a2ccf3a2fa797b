// The set-file reader over any file, on a console with a twelve-track disc
// and an engine without a sound card. Pads may name "KICK.WAV" and
// "SNARE.WAV", which lie in the folder the reader runs in. After each input
// every field of the console state must be within its capacity and agree
// with the others.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "commands/set_file.h"
#include "engine/engine_output.h"
#include "platform/devices.h"
#include "platform/headless/headless.h"
#include "scratch.h"
#include "shell/console_state.h"

namespace {

constexpr int kDiscTracks = 12;

int TrackLengthMs(int track) { return track * 61'237; }

// Answers what the console asks about the disc.
class TwelveTrackDisc : public win::CommandStringDevice {
public:
    win::MCIERROR SendString(const char* command, char* reply, win::UINT size) override
    {
        int track = 0;
        char rest = 0;
        if (std::sscanf(command, "status cdaudio length track %d%c", &track, &rest) != 1) return 0;
        if (track < 1 || track > kDiscTracks) return win::MCIERR_OUTOFRANGE;
        if (size > 0) std::snprintf(reply, size, "%d", TrackLengthMs(track));
        return 0;
    }
};

struct Console {
    headless::Session host;
    TwelveTrackDisc disc;
    EngineHandle engine = 0;
    std::string home;
};

Console& TheConsole()
{
    static Console* console = [] {
        auto* c = new Console;
        win::InstallCdAudioDevice(&c->disc);
        EngineConfig config{};
        config.size = sizeof config;
        config.version = 1;
        config.channels = 1;
        c->engine = EngineOpenManual(&config, 22050, 44100);
        if (c->engine == 0) std::abort();
        // At the engine's own rate: loading them is no resampling work.
        fuzz::WriteToneWav(fuzz::ScratchDir() + "/KICK.WAV", 441, 44100, 1);
        fuzz::WriteToneWav(fuzz::ScratchDir() + "/SNARE.WAV", 300, 44100, 2);
        char home[4096];
        if (!getcwd(home, sizeof home)) std::abort();
        c->home = home;
        return c;
    }();
    return *console;
}

bool Terminated(const char* field, int capacity) { return std::memchr(field, '\0', capacity) != nullptr; }

bool Sane()
{
    for (int p = 0; p < kPadCount; ++p) {
        if (!Terminated(g_padTitle[p], kPadTitleSize) || !Terminated(g_padPath[p], kPadPathSize)) return false;
        if (g_padLoopCount[p] < 0 || g_padLoopCount[p] > 9999) return false;
        if (g_padLoaded[p] != (g_padSample[p] != 0 ? 1 : 0)) return false;
    }
    if (g_listCount < 0 || g_listCount > kListCapacity) return false;
    int totalSec = 0;
    for (int i = 0; i < kListCapacity; ++i) {
        const bool used = i < g_listCount;
        if (used && (g_listTracks[i] < 1 || g_listTracks[i] > kDiscTracks)) return false;
        if (used && g_listLengthMs[i] != TrackLengthMs(g_listTracks[i])) return false;
        if (!used && (g_listTracks[i] != 0 || g_listLengthMs[i] != 0)) return false;
        totalSec += g_listLengthMs[i] / 1000;
    }
    return totalSec == g_listTotalSec && g_waveRate > 11025 && g_waveRate < 33075;
}

void FreeSamples(EngineHandle engine)
{
    for (int p = 0; p < kPadCount; ++p) EngineFreeSample(engine, g_padSample[p]);
    EngineStats stats{};
    EngineGetStats(&stats);
    if (stats.samples != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Console& console = TheConsole();
    ConsoleStateReset();
    g_mixer = console.engine;
    g_trackCount = kDiscTracks;
    const std::string path = fuzz::WriteScratch("set.tnl", data, size);
    if (chdir(fuzz::ScratchDir().c_str()) != 0) std::abort();
    SetFileRead(path.c_str());
    if (chdir(console.home.c_str()) != 0) std::abort();
    if (!Sane()) std::abort();
    FreeSamples(console.engine);
    console.host.ClearCalls();
    return 0;
}
