/* Controls of the mixer engine beside its ten operations: a manual output for
 * tests and benchmarks, what its output is, counts of what is alive for leak
 * checks, and the test seams. Control thread only, like the operations
 * themselves. */
#ifndef TORNEL_ENGINE_OUTPUT_CONTROL_H
#define TORNEL_ENGINE_OUTPUT_CONTROL_H

#include "engine/engine.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Opens an engine like EngineOpen whose output is driven by the caller through
 * EngineRender at `deviceRate` frames per second, instead of a sound card or
 * the real-time clock. 0 = failure. */
ENGINE_API EngineHandle EngineOpenManual(EngineConfig* config, int32_t rate, int32_t deviceRate);

/* Runs the audio callback of a manual engine for `frames` interleaved stereo
 * frames into `out`, exactly as the device would. Requests made before the call
 * take effect at its first block. While the engine is not activated, or for
 * any other engine, `out` is filled with silence. Returns the frames rendered. */
ENGINE_API uint32_t EngineRender(EngineHandle engine, float* out, uint32_t frames);

/* The frames per second the engine renders at: 44100 through its output
 * (which converts for a server at another rate), or the manual one's. 0 for
 * no engine. */
ENGINE_API int32_t EngineDeviceRate(EngineHandle engine);

typedef struct EngineStats {
    uint32_t engines;     /* open engines */
    uint32_t samples;     /* loaded samples not yet freed */
    uint32_t channels;    /* open channels over all engines */
    uint64_t sampleBytes; /* memory held by the loaded samples' audio */
    uint32_t onDevice;    /* engines whose output is a server or card, not the
                             silent clock */
    uint64_t underruns;   /* output blocks that came too late to be heard in time
                             (server underflows, late clock ticks), over every
                             engine since the library was loaded */
} EngineStats;

ENGINE_API void EngineGetStats(EngineStats* stats);

/* Where the engine's sound goes now, for `tornel --check` and benchmarks. */
typedef struct EngineOutputInfo {
    char backEnd[32];    /* "JACK", "PulseAudio", "ALSA", "WMME", "silent clock" */
    char stream[128];    /* JACK client and ports, or the stream's name */
    int32_t rate;        /* the back end's frames per second */
    double latencyMs;    /* granted by the back end */
    char scheduling[32]; /* what the callback thread obtained, as "SCHED_FIFO 20" */
    uint64_t underruns;  /* this engine's output blocks that came too late */
    uint64_t losses;     /* back ends lost while it played */
    uint64_t tries;      /* passes over the back ends so far */
    int32_t searching;   /* 1 when it looks for back ends at all */
} EngineOutputInfo;

/* 0 for no engine or a manual one, else 1 and `info` filled. */
ENGINE_API int32_t EngineGetOutputInfo(EngineHandle engine, EngineOutputInfo* info);

/* Test seam (the robustness suite's): the engine's back end dies while it
 * runs, as when the sound card is unplugged; the engine goes on over its
 * output's silent clock, which then looks for a back end again. */
ENGINE_API void EngineLoseOutput(EngineHandle engine);

/* 1 when `sample` is a loaded, not yet freed sample of `engine`, else 0. */
ENGINE_API int32_t EngineSampleLoaded(EngineHandle engine, EngineHandle sample);

/* Test seams for a callback that stops answering; both may be called while
 * another thread is inside an engine call. With `hold` nonzero every engine's
 * audio callback stops at the start of its next block and stays there until
 * called again with 0. Holding returns 1 once a callback waits there, 0 when
 * none came within a second. A free that a held callback has not answered
 * within a second returns all the same: the handle is gone, and the sample's
 * memory stays until a callback has taken the request or the engine closes. */
ENGINE_API int32_t EngineHoldCallbacks(int32_t hold);
/* How many engine calls are waiting at this moment for a callback to take
 * their requests. */
ENGINE_API uint32_t EngineCallsWaiting(void);

#ifdef __cplusplus
}
#endif

#endif
