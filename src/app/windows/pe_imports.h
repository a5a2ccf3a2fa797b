// The DLL names a Windows program or library imports, read from its file,
// and which of them cannot be found: what the user is told when the program
// cannot start.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace winapp {

// The import table's DLL names in order; empty when `image` is not a
// well-formed PE file (or imports nothing).
std::vector<std::string> ImportedDlls(const std::vector<std::uint8_t>& image);

// How the walk reaches the files: the bytes of a DLL in the program's
// folder (nullopt-like: false when it is not there), and whether the system
// provides a DLL by that name.
struct DllFinder {
    std::function<bool(const std::string& name, std::vector<std::uint8_t>& image)> readFromFolder;
    std::function<bool(const std::string& name)> systemHas;
};

// The DLLs that `name` needs, itself included, that are neither in the
// program's folder nor the system's, each once, in the order met.
std::vector<std::string> MissingDlls(const std::string& name, const DllFinder& finder);

}  // namespace winapp
