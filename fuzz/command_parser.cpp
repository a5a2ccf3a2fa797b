// The "cdaudio" command parser over any byte string: it parses or refuses,
// never reads past the text, and what it accepts is within its own limits.
#include <cstdlib>

#include "devices/cdaudio/command_parser.h"

namespace {

constexpr std::int64_t kLargestNumber = 1'000'000'000'000;

bool Sane(const cdaudio::Command& c)
{
    if (c.error != 0) return true;
    const cdaudio::PositionText& p = c.position;
    if (p.fieldCount < 0 || p.fieldCount > 4 || (p.start && p.fieldCount != 0)) return false;
    for (int i = 0; i < p.fieldCount; ++i) {
        std::int64_t lowest = i == 0 ? -kLargestNumber : 0;
        if (p.fields[i] < lowest || p.fields[i] > kLargestNumber) return false;
    }
    return c.track >= -kLargestNumber && c.track <= kLargestNumber;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    cdaudio::Command c = cdaudio::ParseCommand({reinterpret_cast<const char*>(data), size});
    if (!Sane(c)) std::abort();
    return 0;
}
