// What the platform core asks of the system beneath it, apart from files:
// one file a system, system_posix.cpp and system_win32.cpp.
#pragma once

#include <string>

namespace win::core::system {

// Whether the user reads the system's interface in Japanese.
bool JapaneseInterface();

// The process's current directory; "" when the system cannot say.
std::string CurrentDirectory();

// The folder the running program's file lies in, without a trailing
// separator; "." when the system cannot say, so that the program looks in
// the current directory rather than at the root.
std::string ProgramFolder();

// Whether `path` names a file or folder that exists.
bool Exists(const std::string& path);

// The faces the panel's text is drawn with: Arial's stand-in in two weights,
// and the Japanese face for what the pixel font lacks.
enum class Face { Regular, Bold, Wide };
// The font file of `face`, for the life of the process.
const char* FontFile(Face face);

}  // namespace win::core::system
