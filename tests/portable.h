// What tests need of the system beyond the standard library, alike on Linux
// and Windows: the environment, the process id, fresh temporary folders.
#pragma once

#include <string>

// Starts a test of what Windows does otherwise or not at all, `why` saying
// what; on Linux it does nothing.
#ifdef _WIN32
#define SKIP_ON_WINDOWS(why) GTEST_SKIP() << why
#else
#define SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

namespace portable {

void SetEnv(const char* name, const char* value, bool overwrite = true);
void UnsetEnv(const char* name);
int ProcessId();

// A new empty folder in the system's temporary folder, its name starting
// with `prefix`; "" when none can be made.
std::string MakeTempFolder(const std::string& prefix);

}  // namespace portable
