#include "app/windows/program_folder.h"

#include <windows.h>

namespace winapp {

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
