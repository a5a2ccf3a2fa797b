// The "cdaudio" command parser over any byte string: it parses or refuses,
// never reads past the text, and what it accepts is within its own limits.
#include <cstdlib>

#include "devices/cdaudio/command_parser.h"

namespace {

constexpr std::int64_t kLargestNumber = 0xFFFFFFFF;

bool SanePosition(const cdaudio::PositionText& p)
{
    if (p.fieldCount < 0 || p.fieldCount > 4) return false;
    for (int i = 0; i < p.fieldCount; ++i) {
        std::int64_t lowest = i == 0 ? -kLargestNumber : 0;
        if (p.fields[i] < lowest || p.fields[i] > kLargestNumber) return false;
    }
    return true;
}

bool Sane(const cdaudio::Command& c, std::string_view text)
{
    // The device name and alias are views into the text.
    for (std::string_view word : {c.device, c.alias}) {
        if (!word.empty() && (word.data() < text.data() || word.data() + word.size() > text.data() + text.size()))
            return false;
    }
    if (c.error != 0) return true;
    if (!SanePosition(c.from) || !SanePosition(c.to)) return false;
    return c.track >= -kLargestNumber && c.track <= kLargestNumber;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!Sane(cdaudio::ParseCommand(text), text)) std::abort();
    return 0;
}
