// Start-up time: from exec to the first top-level window mapped on the X
// server (without a window manager Xvfb exposes a window as it maps it), for
// the program and for a bare Qt window, five runs each, interleaved, under a
// private Xvfb. Prints the medians and their ratio (goal: at most 1.5).
// Programs named on the command line (an older build, say) are timed too.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr auto kGiveUp = std::chrono::seconds(30);
const char* const kDisplay = ":77";

struct Program {
    const char* label;
    const char* path;
    bool nullAudio;
    std::vector<double> ms;
};

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

// Milliseconds from fork-and-exec to the first mapped top-level window; -1
// when none came.
double TimeToWindow(Display* display, const Program& program)
{
    const std::string path = program.path;
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    XSync(display, True);  // forget the last run's events
    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", kDisplay, 1);
        unsetenv("QT_QPA_PLATFORM");
        if (program.nullAudio) setenv("TORNEL_NULL_AUDIO", "1", 1);
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);  // where its demo disc is
        execl(program.path, program.path, nullptr);
        _exit(127);
    }
    double ms = -1;
    while (Clock::now() - started < kGiveUp) {
        if (XPending(display) == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            break;
        }
    }
    Stop(pid);
    return ms;
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

    std::vector<Program> programs = {{"bare Qt window", BARE_WINDOW_PROGRAM, false, {}},
                                     {"tornel", TORNEL_PROGRAM, false, {}},
                                     {"tornel, TORNEL_NULL_AUDIO=1", TORNEL_PROGRAM, true, {}}};
    for (int i = 1; i < argc; ++i) programs.push_back({argv[i], argv[i], false, {}});
    for (Program& p : programs) TimeToWindow(display, p);  // warm the page cache
    for (int run = 0; run < kRuns; ++run) {
        for (Program& p : programs) p.ms.push_back(TimeToWindow(display, p));
    }
    XCloseDisplay(display);
    Stop(server);

    std::puts("\n=== start-up: exec to window exposed, Xvfb, 5 runs each, interleaved ===");
    for (const Program& p : programs) {
        std::printf("%-30s median %6.1f ms   runs", p.label, Median(p.ms));
        for (double ms : p.ms) std::printf(" %.1f", ms);
        std::putchar('\n');
    }
    const double ratio = Median(programs[1].ms) / Median(programs[0].ms);
    std::printf("tornel / bare window           %.2f (goal <= 1.5): %s\n\n", ratio, ratio <= 1.5 ? "met" : "MISSED");
    return 0;
}
