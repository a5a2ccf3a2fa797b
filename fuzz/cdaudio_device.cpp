// The whole "cdaudio" device on the virtual output, holding a small folder
// disc. An input is one reply-buffer size (first byte), one amount of output
// to let pass after each command (second byte), then command strings, one a
// line. Every reply must be terminated inside the buffer, which is allocated
// at exactly its size, and a refused command must leave it empty.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "devices/cdaudio/cdaudio.h"
#include "scratch.h"

namespace {

cdaudio::Device& TheDevice()
{
    static std::unique_ptr<cdaudio::Device> device = [] {
        std::string folder = fuzz::ScratchDir() + "/disc";
        std::filesystem::create_directory(folder);
        // Short tracks keep each input fast: a few CD frames each, one of
        // them mono at another rate and not a whole number of CD frames.
        fuzz::WriteToneWav(folder + "/01.wav", 3 * 588, 44100, 2);
        fuzz::WriteToneWav(folder + "/02.wav", 601, 22050, 1);
        fuzz::WriteToneWav(folder + "/03.wav", 7 * 588, 44100, 2);
        cdaudio::Options options;
        options.output = cdaudio::Output::Virtual;
        options.usePhysicalDrive = false;
        options.initialDisc = folder;
        options.askForDisc = [folder] { return folder; };
        return cdaudio::CreateDevice(options);
    }();
    return *device;
}

// Each input starts from the same device state: disc in, stopped at the
// start, milliseconds, no device opened by name.
void Reset(cdaudio::Device& device)
{
    for (const char* command :
         {"close all", "set cdaudio door closed", "seek cdaudio to start", "set cdaudio time format ms"}) {
        if (device.SendString(command, nullptr, 0) != 0) std::abort();
    }
}

void Send(cdaudio::Device& device, const std::string& command, win::UINT replySize)
{
    std::unique_ptr<char[]> reply(new char[replySize]);
    std::memset(reply.get(), 'x', replySize);
    win::MCIERROR error = device.SendString(command.c_str(), reply.get(), replySize);
    if (replySize == 0) return;
    if (!std::memchr(reply.get(), '\0', replySize)) std::abort();
    if (error != 0 && error != win::MCIERR_PARAM_OVERFLOW && reply[0] != '\0') std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    cdaudio::Device& device = TheDevice();
    Reset(device);
    const win::UINT replySize = data[0];
    const std::uint32_t advance = data[1] * 7u;
    std::string_view commands(reinterpret_cast<const char*>(data) + 2, size - 2);
    while (!commands.empty()) {
        std::size_t end = commands.find('\n');
        Send(device, std::string(commands.substr(0, end)), replySize);
        device.AdvanceVirtualOutput(advance);
        commands.remove_prefix(end == std::string_view::npos ? commands.size() : end + 1);
    }
    return 0;
}
