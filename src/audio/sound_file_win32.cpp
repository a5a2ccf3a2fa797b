#include "audio/sound_file.h"

#include "platform/core/utf16_win32.h"

namespace audio {

// By the UTF-16 name, so that any UTF-8 name opens whatever the code page.
SNDFILE* OpenSoundFile(const char* path, SF_INFO* info)
{
    return sf_wchar_open(win::native::Utf16(path).c_str(), SFM_READ, info);
}

}  // namespace audio
