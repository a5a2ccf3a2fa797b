// The native program's own folder: where tornel.exe lies, and beside it the
// console's libraries, the demo disc, the demo samples and the help documents.
#pragma once

#include <string>

namespace winapp {

// The folder of the running program, without a trailing separator.
std::string ProgramFolder();

bool IsFolder(const std::string& path);

// What the user is told when the demo disc or the demo samples folder is
// missing (the names of the missing folders); empty when both are there.
std::string MissingDemoMessage(const std::string& folder);

}  // namespace winapp
