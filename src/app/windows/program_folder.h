// What the native program finds in its own folder: beside tornel.exe, the
// console's libraries, the demo disc, the demo samples and the help documents.
#pragma once

#include <string>

namespace winapp {

bool IsFolder(const std::string& path);

// What the user is told when the demo disc or the demo samples folder is
// missing (the names of the missing folders); empty when both are there.
std::string MissingDemoMessage(const std::string& folder);

}  // namespace winapp
