// Finding the files a set file's pads name after the set has moved: from
// the old Windows console to a Linux home, or to another folder or drive.
#pragma once

#include <string>

// The folder of the set file at setPath, "" for a bare name.
std::string SetFileFolder(const char* setPath);
// The file a pad path names as written: a relative path taken from the set
// file's folder first, then from the current directory. "" for none.
std::string FindPadFileAsWritten(const std::string& setFolder, const char* written);
// The first file under the set file's folder that the path's last
// components name, longest first, each component matched ignoring case.
// "" for none, or for a path too long for a pad.
std::string SearchPadFile(const std::string& setFolder, const char* written);
// The name after a path's last "\" or "/".
const char* NameInPath(const char* path);
bool SameNameIgnoringCase(const char* a, const char* b);
