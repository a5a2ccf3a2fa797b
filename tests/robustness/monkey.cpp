#include "monkey.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "commands/menu_commands.h"
#include "devices/cdaudio/cdaudio.h"
#include "engine/engine_output.h"
#include "panel/press.h"
#include "platform/dialog_state.h"
#include "shell/console_state.h"
#include "support/console_session.h"

namespace {

constexpr std::uint64_t kDriveRate = 44100;
constexpr std::size_t kHistory = 40;

struct Box {
    int left, top, right, bottom;  // all edges included
};

// The panel's controls, a little beyond their edges: the monkey aims at them
// most of the time and anywhere at all otherwise. The transport and the A-B
// buttons count several times: an A-B loop needs A and B while the deck plays.
constexpr Box kControls[] = {
    {72, 28, 268, 56},    // transport buttons
    {72, 28, 268, 56},
    {144, 52, 220, 80},   // A, B, CLR
    {144, 52, 220, 80},
    {144, 52, 220, 80},
    {318, 28, 562, 80},   // track buttons
    {438, 88, 604, 116},  // mode, list clear, refresh
    {449, 139, 603, 161}, // balance knobs
    {464, 159, 488, 231}, // CD volume fader
    {564, 159, 588, 231}, // wave volume fader
    {72, 274, 412, 300},  // loop buttons
    {387, 299, 411, 371}, // speed fader
    {72, 369, 370, 395},  // load buttons
};
constexpr Box kLoadRow = {75, 371, 367, 393};

constexpr unsigned kKeys[] = {'Z', 'X', 'C', 'V', 'B', 'N', 'M', 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'Q',
                              'W', 'E', 'R', 'T', 'Y', 'U', ' ', '0', '1', '2', '3', '4', '5', '6', '7',
                              '8', '9', 'I', 'K', 'L', 'O', 'P', 0xBC, 0x60, 0x65, 0x10, 0x0D, 0x1B, 0x70};
constexpr win::DWORD kPauses[] = {1, 7, 10, 10, 10, 20, 50, 100, 100, 100, 100, 150, 250, 400};
constexpr int kMenuIds[] = {IDM_ABOUT, IDM_LOAD,     IDM_SAVE,     IDM_SAVEAS,     IDM_CDLOOP_ON, IDM_CDLOOP_OFF,
                            IDM_WAVESPEED, IDM_README, IDM_WAVELOOP, IDM_BRIEFHELP, IDM_HELP,     105, 0, 4242};

bool Inside(const Box& b, int x, int y) { return x >= b.left && x <= b.right && y >= b.top && y <= b.bottom; }

// Asks the drive directly: the program's call log and the deck see nothing.
std::string Ask(cdaudio::Device& drive, const char* command) {
    char reply[64];
    drive.SendString(command, reply, sizeof reply);
    return reply;
}

// The time format is the drive's own setting, which the console sets before
// every use; it is put back as it was all the same.
long long PositionMs(cdaudio::Device& drive) {
    const std::string format = Ask(drive, "status cdaudio time format");
    Ask(drive, "set cdaudio time format milliseconds");
    const long long position = std::atoll(Ask(drive, "status cdaudio position").c_str());
    Ask(drive, ("set cdaudio time format " + format).c_str());
    return position;
}

}  // namespace

// The virtual drive (its disc changer answers a closed door with one of the
// monkey's discs, or leaves it empty) and the console over it.
struct Monkey::Rig {
    explicit Rig(const cdaudio::Options& options)
        : drive(cdaudio::CreateDevice(options)), console({.device = drive.get()}) {}
    std::unique_ptr<cdaudio::Device> drive;
    ConsoleSession console;
    std::uint64_t frameRemainder = 0;
};

Monkey::Monkey(std::uint64_t seed) : rng_(seed) {
    discs_.push_back(std::make_unique<VirtualDisc>(std::vector<int>{2000, 3000, 1000}));
    discs_.push_back(std::make_unique<VirtualDisc>(std::vector<int>(22, 1000)));
    discs_.push_back(std::make_unique<VirtualDisc>(std::vector<int>{4000}));
    Start();
}

Monkey::~Monkey() = default;

headless::Session& Monkey::Host() { return rig_->console.host; }

int Monkey::Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

void Monkey::Start() {
    cdaudio::Options options;
    options.output = cdaudio::Output::Virtual;
    options.initialDisc = discs_[static_cast<std::size_t>(Roll(static_cast<int>(discs_.size())))]->Folder();
    options.usePhysicalDrive = false;
    options.askForDisc = [this] {
        const int pick = Roll(static_cast<int>(discs_.size()) + 1);
        return pick < static_cast<int>(discs_.size()) ? discs_[static_cast<std::size_t>(pick)]->Folder() : "";
    };
    rig_ = std::make_unique<Rig>(options);
    Host().OnAdvance([this](win::DWORD ms) {
        ++counts_.clockSteps;
        rig_->frameRemainder += kDriveRate * ms;
        rig_->drive->AdvanceVirtualOutput(static_cast<std::uint32_t>(rig_->frameRemainder / 1000));
        rig_->frameRemainder %= 1000;
        if (broken_.empty()) broken_ = Check();
    });
    baseline_ = headless::LiveGdiObjects();
    leftDown_ = false;
    heldKeys_.clear();
    timersRefused_ = false;
    positionTimerLost_ = false;
}

// Exit from the menu or the close box, then a fresh console.
void Monkey::Restart() {
    const bool exit = Roll(2) == 0;
    Note(exit ? "Exit" : "close box");
    const int bitmapsLoaded =
        static_cast<int>(std::count_if(std::begin(g_bitmaps), std::end(g_bitmaps), [](auto b) { return b != nullptr; }));
    if (exit) {
        Host().Command(IDM_EXIT);
    } else {
        Host().Close();
    }
    if (!Host().QuitPosted() || Host().ExitCode() != 0) broken_ = "shutdown posted no quit with code 0";
    if (broken_.empty()) broken_ = CheckShutDown(baseline_, bitmapsLoaded);
    rig_.reset();
    ++counts_.restarts;
    Start();
}

std::string Monkey::Check() {
    std::string broken = CheckConsoleState();
    if (broken.empty()) broken = CheckDeck(ViewDeck());
    return broken.empty() ? CheckGdiBalance(baseline_) : broken;
}

DeckView Monkey::ViewDeck() {
    cdaudio::Device& drive = *rig_->drive;
    DeckView view{};
    view.drivePositionMs = -1;
    view.driveMode = Ask(drive, "status cdaudio mode");
    view.positionTimer = Host().TimerRunning(g_hWnd, 1);
    view.abTimer = Host().TimerRunning(g_hWnd, 2);
    if (g_cdState == CD_PLAYING && view.driveMode == "stopped") view.drivePositionMs = PositionMs(drive);
    if (g_cdState != CD_PLAYING) {
        positionTimerLost_ = false;
    } else if (timersRefused_ && !view.positionTimer) {
        positionTimerLost_ = true;
    }
    view.positionTimerRefused = positionTimerLost_;
    return view;
}

void Monkey::Note(const std::string& what) {
    if (history_.size() == kHistory) history_.pop_front();
    history_.push_back(what);
}

std::string Monkey::History() const {
    std::string text;
    for (const std::string& line : history_) text += "  " + line + "\n";
    return text;
}

std::string Monkey::Run(long messages) {
    broken_ = Check();
    for (long i = 0; i < messages && broken_.empty(); ++i) {
        if (i > 0 && i == messages / 2) {
            Restart();  // at least one in every run
        } else {
            Step();
        }
        ++counts_.messages;
        Host().ClearCalls();
        if (broken_.empty()) broken_ = Check();
        if (!broken_.empty()) return "after message " + std::to_string(i) + ": " + broken_ + "\n" + History();
    }
    return broken_;
}

void Monkey::Step() {
    const int roll = Roll(10000);
    if (roll < 4500) return Pointer();
    if (roll < 7000) return Key();
    if (roll < 9550) return Time();
    if (roll < 9985) return MenuCommand();
    if (roll < 9999) return Fault();
    Restart();
}

void Monkey::Pointer() {
    const int roll = Roll(100);
    const bool dragging = g_pressed >= PRESS_CDVOL && g_pressed <= PRESS_SPEED;
    int x = lastX_, y = lastY_;
    if (leftDown_ && roll < 70) {
        // Most gestures stay near where they began: clicks, drags, a twitch.
        const int reach = dragging ? 15 : roll < 40 ? 0 : 3;
        x += Roll(2 * reach + 1) - reach;
        y += Roll(2 * reach + 1) - reach;
    } else if (roll < 80) {
        const Box& b = kControls[Roll(std::size(kControls))];
        x = b.left + Roll(b.right - b.left + 1);
        y = b.top + Roll(b.bottom - b.top + 1);
    } else {
        x = Roll(700) - 30;
        y = Roll(540) - 30;
    }
    lastX_ = x;
    lastY_ = y;
    char what[64];
    const int gesture = Roll(100);
    if (leftDown_ && gesture < 45) {
        // The load button's release opens the file dialog: answer it.
        if (g_pressed == PRESS_PADLOAD && Inside(kLoadRow, x, y)) Host().AnswerFileDialog(files_.PadAnswer(rng_));
        std::snprintf(what, sizeof what, "up %d,%d", x, y);
        Note(what);
        leftDown_ = false;
        Host().MouseUp(x, y);
    } else if (leftDown_ && gesture < 48) {
        Note("(released outside the window)");
        leftDown_ = false;
    } else if (!leftDown_ && gesture < 50) {
        std::snprintf(what, sizeof what, "down %d,%d", x, y);
        Note(what);
        leftDown_ = true;
        Host().MouseDown(x, y);
    } else if (gesture < 52) {
        std::snprintf(what, sizeof what, "right %d,%d", x, y);
        Note(what);
        Host().RightDown(x, y);
    } else {
        std::snprintf(what, sizeof what, "move %d,%d", x, y);
        Note(what);
        Host().MouseMove(x, y);
    }
}

void Monkey::Key() {
    char what[48];
    const bool release = !heldKeys_.empty() && (Roll(2) == 0 || heldKeys_.size() > 3);
    if (release) {
        const std::size_t i = static_cast<std::size_t>(Roll(static_cast<int>(heldKeys_.size())));
        const unsigned vk = heldKeys_[i];
        heldKeys_.erase(heldKeys_.begin() + static_cast<std::ptrdiff_t>(i));
        std::snprintf(what, sizeof what, "key up 0x%02X", vk);
        Note(what);
        return Host().KeyUp(vk);
    }
    const unsigned vk = Roll(50) == 0 ? static_cast<unsigned>(Roll(256)) : kKeys[Roll(std::size(kKeys))];
    if (Roll(30) == 0) {  // a key-up without its key-down (focus came back with the key held)
        std::snprintf(what, sizeof what, "key up 0x%02X (not held)", vk);
        Note(what);
        return Host().KeyUp(vk);
    }
    const bool repeat = std::find(heldKeys_.begin(), heldKeys_.end(), vk) != heldKeys_.end();
    if (!repeat) heldKeys_.push_back(vk);
    std::snprintf(what, sizeof what, "key down 0x%02X%s", vk, repeat ? " (repeat)" : "");
    Note(what);
    Host().KeyDown(vk, repeat);
}

void Monkey::Time() {
    win::DWORD ms = kPauses[Roll(std::size(kPauses))];
    if (Roll(200) == 0) ms = 1000 + static_cast<win::DWORD>(Roll(7000));
    Note("advance " + std::to_string(ms) + " ms");
    Host().Advance(ms);
}

namespace {

// What a user might type into a dialog's number field.
std::string Typed(std::mt19937_64& rng, int largest) {
    static const char* const kOdd[] = {"", "-3", "abc", "12a", " 5", "+7", "4294967295", "99999999999", "0"};
    const int pick = std::uniform_int_distribution<int>(0, 11)(rng);
    if (pick < 9) return kOdd[pick];
    return std::to_string(std::uniform_int_distribution<int>(0, largest)(rng));
}

// Presses OK, Cancel, or nothing (the host then dismisses the dialog).
int ClosingButton(std::mt19937_64& rng) {
    const int pick = std::uniform_int_distribution<int>(0, 5)(rng);
    return pick < 3 ? win::IDOK : pick < 5 ? win::IDCANCEL : 0;
}

std::function<void(win::DialogState&)> Script(std::vector<std::pair<int, std::string>> edits, int button) {
    return [edits, button](win::DialogState& dialog) {
        for (const auto& [id, text] : edits) {
            if (win::DialogItem* item = dialog.Item(id)) item->text = text;
        }
        if (button != 0) dialog.Command(button);
    };
}

}  // namespace

void Monkey::MenuCommand() {
    const int id = kMenuIds[Roll(std::size(kMenuIds))];
    std::vector<std::pair<int, std::string>> edits;
    std::string detail;
    switch (id) {
        case IDM_WAVELOOP:
            for (int edit : kLoopEditIds) edits.emplace_back(edit, Typed(rng_, 10001));
            [[fallthrough]];
        case IDM_ABOUT:
        case IDM_BRIEFHELP:
            Host().AnswerDialog(Script(edits, ClosingButton(rng_)));
            break;
        case IDM_WAVESPEED:
            edits.emplace_back(IDC_SPEED_EDIT, Typed(rng_, 50000));
            detail = " speed \"" + edits.back().second + "\"";
            Host().AnswerDialog(Script(edits, ClosingButton(rng_)));
            break;
        case IDM_LOAD:
            detail = " " + files_.LoadAnswer(rng_);
            Host().AnswerFileDialog(detail.substr(1));
            break;
        case IDM_SAVE:
            detail = " " + files_.SaveAnswer(rng_);
            Host().AnswerFileDialog(detail.substr(1));
            Host().AnswerMessageBox(Roll(2) == 0 ? win::IDOK : win::IDCANCEL);
            break;
        default:
            break;
    }
    Note("command " + std::to_string(id) + detail);
    ++counts_.commands;
    Host().Command(id);
}

void Monkey::Fault() {
    switch (Roll(5)) {
        case 0:
            Note("sample DEL.WAV removed or restored");
            files_.ToggleVanishingSample();
            break;
        case 1: {
            const long budget = Roll(2) == 0 ? -1 : Roll(400);
            Note("disk space " + std::to_string(budget));
            Host().LimitDiskSpace(budget);
            break;
        }
        case 2:
            Note("engine output lost");
            EngineLoseOutput(g_mixer);
            break;
        default: {
            timersRefused_ = Roll(3) == 0;
            Note(timersRefused_ ? "timers refused" : "timers allowed");
            Host().RefuseTimers(timersRefused_);
            break;
        }
    }
    // Not a message: the next one is the fault's first.
    Note("advance 10 ms");
    Host().Advance(10);
}
