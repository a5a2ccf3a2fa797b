#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/core/system.h"

namespace win::core::system {

// As the C library chooses the language of its messages.
bool JapaneseInterface() {
    for (const char* var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) return std::strncmp(value, "ja", 2) == 0;
    }
    return false;
}

std::string CurrentDirectory() {
    char* cwd = getcwd(nullptr, 0);
    if (!cwd) return "";
    std::string path = cwd;
    std::free(cwd);
    return path;
}

std::string ProgramFolder() {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !file.has_parent_path()) return ".";
    return file.parent_path().string();
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

const char* FontFile(Face face) {
    switch (face) {
    case Face::Regular: return "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
    case Face::Bold: return "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    case Face::Wide: break;
    }
    return "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
}

}  // namespace win::core::system
