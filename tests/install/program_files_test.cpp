// Where the program looks for its demo disc, samples and documents, over
// trees laid out as an installation, a build folder and broken installs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/program_files.h"

namespace fs = std::filesystem;

namespace {

class ProgramFilesTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("tornel-files-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Bin() const { return root_ / "bin"; }
    fs::path Share() const { return (root_ / "bin" / TORNEL_SHARE_FROM_BIN).lexically_normal(); }

    fs::path root_;
};

TEST_F(ProgramFilesTest, InstalledTreeIsFoundBesideTheBinFolder) {
    fs::create_directories(Share() / "demo-disc");
    fs::create_directories(Share() / "samples");
    // A demo disc left next to the program does not win over the share folder.
    fs::create_directories(root_ / "bin" / "demo-disc");

    const ProgramFiles files = FindProgramFiles(Bin());
    EXPECT_EQ(files.place, ProgramFiles::Place::Installed);
    EXPECT_EQ(files.folder, Share());
    EXPECT_EQ(files.DemoDisc(), Share() / "demo-disc");
    EXPECT_EQ(files.Samples(), Share() / "samples");
}

TEST_F(ProgramFilesTest, ShareFolderWithoutSamplesOffersNone) {
    fs::create_directories(Share() / "demo-disc");
    const ProgramFiles files = FindProgramFiles(Bin());
    EXPECT_EQ(files.place, ProgramFiles::Place::Installed);
    EXPECT_TRUE(files.Samples().empty());
}

TEST_F(ProgramFilesTest, BuildFolderHoldsTheFilesNextToTheProgram) {
    fs::create_directories(root_ / "bin" / "demo-disc");
    fs::create_directories(root_ / "bin" / "samples");

    const ProgramFiles files = FindProgramFiles(Bin());
    EXPECT_EQ(files.place, ProgramFiles::Place::BuildFolder);
    EXPECT_EQ(files.folder, root_ / "bin");
    EXPECT_EQ(files.DemoDisc(), root_ / "bin" / "demo-disc");
    EXPECT_EQ(files.Samples(), root_ / "bin" / "samples");
}

TEST_F(ProgramFilesTest, MissingShareFolderIsReportedWithItsPath) {
    const ProgramFiles files = FindProgramFiles(Bin());
    EXPECT_EQ(files.place, ProgramFiles::Place::Missing);
    EXPECT_EQ(files.folder, Share());
    EXPECT_TRUE(files.DemoDisc().empty());
    EXPECT_TRUE(files.Samples().empty());
    const std::string message = MissingFilesMessage(files);
    EXPECT_NE(message.find(Share().string()), std::string::npos) << message;
    EXPECT_NE(message.find("it does not exist"), std::string::npos) << message;
    EXPECT_NE(message.find("empty drive"), std::string::npos) << message;
}

TEST_F(ProgramFilesTest, ShareFolderThatIsAFileIsMissing) {
    fs::create_directories(Share().parent_path());
    std::ofstream(Share()) << "not a folder";
    fs::create_directories(root_ / "bin" / "demo-disc");

    const ProgramFiles files = FindProgramFiles(Bin());
    EXPECT_EQ(files.place, ProgramFiles::Place::Missing);
    EXPECT_EQ(files.problem, "it is not a folder");
    EXPECT_TRUE(files.DemoDisc().empty());
}

}  // namespace
