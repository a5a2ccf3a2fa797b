// Generates the panel bitmaps and the program icon as 4-bit BMP files.
//   tornel-bitmaps <resources dir>    writes bitmaps/<NAME>.bmp and icons/KORVEX.bmp
//   tornel-bitmaps --preview <png>    contact sheet of every bitmap, 3x
//   tornel-bitmaps --mock <png>       the bitmaps composed into a rough panel, 2x
//   tornel-bitmaps --icons <dir> <name>  the desktop icons, <dir>/<n>x<n>/apps/<name>.png
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "artwork.h"
#include "bmp_file.h"
#include "desktop_icons.h"
#include "preview.h"

namespace {

bool WriteBmp(const std::filesystem::path& path, const art::Canvas& image) {
    const std::vector<std::uint8_t> bytes = art::EncodeBmp4(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int WriteResources(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir / "bitmaps", ec);
    std::filesystem::create_directories(dir / "icons", ec);
    // The build embeds every .bmp it finds: a renamed bitmap must not leave its old file behind.
    for (const auto& entry : std::filesystem::directory_iterator(dir / "bitmaps", ec))
        if (entry.path().extension() == ".bmp") std::filesystem::remove(entry.path(), ec);
    for (const art::Artwork& a : art::PanelBitmaps()) {
        if (!WriteBmp(dir / "bitmaps" / (a.name + ".bmp"), a.image)) {
            std::fprintf(stderr, "cannot write %s\n", a.name.c_str());
            return 1;
        }
    }
    if (!WriteBmp(dir / "icons" / "KORVEX.bmp", art::Icon())) {
        std::fprintf(stderr, "cannot write the icon\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--preview") == 0)
        return art::SaveContactSheet(art::PanelBitmaps(), art::Icon(), argv[2]) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "--mock") == 0)
        return art::SavePanelMock(art::PanelBitmaps(), argv[2]) ? 0 : 1;
    if (argc == 4 && std::strcmp(argv[1], "--icons") == 0) return art::WriteDesktopIcons(argv[2], argv[3]) ? 0 : 1;
    if (argc == 2 && argv[1][0] != '-') return WriteResources(argv[1]);
    std::fprintf(stderr, "usage: %s <resources dir> | --preview <png> | --mock <png> | --icons <dir> <name>\n",
                 argv[0]);
    return 2;
}
