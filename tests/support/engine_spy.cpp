// The recorder defines the engine's entry points itself and forwards each to
// the next definition, the engine library's.
#include "support/engine_spy.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

PlayRequest& LastPlay() {
    static PlayRequest last{};
    return last;
}

template <typename F>
F Next(const char* name) {
#ifdef _WIN32
    // The program's own definitions shadow the DLL's only inside the program.
    static const HMODULE engine = LoadLibraryA("tornel_engine.dll");
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(engine, name)));
#else
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
#endif
}

void Record(std::string text) { Log().push_back(std::move(text)); }

std::string Numbers(std::uint32_t a, std::uint32_t b) { return std::to_string(a) + "," + std::to_string(b); }

}  // namespace

std::vector<std::string> EngineSpyCalls(const std::string& prefix) {
    std::vector<std::string> calls;
    for (const std::string& call : Log()) {
        if (call.compare(0, prefix.size(), prefix) == 0) calls.push_back(call);
    }
    return calls;
}

void EngineSpyClear() {
    Log().clear();
    LastPlay() = PlayRequest{};
}

PlayRequest EngineSpyLastPlay() { return LastPlay(); }

extern "C" {

uint16_t EngineCheck(EngineInfo* info) {
    Record("EngineCheck(" + std::to_string(info->size) + ")");
    return Next<uint16_t (*)(EngineInfo*)>("EngineCheck")(info);
}

EngineHandle EngineOpen(EngineConfig* config, int32_t rate) {
    Record("EngineOpen(" + std::to_string(rate) + ")");
    return Next<EngineHandle (*)(EngineConfig*, int32_t)>("EngineOpen")(config, rate);
}

uint32_t EngineActivate(EngineHandle engine, uint32_t on) {
    Record("EngineActivate(" + std::to_string(on) + ")");
    return Next<uint32_t (*)(EngineHandle, uint32_t)>("EngineActivate")(engine, on);
}

EngineHandle EngineLoadSample(EngineHandle engine, const char* path, uint32_t reserved1, uint32_t reserved2) {
    Record("EngineLoadSample(" + std::string(path) + ")");
    return Next<EngineHandle (*)(EngineHandle, const char*, uint32_t, uint32_t)>("EngineLoadSample")(
        engine, path, reserved1, reserved2);
}

uint32_t EngineOpenChannels(EngineHandle engine, uint32_t count, uint32_t mode) {
    Record("EngineOpenChannels(" + Numbers(count, mode) + ")");
    return Next<uint32_t (*)(EngineHandle, uint32_t, uint32_t)>("EngineOpenChannels")(engine, count, mode);
}

uint32_t EnginePlay(const PlayRequest* request) {
    Record("EnginePlay(" + std::to_string(request->channel) + ",loops=" + std::to_string(request->loops) + ")");
    LastPlay() = *request;
    return Next<uint32_t (*)(const PlayRequest*)>("EnginePlay")(request);
}

uint32_t EngineFlushChannel(EngineHandle engine, uint32_t channel, uint32_t mode) {
    Record("EngineFlushChannel(" + Numbers(channel, mode) + ")");
    return Next<uint32_t (*)(EngineHandle, uint32_t, uint32_t)>("EngineFlushChannel")(engine, channel, mode);
}

uint32_t EngineCloseChannel(EngineHandle engine, uint32_t channel, uint32_t flag) {
    Record("EngineCloseChannel(" + Numbers(channel, flag) + ")");
    return Next<uint32_t (*)(EngineHandle, uint32_t, uint32_t)>("EngineCloseChannel")(engine, channel, flag);
}

uint32_t EngineFreeSample(EngineHandle engine, EngineHandle sample) {
    Record("EngineFreeSample");
    return Next<uint32_t (*)(EngineHandle, EngineHandle)>("EngineFreeSample")(engine, sample);
}

uint32_t EngineClose(EngineHandle engine) {
    Record("EngineClose");
    return Next<uint32_t (*)(EngineHandle)>("EngineClose")(engine);
}

}  // extern "C"
