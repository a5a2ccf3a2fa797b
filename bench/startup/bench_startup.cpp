// Start-up time: from exec to the first top-level window mapped on the X
// server (without a window manager Xvfb exposes a window as it maps it), for
// the program and for a bare Qt window, five runs each, interleaved, under a
// private Xvfb. Prints the medians and their ratio (goal: at most 1.5).
// Programs named on the command line (an older build, say) are timed too.
//
// A machine without a sound card gets one more run: ALSA's default device
// made a file plugin that writes into a pipe, so the first sound the program
// plays shows when its real device came into use (goal: within 500 ms of the
// window).
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr auto kGiveUp = std::chrono::seconds(30);
const char* const kDisplay = ":77";

enum class Sound { Default, Null, AlsaPipe };

struct Program {
    const char* label;
    const char* path;
    Sound sound;
    std::vector<double> ms;
    std::vector<double> soundAfterWindowMs;
};

// An ALSA configuration whose default device writes what it plays into a
// pipe that this program reads.
struct AlsaPipe {
    std::filesystem::path folder;
    std::filesystem::path config;
    std::filesystem::path fifo;

    AlsaPipe()
        : folder(std::filesystem::temp_directory_path() / ("tornel-bench-alsa-" + std::to_string(getpid()))),
          config(folder / "asound.conf"),
          fifo(folder / "played")
    {
        std::filesystem::create_directories(folder);
        mkfifo(fifo.c_str(), 0600);
        std::ofstream(config) << "</usr/share/alsa/alsa.conf>\n"
                                 "pcm.!default { type file slave.pcm \"null\" file \""
                              << fifo.string() << "\" format \"raw\" }\n";
    }
    ~AlsaPipe() { std::filesystem::remove_all(folder); }
};

bool HasAlsaConfiguration() { return std::filesystem::exists("/usr/share/alsa/alsa.conf"); }

// Only a machine without a card: one with a card is measured as it is.
bool HasSoundCard() { return std::filesystem::exists("/proc/asound/cards") && std::filesystem::exists("/dev/snd"); }

bool HasXvfb() { return std::system("command -v Xvfb >/dev/null 2>&1") == 0; }

pid_t StartXvfb()
{
    const pid_t pid = fork();
    if (pid == 0) {
        execlp("Xvfb", "Xvfb", kDisplay, "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr);
        _exit(127);
    }
    return pid;
}

Display* Connect()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Display* display = XOpenDisplay(kDisplay)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// Milliseconds from fork-and-exec to the first mapped top-level window (-1
// when none came) and, with the pipe, from the window to the first bytes
// played (-1 when none came).
struct Timing {
    double window = -1;
    double soundAfterWindow = -1;
};

Timing TimeStart(Display* display, const Program& program, const AlsaPipe* alsa)
{
    const std::string path = program.path;
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    XSync(display, True);  // forget the last run's events
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", kDisplay, 1);
        unsetenv("QT_QPA_PLATFORM");
        if (program.sound == Sound::Null) setenv("TORNEL_NULL_AUDIO", "1", 1);
        if (program.sound == Sound::AlsaPipe) setenv("ALSA_CONFIG_PATH", alsa->config.c_str(), 1);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);  // where its demo disc is
        execl(program.path, program.path, nullptr);
        _exit(127);
    }
    const bool listens = program.sound == Sound::AlsaPipe;
    // Opened without waiting for the writer; the device opens its end when
    // the program opens the card.
    const int played = listens ? open(alsa->fifo.c_str(), O_RDONLY | O_NONBLOCK) : -1;
    Timing timing;
    double soundMs = -1;
    auto since = [](Clock::time_point from) {
        return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
    };
    while (Clock::now() - started < kGiveUp && (timing.window < 0 || (listens && soundMs < 0))) {
        char bytes[4096];
        if (played >= 0 && soundMs < 0 && read(played, bytes, sizeof bytes) > 0) soundMs = since(started);
        if (timing.window >= 0 || XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) timing.window = since(started);
    }
    Stop(pid);
    if (played >= 0) close(played);
    if (timing.window >= 0 && soundMs >= 0) timing.soundAfterWindow = soundMs - timing.window;
    return timing;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (!HasXvfb()) {
        std::puts("bench_startup: Xvfb is not installed (make bench installs it); skipped");
        return 0;
    }
    const pid_t server = StartXvfb();
    Display* display = Connect();
    if (!display) {
        std::puts("bench_startup: Xvfb did not start; skipped");
        Stop(server);
        return 0;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::vector<Program> programs = {{"bare Qt window", BARE_WINDOW_PROGRAM, Sound::Default, {}, {}},
                                     {"tornel", TORNEL_PROGRAM, Sound::Default, {}, {}},
                                     {"tornel, TORNEL_NULL_AUDIO=1", TORNEL_PROGRAM, Sound::Null, {}, {}}};
    std::unique_ptr<AlsaPipe> alsa;
    if (!HasSoundCard() && HasAlsaConfiguration()) {
        alsa = std::make_unique<AlsaPipe>();
        programs.push_back({"tornel, ALSA device into a pipe", TORNEL_PROGRAM, Sound::AlsaPipe, {}, {}});
    }
    for (int i = 1; i < argc; ++i) programs.push_back({argv[i], argv[i], Sound::Default, {}, {}});
    for (Program& p : programs) TimeStart(display, p, alsa.get());  // warm the page cache
    for (int run = 0; run < kRuns; ++run) {
        for (Program& p : programs) {
            const Timing timing = TimeStart(display, p, alsa.get());
            p.ms.push_back(timing.window);
            if (p.sound == Sound::AlsaPipe) p.soundAfterWindowMs.push_back(timing.soundAfterWindow);
        }
    }
    XCloseDisplay(display);
    Stop(server);

    std::puts("\n=== start-up: exec to window exposed, Xvfb, 5 runs each, interleaved ===");
    for (const Program& p : programs) {
        std::printf("%-32s median %6.1f ms   runs", p.label, Median(p.ms));
        for (double ms : p.ms) std::printf(" %.1f", ms);
        std::putchar('\n');
    }
    for (const Program& p : programs) {
        if (p.soundAfterWindowMs.empty()) continue;
        const double median = Median(p.soundAfterWindowMs);
        std::printf("first sound after the window     median %6.1f ms   runs", median);
        for (double ms : p.soundAfterWindowMs) std::printf(" %.1f", ms);
        std::printf("  (goal <= 500): %s\n", median >= 0 && median <= 500 ? "met" : "MISSED");
    }
    const double ratio = Median(programs[1].ms) / Median(programs[0].ms);
    std::printf("tornel / bare window             %.2f (goal <= 1.5): %s\n\n", ratio, ratio <= 1.5 ? "met" : "MISSED");
    return 0;
}
