// The files the robustness tests hand to the console's file dialogs: good
// and broken samples, good and broken set files, and paths the console must
// refuse (missing, too long for their fields, in a folder that cannot exist).
#pragma once

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/sample_files.h"

class FilePool {
public:
    FilePool();

    const SampleFolder& Folder() const { return dir_; }
    // A good sample, e.g. for a fault test's ordinary actions afterwards.
    std::string GoodSample(int i) const { return good_[static_cast<std::size_t>(i) % good_.size()]; }
    // A path for a pad's open dialog ("" cancels).
    std::string PadAnswer(std::mt19937_64& rng) const;
    // A path for the Load dialog. A pool set file is written afresh first:
    // Save As may have replaced it with the console's setup.
    std::string LoadAnswer(std::mt19937_64& rng) const;
    // A path for the save dialog.
    std::string SaveAnswer(std::mt19937_64& rng) const;
    // Removes the sample that comes and goes, or brings it back.
    void ToggleVanishingSample();

private:
    SampleFolder dir_;
    std::vector<std::string> good_;
    std::vector<std::string> pads_;
    std::vector<std::pair<std::string, std::string>> sets_;  // path, text
    std::vector<std::string> unloadable_;                     // set paths no file stands behind
    std::vector<std::string> saves_;
    std::string vanishing_;
};

// A path of `length` characters inside `folder` (which it starts with).
std::string PathOfLength(const std::string& folder, std::size_t length, const std::string& extension);
