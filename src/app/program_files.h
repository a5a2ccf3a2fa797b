// Where the program finds the files it ships with: the demo disc, the demo
// samples and the help documents. Installed, they are in the share folder
// that sits beside the program's bin folder (wherever the tree was put);
// in the build folder, next to the program.
#pragma once

#include <filesystem>
#include <string>

struct ProgramFiles {
    enum class Place { Installed, BuildFolder, Missing };
    Place place = Place::Missing;
    // Where the files are; for Missing, the share folder looked for.
    std::filesystem::path folder;
    // Missing: why that folder cannot be read.
    std::string problem;

    // Empty when the folder holds none.
    std::filesystem::path DemoDisc() const;
    std::filesystem::path Samples() const;
};

// For a program that lies in `programFolder`.
ProgramFiles FindProgramFiles(const std::filesystem::path& programFolder);
// For the running program.
ProgramFiles FindProgramFiles();

// What a user is told when the files are missing: one paragraph.
std::string MissingFilesMessage(const ProgramFiles& files);
