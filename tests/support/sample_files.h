// Files for the sample deck's and the set files' tests: a fresh temporary
// folder with short paths, small WAV
// samples written with libsndfile, and whole-file reads and writes.
//
//   SampleFolder dir;
//   std::string kick = dir.Wav("KICK.WAV");   // 0.1 s of a quiet tone
//   dir.Write("a.tnl", "#FileName...\n");
#pragma once

#include <string>

class SampleFolder {
public:
    SampleFolder();  // a new empty folder under /tmp, e.g. "/tmp/tnAbC123"
    ~SampleFolder();  // removes the folder and everything in it
    SampleFolder(const SampleFolder&) = delete;
    SampleFolder& operator=(const SampleFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The full path of `name` inside the folder.
    std::string File(const std::string& name) const;
    // Writes a mono 16-bit WAV of `frames` frames at `rate`; returns its path.
    std::string Wav(const std::string& name, int frames = 2205, int rate = 22050) const;
    // Writes `bytes` as the whole file; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

// The whole file, or "<missing>" when it cannot be read.
std::string ReadWholeFile(const std::string& path);
