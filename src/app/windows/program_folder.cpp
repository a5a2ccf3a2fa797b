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
    struct Part {
        const char* folder;
        const char* what;
    };
    std::string folders, what;
    for (const Part& part : {Part{"demo-disc", "the demo disc"}, Part{"samples", "the demo samples"}}) {
        if (IsFolder(folder + "\\" + part.folder)) continue;
        const char* joint = folders.empty() ? "" : " and ";
        folders += joint + std::string("\"") + part.folder + "\"";
        what += joint + std::string(part.what);
    }
    if (folders.empty()) return {};
    return "Tornel cannot find " + folders + " in its folder " + folder + ". The console starts without " + what +
           "; reinstalling Tornel puts " + (what.find(" and ") == std::string::npos ? "it" : "them") + " back.";
}

}  // namespace winapp
