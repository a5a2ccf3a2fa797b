// The engine's sample loader over any file: loading either fails or gives a
// sample that plays and renders; freeing it leaves nothing behind.
#include <cstdlib>
#include <memory>

#include "engine/engine.h"
#include "engine/engine_output.h"
#include "scratch.h"

namespace {

constexpr std::uint32_t kRenderFrames = 1024;

EngineHandle TheEngine()
{
    static const EngineHandle engine = [] {
        EngineConfig config{};
        config.size = sizeof config;
        config.version = 1;
        config.channels = 1;
        EngineHandle e = EngineOpenManual(&config, 24000, 44100);
        if (e == 0 || EngineOpenChannels(e, 8, 2) != 0 || EngineActivate(e, 1) != 0) std::abort();
        return e;
    }();
    return engine;
}

void PlayAndRender(EngineHandle engine, EngineHandle sample)
{
    PlayRequest play{};
    play.size = sizeof play;
    play.engine = engine;
    play.channel = 1;
    play.sample = sample;
    play.mode = 5;
    play.loops = 1;
    EnginePlay(&play);
    std::unique_ptr<float[]> out(new float[kRenderFrames * 2]);
    if (EngineRender(engine, out.get(), kRenderFrames) != kRenderFrames) std::abort();
    EngineCloseChannel(engine, 1, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const EngineHandle engine = TheEngine();
    const std::string path = fuzz::WriteScratch("sample", data, size);
    const EngineHandle sample = EngineLoadSample(engine, path.c_str(), 0, 0);
    if (sample != 0) {
        PlayAndRender(engine, sample);
        EngineFreeSample(engine, sample);
    }
    EngineStats stats{};
    EngineGetStats(&stats);
    if (stats.samples != 0 || stats.sampleBytes != 0) std::abort();
    return 0;
}
