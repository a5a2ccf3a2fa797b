#include "soak_user.h"

#include <iterator>

#include "shell/console_state.h"

namespace {

constexpr int kCdLoopOn = 106;  // menu command
constexpr int kPlayX = 110, kTransportY = 42;
constexpr int kAX = 158, kBX = 182, kClrX = 206, kAbY = 66;
constexpr int kLoadY = 382;
constexpr std::uint64_t kRestartAfterMs = 3000;  // a stopped or paused deck is played again

// Play, stop and loop rows, the space bar and the balance digits.
constexpr win::UINT kKeys[] = {'Z', 'X', 'C', 'V', 'B', 'N', 'M', 'A', 'S', 'D', 'F', 'G', 'H', 'J',
                               'Q', 'W', 'E', 'R', 'T', 'Y', 'U', ' ', '0', '1', '2', '3', '4', '5',
                               '6', '7', '8', '9'};
constexpr win::UINT kLoopKeys[] = {'Q', 'W', 'E', 'R', 'T', 'Y', 'U'};

// Transport buttons and the three tracks of the demo disc; STOP and PAUSE
// leave the deck for KeepPlaying to start again.
constexpr int kJumpX[] = {86, 134, 158, 182, 206, 230, 332, 356, 380};

int PadCentreX(int pad) { return 95 + 42 * pad; }

}  // namespace

SoakUser::SoakUser(headless::Session& host, std::vector<std::string> samples, std::uint32_t seed)
    : host_(host), samples_(std::move(samples)), random_(seed) {}

std::uint64_t SoakUser::After(std::uint64_t minMs, std::uint64_t maxMs) {
    return now_ + std::uniform_int_distribution<std::uint64_t>(minMs, maxMs)(random_);
}

void SoakUser::LoadPad(int pad) {
    host_.MouseDown(PadCentreX(pad), kLoadY);
    host_.AnswerFileDialog(samples_[static_cast<std::size_t>(pad) % samples_.size()]);
    host_.MouseUp(PadCentreX(pad), kLoadY);
}

void SoakUser::Start() {
    host_.Command(kCdLoopOn);
    for (int pad = 0; pad < kPadCount; ++pad) {
        LoadPad(pad);
        host_.KeyDown(kLoopKeys[pad]);
        host_.KeyUp(kLoopKeys[pad]);
    }
    host_.Click(kPlayX, kTransportY);
    nextKey_ = After(200, 800);
    nextAb_ = After(10000, 20000);
    nextJump_ = After(30000, 60000);
    nextReload_ = After(60000, 120000);
}

void SoakUser::StrikeKey() {
    if (heldKey_ != 0 && now_ >= keyUpAt_) {
        host_.KeyUp(heldKey_);
        heldKey_ = 0;
    }
    if (heldKey_ != 0 || now_ < nextKey_) return;
    heldKey_ = kKeys[std::uniform_int_distribution<std::size_t>(0, std::size(kKeys) - 1)(random_)];
    host_.KeyDown(heldKey_);
    ++counts_.keyStrokes;
    keyUpAt_ = After(30, 300);
    nextKey_ = After(200, 800);
}

// A marks a point, B some seconds later starts the repeat, CLR ends it.
void SoakUser::StepAb() {
    if (now_ < nextAb_) return;
    switch (ab_) {
        case Ab::Idle:
            if (g_cdState != CD_PLAYING) break;
            host_.Click(kAX, kAbY);
            ab_ = Ab::ASet;
            nextAb_ = After(1000, 5000);
            return;
        case Ab::ASet:
            host_.Click(kBX, kAbY);
            ++counts_.abRepeats;
            ab_ = Ab::Looping;
            nextAb_ = After(5000, 20000);
            return;
        case Ab::Looping:
            host_.Click(kClrX, kAbY);
            ab_ = Ab::Idle;
            break;
    }
    nextAb_ = After(10000, 30000);
}

void SoakUser::Jump() {
    if (now_ < nextJump_) return;
    host_.Click(kJumpX[std::uniform_int_distribution<std::size_t>(0, std::size(kJumpX) - 1)(random_)], kTransportY);
    ++counts_.jumps;
    nextJump_ = After(20000, 60000);
}

void SoakUser::KeepPlaying() {
    if (g_cdState == CD_PLAYING) {
        stopped_ = false;
        return;
    }
    if (!stopped_) {
        stopped_ = true;
        stoppedSince_ = now_;
    }
    if (now_ - stoppedSince_ < kRestartAfterMs) return;
    host_.Click(kPlayX, kTransportY);
    ++counts_.replays;
    stopped_ = false;
}

void SoakUser::Step(std::uint64_t nowMs) {
    now_ = nowMs;
    StrikeKey();
    StepAb();
    Jump();
    KeepPlaying();
    if (now_ >= nextReload_) {
        LoadPad(std::uniform_int_distribution<int>(0, kPadCount - 1)(random_));
        ++counts_.padReloads;
        nextReload_ = After(60000, 180000);
    }
}
