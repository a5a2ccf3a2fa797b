#include "pe_imports.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace winapp {
namespace {

struct Reader {
    const std::vector<std::uint8_t>& bytes;
    bool ok = true;

    std::uint32_t U32(std::size_t at) {
        if (at > bytes.size() || bytes.size() - at < 4) {
            ok = false;
            return 0;
        }
        return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
    }
    std::uint16_t U16(std::size_t at) {
        if (at > bytes.size() || bytes.size() - at < 2) {
            ok = false;
            return 0;
        }
        return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
    }
};

struct Section {
    std::uint32_t address, size, fileOffset;
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Names the loader resolves by itself rather than from a file.
bool IsApiSet(const std::string& name) {
    const std::string lower = Lower(name);
    return lower.rfind("api-ms-", 0) == 0 || lower.rfind("ext-ms-", 0) == 0;
}

void Walk(const std::string& name, const DllFinder& finder, std::set<std::string>& seen,
          std::vector<std::string>& missing) {
    if (!seen.insert(Lower(name)).second || IsApiSet(name)) return;
    std::vector<std::uint8_t> image;
    if (finder.readFromFolder(name, image)) {
        for (const std::string& import : ImportedDlls(image)) Walk(import, finder, seen, missing);
    } else if (!finder.systemHas(name)) {
        missing.push_back(name);
    }
}

}  // namespace

std::vector<std::string> ImportedDlls(const std::vector<std::uint8_t>& image) {
    Reader r{image};
    if (image.size() < 0x40 || image[0] != 'M' || image[1] != 'Z') return {};
    const std::size_t pe = r.U32(0x3C);
    if (r.U32(pe) != 0x00004550) return {};  // "PE\0\0"
    const std::size_t coff = pe + 4;
    const unsigned sectionCount = r.U16(coff + 2);
    const std::size_t optional = coff + 20;
    const std::uint16_t magic = r.U16(optional);
    const std::size_t directories = optional + (magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0);
    if (!r.ok || directories == optional) return {};
    const std::uint32_t importRva = r.U32(directories + 8);
    std::vector<Section> sections;
    const std::size_t table = optional + r.U16(coff + 16);
    for (unsigned i = 0; i < sectionCount && r.ok; ++i) {
        const std::size_t s = table + 40 * i;
        sections.push_back({r.U32(s + 12), std::max(r.U32(s + 8), r.U32(s + 16)), r.U32(s + 20)});
    }
    const auto offset = [&sections](std::uint32_t rva) -> std::size_t {
        for (const Section& s : sections)
            if (rva >= s.address && rva - s.address < s.size) return s.fileOffset + (rva - s.address);
        return SIZE_MAX;
    };
    std::vector<std::string> names;
    if (!r.ok || importRva == 0) return names;
    for (std::size_t at = offset(importRva); at != SIZE_MAX; at += 20) {
        const std::uint32_t nameRva = r.U32(at + 12);
        if (!r.ok || nameRva == 0) break;
        std::size_t p = offset(nameRva);
        if (p == SIZE_MAX) return {};
        std::string name;
        while (p < image.size() && image[p]) name += static_cast<char>(image[p++]);
        if (p >= image.size()) return {};
        names.push_back(name);
    }
    return names;
}

std::vector<std::string> MissingDlls(const std::string& name, const DllFinder& finder) {
    std::set<std::string> seen;
    std::vector<std::string> missing;
    Walk(name, finder, seen, missing);
    return missing;
}

}  // namespace winapp
