#include "devices/cdaudio/cdaudio.h"

#include "platform/core/utf16_win32.h"

namespace cdaudio {

std::string DemoDiscPath()
{
    const std::string folder = win::native::ProgramFolder();
    return folder.empty() ? "demo-disc" : folder + "\\demo-disc";
}

}  // namespace cdaudio
