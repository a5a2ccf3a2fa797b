// The file and folder calls with names in any language: UTF-8 in, the same
// file on disk, UTF-8 out. On Windows they go through the system's "W"
// calls, so a name outside the code page would be lost on the way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/core/system.h"
#include "platform/headless/headless.h"
#include "platform/win.h"
#include "portable.h"

using namespace win;
namespace fs = std::filesystem;

namespace {

// std::filesystem's UTF-8 in C++20: char8_t strings.
fs::path Utf8Path(const std::string& name) { return fs::path(std::u8string(name.begin(), name.end())); }
std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class Names : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = portable::MakeTempFolder("tornel_names_");
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }
    std::string In(const std::string& name) const { return Utf8(fs::path(dir_) / Utf8Path(name)); }
    static std::string Read(const std::string& path) {
        std::ifstream in(Utf8Path(path), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static bool Write(const std::string& path, const std::string& text) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return CloseHandle(file) && ok && written == text.size();
    }
    headless::Session session_;
    fs::path home_ = fs::current_path();
    std::string dir_;
};

TEST_F(Names, FilesWithNamesInAnyLanguageAreWrittenMovedAndRemoved) {
    const std::string set = In("セット ünïcødé.tnl"), moved = In("Ωμέγα.tnl");
    ASSERT_TRUE(Write(set, "#FileName\r\n"));
    EXPECT_TRUE(fs::exists(Utf8Path(set)));
    EXPECT_EQ(Read(set), "#FileName\r\n");  // binary: the line ends as written
    EXPECT_TRUE(MoveFileExA(set.c_str(), moved.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_FALSE(fs::exists(Utf8Path(set)));
    EXPECT_EQ(Read(moved), "#FileName\r\n");
    EXPECT_TRUE(DeleteFileA(moved.c_str()));
    EXPECT_FALSE(fs::exists(Utf8Path(moved)));
}

TEST_F(Names, FinalPathNamesTheSameFileAsTheUserWroteIt) {
    const std::string path = In("キック.tnl");
    ASSERT_TRUE(Write(path, "x"));
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char final[4096];
    const DWORD length = GetFinalPathNameByHandleA(file, final, sizeof final, 0);
    char tiny[4];
    EXPECT_EQ(GetFinalPathNameByHandleA(file, tiny, sizeof tiny, 0), length + 1);  // the room it needs
    CloseHandle(file);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(final).rfind("\\\\?\\", 0), std::string::npos);  // a path the user would write
    EXPECT_TRUE(fs::equivalent(Utf8Path(final), Utf8Path(path)));
}

TEST_F(Names, ReplaceTakesTheNewBytesAndNeedsAnOldFile) {
    const std::string old = In("naïve.tnl"), fresh = In("naïve.tnl.saving");
    ASSERT_TRUE(Write(old, "old"));
    ASSERT_TRUE(Write(fresh, "new"));
    EXPECT_TRUE(ReplaceFileA(old.c_str(), fresh.c_str(), nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr));
    EXPECT_EQ(Read(old), "new");
    EXPECT_FALSE(fs::exists(Utf8Path(fresh)));
    const std::string missing = In("missing.tnl");
    ASSERT_TRUE(Write(fresh, "newer"));
    EXPECT_FALSE(ReplaceFileA(missing.c_str(), fresh.c_str(), nullptr, 0, nullptr, nullptr));
    EXPECT_EQ(Read(fresh), "newer");
}

TEST_F(Names, CurrentDirectoryComesBackInUtf8) {
    const fs::path folder = Utf8Path(In("Répertoire 目录"));
    fs::create_directory(folder);
    fs::current_path(folder);
    char buffer[4096];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    EXPECT_EQ(std::string(buffer, length), Utf8(fs::current_path()));
    EXPECT_TRUE(fs::equivalent(Utf8Path(buffer), folder));
}

// The panel's faces are there: on Linux the packages', on Windows those the
// build carries beside the program (or the system's).
TEST(Fonts, EveryFaceTheTextIsDrawnWithIsThere) {
    for (core::system::Face face : {core::system::Face::Regular, core::system::Face::Bold, core::system::Face::Wide})
        EXPECT_TRUE(fs::exists(Utf8Path(core::system::FontFile(face)))) << core::system::FontFile(face);
}

}  // namespace
