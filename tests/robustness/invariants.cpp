#include "invariants.h"

#include <cstring>
#include <sstream>

#include "engine/engine_output.h"
#include "panel/press.h"
#include "platform/devices.h"
#include "shell/console_state.h"

namespace {

std::string Broken(const std::string& what, long long value) {
    std::ostringstream out;
    out << what << " (" << value << ")";
    return out.str();
}

bool Terminated(const char* field, std::size_t capacity) { return std::memchr(field, '\0', capacity) != nullptr; }

std::string CheckList() {
    if (g_listCount < 0 || g_listCount > kListCapacity) return Broken("g_listCount outside 0..20", g_listCount);
    long long seconds = 0;
    for (int i = 0; i < g_listCount; ++i) seconds += g_listLengthMs[i] / 1000;
    if (seconds != g_listTotalSec) return Broken("g_listTotalSec is not the entries' whole seconds", g_listTotalSec);
    for (int i = g_listCount; i < kListCapacity; ++i) {
        if (g_listTracks[i] != 0 || g_listLengthMs[i] != 0) return Broken("list entry beyond the count not 0", i);
    }
    return "";
}

std::string CheckTexts() {
    for (int p = 0; p < kPadCount; ++p) {
        if (!Terminated(g_padTitle[p], kPadTitleSize)) return Broken("pad title not terminated", p);
        if (!Terminated(g_padPath[p], kPadPathSize)) return Broken("pad path not terminated", p);
    }
    if (!Terminated(g_startDir, kStartDirSize)) return "start directory not terminated";
    if (!Terminated(g_readmePath, kDocPathSize)) return "readme path not terminated";
    if (!Terminated(g_helpPath, kDocPathSize)) return "help path not terminated";
    if (!Terminated(g_setPath, kSetPathSize)) return "set path not terminated";
    return "";
}

bool IsControlNumber(int n) { return n == 0 || (n >= 2 && n <= 26 && n != 9 && n != 15); }

bool Within(int value, int low, int high) { return value >= low && value <= high; }

std::string CheckControls() {
    if (!IsControlNumber(g_pressed)) return Broken("g_pressed is no control number", g_pressed);
    if (!Within(g_cdBalanceX, 451, 501)) return Broken("g_cdBalanceX off its travel", g_cdBalanceX);
    if (!Within(g_waveBalanceX, 551, 601)) return Broken("g_waveBalanceX off its travel", g_waveBalanceX);
    if (!Within(g_cdVolumeY, 170, 220)) return Broken("g_cdVolumeY off its travel", g_cdVolumeY);
    if (!Within(g_waveVolumeY, 170, 220)) return Broken("g_waveVolumeY off its travel", g_waveVolumeY);
    if (!Within(g_speedKnobY, 305, 355)) return Broken("g_speedKnobY off its travel", g_speedKnobY);
    if (g_pressed != PRESS_SPEED && !Within(g_speedKnobY, 306, 354))
        return Broken("speed knob not at rest inside 306..354", g_speedKnobY);
    if (!Within(g_waveRate, 11026, 33074)) return Broken("g_waveRate outside 11026..33074", g_waveRate);
    if (!Within(g_waveSpeedPct, -96, 96)) return Broken("g_waveSpeedPct outside -96..96", g_waveSpeedPct);
    if (!Within(g_cdState, CD_PLAYING, CD_STOPPED)) return Broken("g_cdState", g_cdState);
    if (!Within(g_abState, AB_OFF, AB_HELD)) return Broken("g_abState", g_abState);
    if (!Within(g_listMode, 0, 1)) return Broken("g_listMode", g_listMode);
    if (!Within(g_trackCursor, 0, 19)) return Broken("g_trackCursor", g_trackCursor);
    if (!Within(g_padCursor, 0, 7)) return Broken("g_padCursor", g_padCursor);
    return "";
}

// A pair's level worked out the long way from its knobs, each half as a
// plain number so that a formula going negative or past 16 bits shows.
struct Halves {
    long long left, right;
};

Halves ExpectedLevel(int volumeY, int balanceX, int leftEnd, int fullTrim) {
    const long long depth = 220 - volumeY;
    const long long full = depth == 0 ? 0 : 1310 * depth - fullTrim;
    if (balanceX <= leftEnd + 25) return {52 * depth * (balanceX - leftEnd), full};
    return {full, 52 * depth * (leftEnd + 50 - balanceX)};
}

std::string CheckLevel(const char* pair, win::DWORD sent, Halves expected) {
    for (long long half : {expected.left, expected.right}) {
        if (half < 0 || half > 65535)
            return Broken(std::string(pair) + " level formula leaves 0..65535", half);
    }
    const long long value = expected.left | expected.right << 16;
    if (sent != value) return Broken(std::string(pair) + " level sent does not follow its knobs", sent);
    return "";
}

std::string CheckLevels() {
    std::string broken =
        CheckLevel("CD", win::LastCdLevel(), ExpectedLevel(g_cdVolumeY, g_cdBalanceX, 451, 36));
    if (broken.empty())
        broken = CheckLevel("wave", win::LastWaveLevel(), ExpectedLevel(g_waveVolumeY, g_waveBalanceX, 551, 0));
    return broken;
}

// Every handle the pads hold is a live sample of the open engine, and the
// engine holds nothing the pads have lost track of.
std::string CheckSamples() {
    if (g_mixer == 0) return "no engine open";
    unsigned held = 0;
    for (int p = 0; p < kPadCount; ++p) {
        if (g_padSample[p] == 0) continue;
        ++held;
        if (!EngineSampleLoaded(g_mixer, g_padSample[p])) return Broken("pad's sample is not live in the engine", p);
        for (int q = 0; q < p; ++q) {
            if (g_padSample[q] == g_padSample[p]) return Broken("two pads share one sample", p);
        }
    }
    EngineStats stats{};
    EngineGetStats(&stats);
    if (stats.engines != 1) return Broken("engines open", stats.engines);
    if (stats.samples != held)
        return Broken("engine samples besides the pads' own", static_cast<long long>(stats.samples) - held);
    return "";
}

}  // namespace

std::string CheckConsoleState() {
    for (auto check : {CheckList, CheckTexts, CheckControls, CheckLevels, CheckSamples}) {
        std::string broken = check();
        if (!broken.empty()) return broken;
    }
    return "";
}

std::string CheckDeck(const DeckView& deck) {
    if (deck.abTimer && g_abState != AB_LOOPING && g_abState != AB_HELD)
        return Broken("timer 2 runs with no A-B repeat marked", g_abState);
    const bool drivePlays = deck.driveMode == "playing";
    if (g_cdState != CD_PLAYING) {
        if (drivePlays) return Broken("the drive plays behind a deck that does not", g_cdState);
        if (deck.positionTimer) return Broken("timer 1 runs while the deck does not play", g_cdState);
        return "";
    }
    if (!deck.positionTimer && !deck.positionTimerRefused) return "the deck plays without timer 1";
    if (drivePlays || (deck.driveMode == "stopped" && deck.drivePositionMs >= g_discLengthMs)) return "";
    std::string where = deck.drivePositionMs < 0 ? "" : " at " + std::to_string(deck.drivePositionMs) + " ms";
    return "the deck plays while the drive is " + deck.driveMode + where + " (the deck's disc: " +
           std::to_string(g_trackCount) + " tracks, " + std::to_string(g_discLengthMs) + " ms)";
}

std::string CheckGdiBalance(const headless::GdiCounts& baseline) {
    const headless::GdiCounts now = headless::LiveGdiObjects();
    if (now == baseline) return "";
    std::ostringstream out;
    out << "GDI objects not given back: pens " << now.pens << "/" << baseline.pens << ", brushes " << now.brushes
        << "/" << baseline.brushes << ", fonts " << now.fonts << "/" << baseline.fonts << ", bitmaps "
        << now.bitmaps << "/" << baseline.bitmaps << ", memory DCs " << now.memoryDCs << "/" << baseline.memoryDCs
        << ", window DCs " << now.windowDCs << "/" << baseline.windowDCs;
    return out.str();
}

std::string CheckShutDown(const headless::GdiCounts& running, int bitmapsLoaded) {
    if (g_mixer != 0) return "engine handle kept after shutdown";
    for (int p = 0; p < kPadCount; ++p) {
        if (g_padSample[p] != 0) return Broken("sample handle kept after shutdown", p);
    }
    EngineStats stats{};
    EngineGetStats(&stats);
    if (stats.engines != 0 || stats.samples != 0 || stats.channels != 0) return "engine left open after shutdown";
    headless::GdiCounts expected = running;
    expected.bitmaps -= bitmapsLoaded;
    return CheckGdiBalance(expected);
}
