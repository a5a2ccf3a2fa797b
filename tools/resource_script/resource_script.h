// The resources as a Windows resource script: the menu, the dialog
// templates, the panel bitmaps and the icon, written from the same tables
// and files that the other hosts read, so that windres builds them into the
// native program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "resources/resources.h"

namespace rcgen {

// The script's text. Bitmaps are named "<name>.bmp", the icon "<name>.ico"
// and the manifest `manifest`, all beside the script.
std::string ResourceScript(const std::string& manifest);

// An .ico file holding the 32x32 BMP `bitmap` as its only image, opaque.
// Empty when `bitmap` is not an uncompressed BMP with a 40-byte header.
std::vector<std::uint8_t> IconFromBitmap(const res::Blob& bitmap);

// Writes tornel.rc, every bitmap and the icon into `folder`; false when a
// file cannot be written.
bool WriteResourceFolder(const std::filesystem::path& folder, const std::string& manifest);

}  // namespace rcgen
