// The mark as desktop icons: PNG files with a transparent ground, one drawn
// for each size of the icon theme.
#pragma once

#include <filesystem>
#include <string>

namespace art {

constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Writes <theme dir>/<n>x<n>/apps/<name>.png for every size.
bool WriteDesktopIcons(const std::filesystem::path& themeDir, const std::string& name);

}  // namespace art
