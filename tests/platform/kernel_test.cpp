// Current directory, language names by environment, file writes that meet
// a full disk, and folder listings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "platform/headless/headless.h"
#include "platform/win.h"
#include "portable.h"

using namespace win;

namespace {

constexpr char kJapaneseInJapanese[] = "\x93\xFA\x96\x7B\x8C\xEA";

// On Windows the interface language is the system's setting, not the
// environment's.
#ifndef _WIN32
// Sets the locale variables for one test and puts them back afterwards.
class LocaleEnv {
public:
    LocaleEnv() {
        for (int i = 0; i < 4; ++i) {
            const char* v = std::getenv(kNames[i]);
            saved_[i] = v ? std::optional<std::string>(v) : std::nullopt;
            portable::UnsetEnv(kNames[i]);
        }
    }
    ~LocaleEnv() {
        for (int i = 0; i < 4; ++i) {
            if (saved_[i]) portable::SetEnv(kNames[i], saved_[i]->c_str());
            else portable::UnsetEnv(kNames[i]);
        }
    }

private:
    static constexpr const char* kNames[4] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved_[4];
};

TEST(Language, JapaneseInterfaceGivesTheShiftJisName) {
    LocaleEnv env;
    portable::SetEnv("LANG", "ja_JP.UTF-8");
    char name[7];
    EXPECT_EQ(VerLanguageNameA(0x411, name, sizeof name), 6u);
    EXPECT_STREQ(name, kJapaneseInJapanese);
}

TEST(Language, FirstSetVariableDecides) {
    LocaleEnv env;
    portable::SetEnv("LANG", "ja_JP.UTF-8");
    portable::SetEnv("LC_ALL", "C");  // takes precedence over LANG
    char name[7];
    EXPECT_EQ(VerLanguageNameA(0x411, name, sizeof name), 6u);
    EXPECT_STREQ(name, "Japane");  // the English name, cut to the buffer
    portable::SetEnv("LANGUAGE", "ja");
    VerLanguageNameA(0x411, name, sizeof name);
    EXPECT_STREQ(name, kJapaneseInJapanese);
    EXPECT_EQ(VerLanguageNameA(0x411, name, 0), 0u);
}

#endif

TEST(Language, HeadlessHostGivesTheEnglishNameUnlessTold) {
#ifndef _WIN32
    LocaleEnv env;
    portable::SetEnv("LANG", "ja_JP.UTF-8");
#endif
    headless::Session session;
    char name[16];
    VerLanguageNameA(0x411, name, sizeof name);
    EXPECT_STREQ(name, "Japanese");
    session.SetLanguageName(kJapaneseInJapanese);
    VerLanguageNameA(0x411, name, sizeof name);
    EXPECT_STREQ(name, kJapaneseInJapanese);
    EXPECT_EQ(session.Calls().back(), "VerLanguageNameA(1041,16)");
}

TEST(Kernel, CurrentDirectoryReportsTheSizeNeededWhenTooSmall) {
    const std::string expected = std::filesystem::current_path().string();
    const DWORD length = static_cast<DWORD>(expected.size());
    char buffer[4096];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(GetCurrentDirectoryA(length, buffer), length + 1);
    EXPECT_EQ(buffer[0], 'z');
    EXPECT_EQ(GetCurrentDirectoryA(length + 1, buffer), length);
    EXPECT_EQ(buffer, expected);
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = portable::MakeTempFolder("tornel_files_");
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Write(const std::string& path, const std::string& text, DWORD* written) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), written, nullptr);
        FlushFileBuffers(file);
        CloseHandle(file);
        return ok == TRUE;
    }
    headless::Session session_;
    std::string dir_;
};

TEST_F(FilesTest, WritesFailLikeAFullDiskOnceTheBudgetIsUsed) {
    DWORD written = 0;
    const std::string path = dir_ + "/set.tmp";
    session_.LimitDiskSpace(10);
    EXPECT_TRUE(Write(path, "0123", &written));
    EXPECT_EQ(written, 4u);
    EXPECT_FALSE(Write(path, "abcdefghij", &written));
    EXPECT_EQ(written, 6u);  // what fitted
    EXPECT_EQ(Read(path), "abcdef");
    EXPECT_FALSE(Write(path, "x", &written));
    EXPECT_EQ(written, 0u);
    session_.LimitDiskSpace(-1);
    EXPECT_TRUE(Write(path, "abcdefghij", &written));
    EXPECT_EQ(session_.CallsStartingWith("WriteFile").back(), "WriteFile(10)");
}

TEST_F(FilesTest, MoveReplacesOnlyWhenAskedAndDeleteRemoves) {
    DWORD written = 0;
    const std::string a = dir_ + "/a.tnl", b = dir_ + "/b.tnl";
    ASSERT_TRUE(Write(a, "new", &written));
    ASSERT_TRUE(Write(b, "old", &written));
    EXPECT_FALSE(MoveFileExA(a.c_str(), b.c_str(), 0));
    EXPECT_EQ(Read(b), "old");
    EXPECT_TRUE(MoveFileExA(a.c_str(), b.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(Read(b), "new");
    EXPECT_TRUE(DeleteFileA(b.c_str()));
    EXPECT_FALSE(DeleteFileA(b.c_str()));
    EXPECT_EQ(CreateFileA(b.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
}

TEST_F(FilesTest, FolderListingsAndAttributes) {
    DWORD written = 0;
    std::filesystem::create_directory(dir_ + "/SAMPLES");
    ASSERT_TRUE(Write(dir_ + "/キック.wav", "x", &written));
    std::set<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir_ + "/*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do names.insert(data.cFileName);
    while (FindNextFileA(find, &data));
    EXPECT_TRUE(FindClose(find));
    EXPECT_EQ(names, (std::set<std::string>{".", "..", "SAMPLES", "キック.wav"}));
    EXPECT_EQ(FindFirstFileA((dir_ + "/gone/*").c_str(), &data), INVALID_HANDLE_VALUE);

    EXPECT_EQ(GetFileAttributesA((dir_ + "/SAMPLES").c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA((dir_ + "/キック.wav").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(GetFileAttributesA((dir_ + "/gone").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
