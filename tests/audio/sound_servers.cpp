#include "sound_servers.h"

#include <signal.h>
#include <spawn.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace audio_test {
namespace {

// Until the server answers its clients: polled, it has no other signal.
bool AnswersWithin(const std::string& probe, std::chrono::seconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::system((probe + " >/dev/null 2>&1").c_str()) == 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

std::string NewFolder(const char* kind)
{
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string("tornel-") + kind + "-XXXXXX")).string();
    return mkdtemp(pattern.data()) ? pattern : "";
}

}  // namespace

bool ServerProcess::Spawn(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) pid_ = -1;
    return !failed;
}

void ServerProcess::Kill()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

void ServerProcess::Stop()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            Kill();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
}

void ServerProcess::Pause() { kill(pid_, SIGSTOP); }
void ServerProcess::Resume() { kill(pid_, SIGCONT); }

std::string Capture(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        if (pclose(pipe) != 0) return "";
    }
    return out;
}

bool Installed(const std::string& program)
{
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

PulseServer::PulseServer() : folder_(NewFolder("pulse"))
{
    std::filesystem::create_directories(folder_ + "/home");
    std::filesystem::create_directories(folder_ + "/run");
    setenv("PULSE_SERVER", ("unix:" + folder_ + "/native").c_str(), 1);
    // Neither the server nor its clients look for a session bus or the user's own files.
    setenv("PULSE_RUNTIME_PATH", (folder_ + "/run").c_str(), 1);
    setenv("PULSE_COOKIE", (folder_ + "/cookie").c_str(), 1);
}

PulseServer::~PulseServer()
{
    process_.Kill();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool PulseServer::Start(bool withSink)
{
    std::ofstream script(folder_ + "/server.pa");
    if (withSink) script << "load-module module-null-sink sink_name=tornel_test rate=44100\n";
    script << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << folder_ << "/native\n";
    if (withSink) script << "set-default-sink tornel_test\n";
    script.close();
    // As root (CI) the server wants --system unless told otherwise.
    setenv("HOME", (folder_ + "/home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (folder_ + "/run").c_str(), 1);
    // At normal priority, as a desktop's server may well run.
    if (!process_.Spawn({"pulseaudio", "--system=false", "--daemonize=no", "--exit-idle-time=-1", "-n", "-F",
                         folder_ + "/server.pa", "--disallow-exit=yes", "--use-pid-file=no", "--realtime=no",
                         "--high-priority=no"}))
        return false;
    return AnswersWithin("pactl info", std::chrono::seconds(20));
}

std::string PulseServer::Pactl(const std::string& arguments) const { return Capture("pactl " + arguments); }

std::vector<float> PulseServer::Record(double seconds) const
{
    const std::size_t bytes = static_cast<std::size_t>(seconds * 44100) * 2 * sizeof(float);
    const std::string raw = Capture("timeout 20 parec --raw --format=float32le --channels=2 --rate=44100 "
                                    "--latency-msec=10 -d tornel_test.monitor 2>/dev/null | head -c " +
                                    std::to_string(bytes));
    std::vector<float> frames(raw.size() / sizeof(float));
    std::memcpy(frames.data(), raw.data(), frames.size() * sizeof(float));
    return frames;
}

JackServer::JackServer() : folder_(NewFolder("jack"))
{
    setenv("JACK_DEFAULT_SERVER", std::filesystem::path(folder_).filename().c_str(), 1);
    setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
}

JackServer::~JackServer()
{
    process_.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool JackServer::Start(int rate, int period)
{
    if (!process_.Spawn({"jackd", "--no-realtime", "-d", "dummy", "-r", std::to_string(rate), "-p",
                         std::to_string(period)}))
        return false;
    return AnswersWithin("jack_lsp", std::chrono::seconds(20));
}

std::string JackServer::Ports(const std::string& options) const { return Capture("jack_lsp " + options); }

std::vector<float> JackServer::Record(const std::string& port, int seconds) const
{
    const std::string file = folder_ + "/recorded.wav";
    std::filesystem::remove(file);
    const std::string duration = std::to_string(seconds);
    if (std::system(("timeout 20 jack_rec -f " + file + " -d " + duration + " -b 32 " + port + " >/dev/null 2>&1")
                        .c_str()) != 0)
        return {};
    SF_INFO info{};
    SNDFILE* sound = sf_open(file.c_str(), SFM_READ, &info);
    if (!sound) return {};
    std::vector<float> frames(static_cast<std::size_t>(info.frames * info.channels));
    frames.resize(static_cast<std::size_t>(sf_read_float(sound, frames.data(), sf_count_t(frames.size()))));
    sf_close(sound);
    return frames;
}

}  // namespace audio_test
