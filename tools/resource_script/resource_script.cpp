#include "resource_script.h"

#include <cstring>
#include <fstream>

#include "resources/embedded.h"

namespace rcgen {
namespace {

// A script string: quotes doubled, as the resource compiler reads them.
std::string Quoted(const char* text) {
    std::string out = "\"";
    for (const char* p = text ? text : ""; *p; ++p) out += *p == '"' ? std::string("\"\"") : std::string(1, *p);
    return out + "\"";
}

void WriteMenuItems(std::string& out, const res::MenuItem* items, int count, int depth) {
    const std::string indent(2 * depth, ' ');
    out += indent + "BEGIN\n";
    for (int i = 0; i < count; ++i) {
        const res::MenuItem& item = items[i];
        if (item.flags & res::kMenuSeparator) {
            out += indent + "  MENUITEM SEPARATOR\n";
        } else if (item.flags & res::kMenuPopup) {
            out += indent + "  POPUP " + Quoted(item.text) + "\n";
            WriteMenuItems(out, item.children, item.childCount, depth + 1);
        } else {
            out += indent + "  MENUITEM " + Quoted(item.text) + ", " + std::to_string(item.id) +
                   ((item.flags & res::kMenuChecked) ? ", CHECKED" : "") + "\n";
        }
    }
    out += indent + "END\n";
}

// Every control as a CONTROL statement, so that its style is exactly what
// the table gives and not a statement's defaults.
std::string ControlClassAndStyle(const res::DialogControl& c) {
    const auto has = [&c](unsigned style) { return (c.style & style) != 0; };
    std::string cls, style;
    switch (c.kind) {
        case res::ControlKind::Label:
            cls = "Static";
            style = has(res::kCentre) ? "SS_CENTER" : "SS_LEFT";
            break;
        case res::ControlKind::Button:
            cls = "Button";
            style = has(res::kDefaultButton) ? "BS_DEFPUSHBUTTON" : "BS_PUSHBUTTON";
            break;
        case res::ControlKind::Edit:
            cls = "Edit";
            style = std::string("ES_LEFT") + (has(res::kAutoHScroll) ? " | ES_AUTOHSCROLL" : "");
            break;
        case res::ControlKind::Icon:
            cls = "Static";
            style = "SS_ICON";
            break;
        case res::ControlKind::Rule:
            cls = "Static";
            style = "SS_ETCHEDHORZ";
            break;
    }
    if (has(res::kBorder)) style += " | WS_BORDER";
    if (has(res::kTabStop)) style += " | WS_TABSTOP";
    if (has(res::kGroup)) style += " | WS_GROUP";
    return Quoted(cls.c_str()) + ", " + style;
}

void WriteDialog(std::string& out, const res::DialogTemplate& d) {
    out += std::string(d.name) + " DIALOG " + std::to_string(d.x) + ", " + std::to_string(d.y) + ", " +
           std::to_string(d.w) + ", " + std::to_string(d.h) + "\n";
    out += "STYLE DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU\n";
    out += "CAPTION " + Quoted(d.title) + "\n";
    out += "FONT " + std::to_string(d.fontPoints) + ", " + Quoted(d.fontFace) + "\n";
    out += "BEGIN\n";
    for (int i = 0; i < d.count; ++i) {
        const res::DialogControl& c = d.controls[i];
        out += "  CONTROL " + Quoted(c.text) + ", " + std::to_string(c.id) + ", " + ControlClassAndStyle(c) + ", " +
               std::to_string(c.x) + ", " + std::to_string(c.y) + ", " + std::to_string(c.w) + ", " +
               std::to_string(c.h) + "\n";
    }
    out += "END\n\n";
}

constexpr const char* kDialogNames[] = {"AboutBox", "DIALOG_BRIEF", "DIALOG_WVLOOP", "DIALOG_WVSPEED"};
constexpr const char* kMenuName = "KorvexMenu1";

std::uint32_t Read32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
void Put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}
void Store32(std::uint8_t* p, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(x >> (8 * i));
}

bool WriteFile(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(file.flush());
}

}  // namespace

std::string ResourceScript(const std::string& manifest) {
    std::string out = "// Written by tornel-rc from the program's resource tables; do not edit.\n";
    out += "#include <windows.h>\n\n";
    out += "CREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST " + Quoted(manifest.c_str()) + "\n\n";
    for (std::size_t i = 0; i < res::embedded::kIconCount; ++i) {
        const char* name = res::embedded::kIcons[i].name;
        out += std::string(name) + " ICON " + Quoted((std::string(name) + ".ico").c_str()) + "\n";
    }
    out += "\n";
    for (std::size_t i = 0; i < res::embedded::kBitmapCount; ++i) {
        const char* name = res::embedded::kBitmaps[i].name;
        out += std::string(name) + " BITMAP " + Quoted((std::string(name) + ".bmp").c_str()) + "\n";
    }
    out += "\n";
    if (const res::MenuTemplate* menu = res::FindMenu(kMenuName)) {
        out += std::string(menu->name) + " MENU\n";
        WriteMenuItems(out, menu->items, menu->count, 0);
        out += "\n";
    }
    for (const char* name : kDialogNames)
        if (const res::DialogTemplate* d = res::FindDialog(name)) WriteDialog(out, *d);
    return out;
}

std::vector<std::uint8_t> IconFromBitmap(const res::Blob& bitmap) {
    constexpr std::size_t kFileHeader = 14, kInfoHeader = 40;
    const std::uint8_t* b = bitmap.data;
    if (bitmap.size < kFileHeader + kInfoHeader || b[0] != 'B' || b[1] != 'M' || Read32(b + 14) != kInfoHeader)
        return {};
    const std::int32_t width = static_cast<std::int32_t>(Read32(b + 18));
    const std::int32_t height = static_cast<std::int32_t>(Read32(b + 22));
    const unsigned bits = b[28] | b[29] << 8;
    const std::uint32_t offBits = Read32(b + 10);
    if (width <= 0 || width > 256 || height <= 0 || height > 256 || Read32(b + 30) != 0 || offBits > bitmap.size)
        return {};
    const std::size_t colourRow = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t maskRow = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
    const std::size_t paletteEnd = offBits;
    if (paletteEnd + colourRow * height > bitmap.size) return {};

    // The icon's image: the BMP's header, palette and pixels, twice as tall
    // for the transparency mask that follows them (all clear: opaque).
    std::vector<std::uint8_t> image(b + kFileHeader, b + paletteEnd + colourRow * height);
    Store32(image.data() + 8, static_cast<std::uint32_t>(2 * height));
    Store32(image.data() + 20, static_cast<std::uint32_t>((colourRow + maskRow) * height));
    image.resize(image.size() + maskRow * height, 0);

    std::vector<std::uint8_t> ico;
    Put16(ico, 0);
    Put16(ico, 1);  // an icon
    Put16(ico, 1);  // one image
    ico.push_back(static_cast<std::uint8_t>(width == 256 ? 0 : width));
    ico.push_back(static_cast<std::uint8_t>(height == 256 ? 0 : height));
    ico.push_back(bits < 8 ? static_cast<std::uint8_t>(1u << bits) : 0);
    ico.push_back(0);
    Put16(ico, 1);
    Put16(ico, bits);
    Put32(ico, static_cast<std::uint32_t>(image.size()));
    Put32(ico, 6 + 16);
    ico.insert(ico.end(), image.begin(), image.end());
    return ico;
}

bool WriteResourceFolder(const std::filesystem::path& folder, const std::string& manifest) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    bool ok = !ec;
    for (std::size_t i = 0; i < res::embedded::kBitmapCount; ++i) {
        const res::Blob& blob = res::embedded::kBitmaps[i];
        ok = WriteFile(folder / (std::string(blob.name) + ".bmp"), blob.data, blob.size) && ok;
    }
    for (std::size_t i = 0; i < res::embedded::kIconCount; ++i) {
        const std::vector<std::uint8_t> ico = IconFromBitmap(res::embedded::kIcons[i]);
        ok = !ico.empty() && WriteFile(folder / (std::string(res::embedded::kIcons[i].name) + ".ico"), ico.data(),
                                       ico.size()) && ok;
    }
    const std::string script = ResourceScript(manifest);
    return WriteFile(folder / "tornel.rc", script.data(), script.size()) && ok;
}

}  // namespace rcgen
