// `tornel.exe FILE.tnl` (Explorer's open command): the set file loads once
// the window's loop runs, or goes to the console already running.
#pragma once

namespace winapp {

// True when a console was already running and took the command line's set
// file: this start then ends. Otherwise the file, if any, is loaded as soon
// as the main window's loop runs.
bool HandOverOrLoadSetFileArgument();

}  // namespace winapp
