#include "portable.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace portable {

void SetEnv(const char* name, const char* value, bool overwrite) {
#ifdef _WIN32
    if (overwrite || !std::getenv(name)) _putenv_s(name, value);
#else
    setenv(name, value, overwrite ? 1 : 0);
#endif
}

void UnsetEnv(const char* name) {
#ifdef _WIN32
    _putenv_s(name, "");  // an empty value removes the variable
#else
    unsetenv(name);
#endif
}

int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<int>(getpid());
#endif
}

std::string MakeTempFolder(const std::string& prefix) {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    if (error) return "";
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder =
            temp / (prefix + std::to_string(ProcessId()) + "-" + std::to_string(random() % 1000000));
        if (std::filesystem::create_directory(folder, error)) return folder.string();
    }
    return "";
}

}  // namespace portable
