// tornel.exe: the console lives in tornel-console.dll with the libraries it
// needs beside it. This program imports only the system's DLLs, so it always
// starts, and when the console cannot be loaded it says which file is
// missing instead of leaving the user with nothing.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/windows/pe_imports.h"
#include "platform/core/system.h"

namespace {

constexpr char kConsoleDll[] = "tornel-console.dll";

bool ReadFromFolder(const std::string& folder, const std::string& name, std::vector<std::uint8_t>& image) {
    std::ifstream file(folder + "\\" + name, std::ios::binary);
    if (!file) return false;
    image.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

bool SystemHas(const std::string& name) {
    HMODULE module = LoadLibraryExA(name.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return false;
    FreeLibrary(module);
    return true;
}

std::string SystemMessage(DWORD error) {
    char text[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message.empty() ? "error " + std::to_string(error) : message;
}

std::string CannotStartMessage(const std::string& folder, DWORD error) {
    const winapp::DllFinder finder{
        [&folder](const std::string& name, std::vector<std::uint8_t>& image) {
            return ReadFromFolder(folder, name, image);
        },
        SystemHas};
    const std::vector<std::string> missing = winapp::MissingDlls(kConsoleDll, finder);
    if (missing.empty())
        return "Tornel cannot start: " + std::string(kConsoleDll) + " in " + folder + " cannot be loaded (" +
               SystemMessage(error) + ").";
    std::string names;
    for (std::size_t i = 0; i < missing.size(); ++i)
        names += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
    const bool one = missing.size() == 1;
    return "Tornel cannot start: " + names + (one ? " is" : " are") + " missing from its folder " + folder +
           ". Reinstalling Tornel puts " + (one ? "it" : "them") + " back.";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCmd) {
    const std::string folder = win::core::system::ProgramFolder();
    HMODULE console =
        LoadLibraryExA((folder + "\\" + kConsoleDll).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!console) {
        const DWORD error = GetLastError();
        MessageBoxA(nullptr, CannotStartMessage(folder, error).c_str(), "Tornel", MB_OK | MB_ICONERROR);
        return 1;
    }
    using Run = int (*)(HINSTANCE, int);
    const auto run = reinterpret_cast<Run>(reinterpret_cast<void*>(GetProcAddress(console, "TornelRun")));
    if (!run) {
        MessageBoxA(nullptr, ("Tornel cannot start: " + std::string(kConsoleDll) + " in " + folder +
                              " is not the console's library.").c_str(),
                    "Tornel", MB_OK | MB_ICONERROR);
        return 1;
    }
    return run(instance, showCmd);
}
