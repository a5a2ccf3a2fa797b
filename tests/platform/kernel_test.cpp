// Current directory, language names by environment, and file writes that
// meet a full disk.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
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

}  // namespace
