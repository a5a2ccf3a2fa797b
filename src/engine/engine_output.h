/* Controls of the mixer engine beside its ten operations: a manual output for
 * tests and benchmarks, and counts of what is alive for leak checks. Control
 * thread only, like the operations themselves. */
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

/* The output's frames per second: the device's, the null output's or the
 * manual one's. 0 for no engine. */
ENGINE_API int32_t EngineDeviceRate(EngineHandle engine);

typedef struct EngineStats {
    uint32_t engines;     /* open engines */
    uint32_t samples;     /* loaded samples not yet freed */
    uint32_t channels;    /* open channels over all engines */
    uint64_t sampleBytes; /* memory held by the loaded samples' audio */
    uint32_t onDevice;    /* engines whose output is not the clocked null output */
    uint64_t underruns;   /* output blocks that came too late to be heard in time
                             (device underflows, late null-output ticks), over
                             every engine since the library was loaded */
} EngineStats;

ENGINE_API void EngineGetStats(EngineStats* stats);

/* Test hook: the engine's output dies while it runs, as when the sound card
 * is unplugged; the engine goes on over its clocked null output. */
ENGINE_API void EngineLoseOutput(EngineHandle engine);

/* Test hook: engines opened from now on find, instead of the sound card, a
 * device that takes `delayMs` milliseconds to open on the opening worker and
 * is then driven through EngineRender like a manual output. Until it opens
 * they play on the clocked null output. A negative delay restores the card. */
ENGINE_API void EngineSetDeviceStandIn(int32_t delayMs);

/* Test hook: the next tick of the engine's null output comes late, as on a
 * machine too busy to run it in time. */
ENGINE_API void EngineDelayNextTick(EngineHandle engine);

/* 1 when `sample` is a loaded, not yet freed sample of `engine`, else 0. */
ENGINE_API int32_t EngineSampleLoaded(EngineHandle engine, EngineHandle sample);

/* Test hooks for a callback that stops answering; both may be called while
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
