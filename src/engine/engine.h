/* The mixer engine: loads samples and mixes them on numbered channels at one
 * output rate. A C API of ten operations, in a shared library of its own.
 *
 * Threads. Every function here is called from one control thread (the
 * console's GUI thread). The engine's sound output (audio/output.h) runs the
 * audio callback on its back end's thread (JACK's, PulseAudio's, PortAudio's,
 * or its silent clock's), and beside it a keeper that opens the back end,
 * replaces a lost one, and asks for the callback's real-time priority.
 *
 * What the audio callback never does:
 *   - lock a mutex or wait on anything;
 *   - allocate or free memory;
 *   - log, print or touch a file;
 *   - call back into the control thread.
 * Requests reach it through a fixed-size single-producer queue and take
 * effect at its next block; what it reports back travels in atomics.
 * Freeing a sample waits (on the control thread) until the callback has
 * acknowledged that it no longer reads the sample; a callback silent for a
 * second is given up on, and the sample's memory is kept until one answers
 * or the engine closes.
 *
 * Speed: at output rate R every sample plays at R/22050 of its natural speed,
 * pitch moving with it, whatever the file's own rate.
 *
 * How: each file is decoded at load (on the control thread) a slice at a
 * time, resampled to one mixing rate, 44100, and stored as 16-bit frames;
 * NaN in a float file becomes silence and infinities full scale. The callback
 * mixes the channels at that rate, and a windowed-sinc kernel reads the mix at
 * the step that makes it play at R/22050 on the device. The kernel reads a
 * few dozen frames of the mix ahead; a voice that starts is mixed into those
 * too, so a play sounds from the next block at every speed. When the step is
 * exactly 1 the mix goes to the device directly.
 *
 * Headroom: the output never exceeds full scale. A mix below -1 dBFS passes
 * bit for bit; a louder one is turned down by a limiter that looks no further
 * ahead than its block and rounds off softly what still lies above.
 *
 * Output: the program's sound output, stream "Pads", rendered in blocks of
 * 128 frames at 44100 frames per second and converted for a server or card at
 * another rate. EngineOpen returns at once on the output's silent clock while
 * its keeper opens a back end; the engine moves to it when it opens, sounding
 * channels going on from where they stand, and back to the clock when it is
 * lost. With the environment variable TORNEL_NULL_AUDIO=1 the clock stays.
 * Its callback threads ask for real-time priority (see
 * audio/thread_priority.h). engine_output.h adds a manual output for tests
 * and what the output is for `tornel --check`.
 *
 * Loops: a play with loop count n sounds the sample n + 1 times back to back,
 * then stops. A play on a sounding channel restarts it with the new sample.
 * Every operation is harmless with engine 0, sample 0 or a stale handle. */
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define ENGINE_API __declspec(dllexport)
#else
#define ENGINE_API __attribute__((visibility("default")))
#endif

typedef uint32_t EngineHandle; /* engine or sample handle; 0 = none */

#pragma pack(push, 2)
typedef struct EngineInfo {
    uint16_t size; /* 20 */
    uint8_t reserved[18];
} EngineInfo;

typedef struct EngineConfig {
    uint16_t size;     /* 10 */
    uint32_t version;  /* 1 */
    uint16_t channels; /* 1 */
    uint16_t unused;   /* not set by the caller, ignored */
} EngineConfig;

typedef struct PlayRequest {
    uint16_t size;       /* 24 */
    uint32_t engine;     /* engine handle */
    uint32_t channel;    /* 1..8 */
    uint32_t sample;     /* sample handle */
    uint32_t start;      /* 0 */
    uint32_t mode;       /* 5 */
    uint16_t loops;      /* extra repetitions: the sample sounds loops + 1 times */
} PlayRequest;
#pragma pack(pop)

/* Nonzero when no engine can run here. */
ENGINE_API uint16_t EngineCheck(EngineInfo* info);
/* Opens the engine at `rate` output samples per second; 0 = failure. */
ENGINE_API EngineHandle EngineOpen(EngineConfig* config, int32_t rate);
/* Starts (on nonzero) or stops the output; plays are heard while it runs. */
ENGINE_API uint32_t EngineActivate(EngineHandle engine, uint32_t on);
/* Decodes the whole file (WAV, FLAC, Ogg, MP3 ...) before it returns;
 * 0 = failure. */
ENGINE_API EngineHandle EngineLoadSample(EngineHandle engine, const char* path, uint32_t reserved1,
                                         uint32_t reserved2);
/* 0 = success; afterwards channels 1..count-1 accept plays. */
ENGINE_API uint32_t EngineOpenChannels(EngineHandle engine, uint32_t count, uint32_t mode);
ENGINE_API uint32_t EnginePlay(const PlayRequest* request);
ENGINE_API uint32_t EngineFlushChannel(EngineHandle engine, uint32_t channel, uint32_t mode);
/* channel 0 with flag 1 stops and closes every channel; a channel with flag 0
 * that one (the flag itself is not examined). A closed channel ignores plays
 * until EngineOpenChannels opens it again. */
ENGINE_API uint32_t EngineCloseChannel(EngineHandle engine, uint32_t channel, uint32_t flag);
ENGINE_API uint32_t EngineFreeSample(EngineHandle engine, EngineHandle sample);
ENGINE_API uint32_t EngineClose(EngineHandle engine);

/* The wave output level (waveOutSetVolume device 0): left channel in the low
 * 16 bits, right in the high. Kept across opens; scales the mix. */
ENGINE_API void EngineSetOutputLevel(uint32_t level);

#ifdef __cplusplus
}
#endif
