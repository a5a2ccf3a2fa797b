// What cue sheets and TOC files share: case-blind keywords, MSF times, and
// the files they name, looked for beside the sheet.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cdaudio {

std::string Upper(std::string text);

// "mm:ss:ff" (ff below 75, ss below 60) as a count of sectors.
std::optional<std::uint64_t> ParseMsf(const std::string& word);
// A plain decimal count; none for anything else or one too large to matter.
std::optional<std::uint64_t> ParseCount(const std::string& word);

// The file a sheet names: as written beside the sheet (or absolute), else
// the one entry of that folder whose name matches but for case (sheets
// written on systems that ignore case). "" when there is no regular file.
std::string FileBesideSheet(const std::string& sheetPath, const std::string& name);

// Bytes in a regular file; 0 when it cannot be measured.
std::uint64_t FileBytes(const std::string& path);

// True when libsndfile recognises the file as audio with a header (WAV,
// AIFF, FLAC...), which then declares its own byte order and layout.
bool HasAudioHeader(const std::string& path);

}  // namespace cdaudio
