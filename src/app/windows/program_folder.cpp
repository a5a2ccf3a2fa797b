#include "app/windows/program_folder.h"

#include <windows.h>

#include <vector>

namespace winapp {

std::string ProgramFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return ".";
        if (length < path.size()) {
            const std::string file(path.data(), length);
            const std::size_t slash = file.find_last_of("\\/");
            return slash == std::string::npos ? "." : file.substr(0, slash);
        }
        path.resize(path.size() * 2);
    }
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string MissingDemoMessage(const std::string& folder) {
    std::string missing;
    for (const char* name : {"demo-disc", "samples"}) {
        if (IsFolder(folder + "\\" + name)) continue;
        if (!missing.empty()) missing += " and ";
        missing += std::string("\"") + name + "\"";
    }
    if (missing.empty()) return {};
    return "Tornel cannot find the folder " + missing + " in " + folder +
           ". The console starts without the demo disc and the demo samples; reinstalling Tornel puts them back.";
}

}  // namespace winapp
