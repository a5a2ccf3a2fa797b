// The native launcher's account of missing DLLs: import tables read from PE
// files, and the walk through the program's folder.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/windows/pe_imports.h"

namespace {

void Put(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x, int bytes) {
    if (v.size() < at + bytes) v.resize(at + bytes);
    for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

// A 64-bit PE image with one section at RVA 0x1000 (file offset 0x200)
// holding the import descriptors and then the names.
std::vector<std::uint8_t> PeImporting(const std::vector<std::string>& dlls, std::uint16_t magic = 0x20B) {
    std::vector<std::uint8_t> v(0x200, 0);
    v[0] = 'M';
    v[1] = 'Z';
    Put(v, 0x3C, 0x40, 4);
    Put(v, 0x40, 0x00004550, 4);
    const std::size_t coff = 0x44, optional = coff + 20;
    Put(v, coff + 2, 1, 2);      // one section
    Put(v, coff + 16, 240, 2);   // optional header size
    Put(v, optional, magic, 2);
    Put(v, optional + (magic == 0x20B ? 112 : 96) + 8, 0x1000, 4);  // import directory RVA
    const std::size_t section = optional + 240;
    std::size_t names = 20 * (dlls.size() + 1);
    std::vector<std::uint8_t> body(names, 0);
    for (std::size_t i = 0; i < dlls.size(); ++i) {
        Put(body, 20 * i + 12, static_cast<std::uint32_t>(0x1000 + body.size()), 4);
        body.insert(body.end(), dlls[i].begin(), dlls[i].end());
        body.push_back(0);
    }
    Put(v, section + 8, static_cast<std::uint32_t>(body.size()), 4);   // virtual size
    Put(v, section + 12, 0x1000, 4);                                   // virtual address
    Put(v, section + 16, static_cast<std::uint32_t>(body.size()), 4);  // raw size
    Put(v, section + 20, 0x200, 4);                                    // raw offset
    v.insert(v.end(), body.begin(), body.end());
    return v;
}

TEST(PeImports, ReadsTheImportTableOfBothFormats) {
    const std::vector<std::string> dlls = {"tornel_engine.dll", "KERNEL32.dll", "USER32.dll"};
    EXPECT_EQ(winapp::ImportedDlls(PeImporting(dlls)), dlls);
    EXPECT_EQ(winapp::ImportedDlls(PeImporting(dlls, 0x10B)), dlls);
    EXPECT_TRUE(winapp::ImportedDlls(PeImporting({})).empty());
}

TEST(PeImports, DamagedFilesGiveNothingAndNeverReadPastTheEnd) {
    std::vector<std::uint8_t> pe = PeImporting({"a.dll", "b.dll"});
    EXPECT_TRUE(winapp::ImportedDlls({}).empty());
    std::vector<std::uint8_t> notMz = pe;
    notMz[0] = 'X';
    EXPECT_TRUE(winapp::ImportedDlls(notMz).empty());
    std::vector<std::uint8_t> badMagic = pe;
    Put(badMagic, 0x44 + 20, 0x999, 2);
    EXPECT_TRUE(winapp::ImportedDlls(badMagic).empty());
    // Every cut of the file: no crash (the sanitizers watch), never more than the whole.
    for (std::size_t size = 0; size < pe.size(); ++size) {
        const std::vector<std::uint8_t> cut(pe.begin(), pe.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_LE(winapp::ImportedDlls(cut).size(), 2u);
    }
    std::vector<std::uint8_t> farHeader = pe;
    Put(farHeader, 0x3C, 0xFFFFFFF0u, 4);
    EXPECT_TRUE(winapp::ImportedDlls(farHeader).empty());
}

TEST(PeImports, MissingDllsFollowsTheFolderAndTrustsTheSystem) {
    std::map<std::string, std::vector<std::uint8_t>> folder = {
        {"tornel-console.dll", PeImporting({"tornel_engine.dll", "KERNEL32.dll", "api-ms-win-crt-runtime-l1-1-0.dll",
                                            "libsndfile-1.dll"})},
        {"tornel_engine.dll", PeImporting({"libsndfile-1.dll", "libsoxr.dll", "kernel32.dll", "tornel-console.dll"})},
    };
    std::vector<std::string> systemAsked;
    const winapp::DllFinder finder{
        [&folder](const std::string& name, std::vector<std::uint8_t>& image) {
            const auto it = folder.find(name);
            if (it == folder.end()) return false;
            image = it->second;
            return true;
        },
        [&systemAsked](const std::string& name) {
            systemAsked.push_back(name);
            return name == "KERNEL32.dll" || name == "kernel32.dll";
        }};
    EXPECT_EQ(winapp::MissingDlls("tornel-console.dll", finder),
              (std::vector<std::string>{"libsndfile-1.dll", "libsoxr.dll"}));
    EXPECT_EQ(systemAsked, (std::vector<std::string>{"libsndfile-1.dll", "libsoxr.dll", "kernel32.dll"}))
        << "depth first, each name once whatever its case; API sets and the folder's own files never";

    folder.erase("tornel_engine.dll");
    EXPECT_EQ(winapp::MissingDlls("tornel-console.dll", finder),
              (std::vector<std::string>{"tornel_engine.dll", "libsndfile-1.dll"}));
    folder.clear();
    EXPECT_EQ(winapp::MissingDlls("tornel-console.dll", finder), std::vector<std::string>{"tornel-console.dll"});
}

}  // namespace
