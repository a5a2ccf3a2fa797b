// A folder whose absolute path has an exact length, for paths at and beyond
// the platform's PATH_MAX. It is made and removed one level at a time
// through the current directory, since whole paths that long are refused.
//
//   DeepFolder deep(4095);   // deep.Path().size() == 4095
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "portable.h"

// Windows keeps a current directory to MAX_PATH unless the system is set to
// allow long paths: tests at these lengths begin with this.
#define SKIP_WITHOUT_LONG_PATHS() SKIP_ON_WINDOWS("the current directory is held to MAX_PATH")

class DeepFolder {
public:
    explicit DeepFolder(std::size_t length) : home_(std::filesystem::current_path()) {
        const std::string top = std::filesystem::temp_directory_path().string() + "/tndeep" + std::to_string(portable::ProcessId());
        Enter(top);
        path_ = top;
        while (path_.size() < length) {
            const std::size_t left = length - path_.size() - 1;  // after the separator
            // Never leave a single character for the last level: it needs a
            // separator and a name.
            std::size_t step = left > 200 ? (left - 200 < 2 ? 150 : 200) : left;
            const std::string name(step, 'd');
            Enter(name);
            path_ += "/" + name;
        }
        ChangeTo(home_);
    }
    ~DeepFolder() {
        if (!ChangeTo(path_)) Walk();  // too long for one call: walk down again
        for (std::size_t i = levels_.size(); i-- > 1;) {
            if (!ChangeTo("..")) break;
            std::error_code ignored;
            std::filesystem::remove_all(levels_[i], ignored);
        }
        ChangeTo(home_);
        std::error_code ignored;
        std::filesystem::remove_all(levels_[0], ignored);
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Makes it the current directory until Leave().
    void Enter() const { Walk(); }
    void Leave() const { ChangeTo(home_); }

private:
    static bool ChangeTo(const std::filesystem::path& folder) {
        std::error_code error;
        std::filesystem::current_path(folder, error);
        return !error;
    }
    void Enter(const std::string& name) {
        std::error_code ignored;
        std::filesystem::create_directory(name, ignored);
        ChangeTo(name);
        levels_.push_back(name);
    }
    void Walk() const {
        for (const std::string& level : levels_)
            if (!ChangeTo(level)) return;
    }

    std::filesystem::path home_;
    std::string path_;
    std::vector<std::string> levels_;
};
