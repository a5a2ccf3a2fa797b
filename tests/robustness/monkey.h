// The monkey: a whole console on the headless host, over the virtual CD
// drive and the real engine, fed random but well-formed input: presses,
// moves and releases anywhere on the panel, keys, the passing of time, every
// menu command with its dialogs and file dialogs answered from a script, set
// files and samples from a pool of good and broken files, and now and then a
// fault (a sample that vanishes, a full disk, refused timers, the engine's
// output lost) or a shutdown and a fresh start. After every message the
// invariants are checked.
//
//   Monkey monkey(seed);
//   std::string broken = monkey.Run(10000);   // "" when everything held
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "file_pool.h"
#include "invariants.h"
#include "platform/headless/headless.h"
#include "support/virtual_disc.h"

struct MonkeyCounts {
    long messages = 0;    // input messages and clock advances sent
    long clockSteps = 0;  // steps of virtual time, each delivering the timer ticks then due
    long commands = 0;    // menu commands among the messages
    long restarts = 0;    // shutdowns (Exit or the close box) followed by a fresh console
};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Sends `messages` messages; returns "" or the first broken invariant
    // with the messages that led to it.
    std::string Run(long messages);
    const MonkeyCounts& Counts() const { return counts_; }

private:
    struct Rig;

    void Start();
    void Restart();
    void Step();
    void Pointer();
    void Key();
    void Time();
    void MenuCommand();
    void Fault();
    int Roll(int n);
    void Note(const std::string& what);
    std::string Check();
    DeckView ViewDeck();
    std::string History() const;
    headless::Session& Host();

    std::mt19937_64 rng_;
    FilePool files_;
    std::vector<std::unique_ptr<VirtualDisc>> discs_;
    std::unique_ptr<Rig> rig_;
    headless::GdiCounts baseline_{};
    MonkeyCounts counts_;
    std::string broken_;
    std::deque<std::string> history_;
    bool leftDown_ = false;
    int lastX_ = 320, lastY_ = 240;
    std::vector<unsigned> heldKeys_;
    bool timersRefused_ = false;
    bool positionTimerLost_ = false;  // the deck plays on without timer 1, which was refused
};
