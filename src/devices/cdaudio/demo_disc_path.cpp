#include <filesystem>

#include "devices/cdaudio/cdaudio.h"

namespace cdaudio {

std::string DemoDiscPath()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "demo-disc";
    return (exe.parent_path() / "demo-disc").string();
}

}  // namespace cdaudio
