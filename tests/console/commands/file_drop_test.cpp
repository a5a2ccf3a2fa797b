// Files dropped on the window: pads take sound files as their load button
// does, a set file loads anywhere, a disc goes in on the deck; the rest is
// refused, and the hover question gives the same answer as the drop.
#include <filesystem>

#include "commands/file_drop.h"
#include "platform/drop_query.h"
#include "platform/host.h"
#include "set_console.h"

using namespace win;

namespace {

constexpr POINT kPad3{74 + 42 * 2 + 10, 330};
constexpr POINT kLastPad{74 + 42 * 6 + 10, 330};
constexpr POINT kDisplay{100, 200};
constexpr POINT kTrackButtons{330, 40};
constexpr POINT kLevels{500, 200};

class FileDrop : public SetConsole {
protected:
    void Drop(std::vector<std::string> paths, POINT at) {
        SendMessageA(Window(), WM_DROPFILES, reinterpret_cast<WPARAM>(CreateHostDrop(std::move(paths), at)), 0);
        c.host.Pump();
    }
    bool Accepts(std::vector<std::string> paths, POINT at) {
        return SendMessageA(Window(), kMsgQueryDrop, reinterpret_cast<WPARAM>(CreateHostDrop(std::move(paths), at)), 0);
    }
};

}  // namespace

TEST_F(FileDrop, SoundFilesFillThePadUnderThePointerAndThoseToItsRight) {
    const std::string kick = dir.Wav("KICK.WAV"), snare = dir.Wav("snare.flac.wav"), hat = dir.Wav("HAT.WAV");
    EXPECT_TRUE(Accepts({kick, snare}, kPad3));
    Forget();
    Drop({kick, snare}, kPad3);
    EXPECT_EQ(g_padLoaded[2], 1);
    EXPECT_STREQ(g_padTitle[2], "KICK.WAV");
    EXPECT_STREQ(g_padPath[2], kick.c_str());
    EXPECT_EQ(g_padLoaded[3], 1);
    EXPECT_STREQ(g_padTitle[3], "snare.flac.wav");
    EXPECT_EQ(g_padLoaded[1], 0);
    EXPECT_EQ(g_padLoaded[4], 0);
    // As the load button: the pad list and the buttons are repainted.
    EXPECT_FALSE(c.host.CallsStartingWith("InvalidateRect(436,256,618,410)").empty());
    EXPECT_FALSE(c.host.CallsStartingWith("InvalidateRect(158,370,200,394)").empty());

    // Past the last pad the files are left out.
    Drop({hat, kick, snare}, kLastPad);
    EXPECT_STREQ(g_padTitle[6], "HAT.WAV");
    EXPECT_EQ(g_padLoaded[6], 1);
    EXPECT_STREQ(g_padTitle[5], " ");
}

TEST_F(FileDrop, PadRefusesWhatItsDialogWouldNotListAndTellsTooLongNames) {
    const std::string text = dir.Write("notes.txt", "x");
    const std::string kick = dir.Wav("KICK.WAV");
    EXPECT_FALSE(Accepts({text}, kPad3));
    EXPECT_FALSE(Accepts({kick, text}, kPad3));
    EXPECT_FALSE(Accepts({dir.File("")}, kPad3));           // a folder
    EXPECT_FALSE(Accepts({dir.File("gone.wav")}, kPad3));   // no such file
    EXPECT_FALSE(Accepts({kick}, kLevels));                  // not on a pad
    Forget();
    Drop({kick, text}, kPad3);
    EXPECT_EQ(g_padLoaded[2], 0);
    EXPECT_TRUE(EngineSpyCalls().empty());

    // No file system here holds such a name; the pad still must not overflow.
    const std::string longName = dir.File(std::string(kPadTitleSize, 'k') + ".wav");
    PadLoadFile(Window(), 2, longName.c_str());
    ASSERT_EQ(c.host.MessageBoxes().size(), 1u);
    EXPECT_NE(c.host.MessageBoxes()[0].find("cannot go on a pad"), std::string::npos);
    EXPECT_STREQ(g_padTitle[2], " ");
    EXPECT_EQ(g_padLoaded[2], 0);
}

TEST_F(FileDrop, SetFileLoadsWhereverItFallsAsTheLoadCommand) {
    const std::string path = dir.Write("gig.tnl", SetText({"#FileName;Pathname;Tornel Ver3.0", "*", "4", "*", "*"}));
    EXPECT_TRUE(Accepts({path}, kLevels));
    EXPECT_FALSE(Accepts({path, path}, kLevels));
    g_listCount = 1;
    g_listTracks[0] = 9;
    Drop({path}, kPad3);
    EXPECT_EQ(List(), std::vector<int>{4});
    EXPECT_EQ(c.host.WindowTitle(), "Tornel for Windows Ver3.0 : gig.tnl");
    EXPECT_STREQ(g_setPath, path.c_str());
}

TEST_F(FileDrop, DiscOnTheDeckReplacesTheOneInTheDrive) {
    VirtualDisc other({2000, 2000, 2000});
    ASSERT_EQ(g_trackCount, 10);
    g_listCount = 1;
    g_listTracks[0] = 9;
    EXPECT_TRUE(Accepts({other.Folder()}, kDisplay));
    EXPECT_FALSE(Accepts({other.Folder()}, kPad3));
    EXPECT_FALSE(Accepts({other.Folder(), disc.Folder()}, kDisplay));
    Forget();
    Drop({other.Folder()}, kDisplay);
    EXPECT_EQ(c.host.CallsStartingWith("mciSendStringA(set cdaudio door"),
              (Calls{"mciSendStringA(set cdaudio door open)",
                     "mciSendStringA(set cdaudio door closed disc \"" + other.Folder() + "\")"}));
    EXPECT_EQ(g_trackCount, 3);
    EXPECT_EQ(g_cdState, 2);
    EXPECT_EQ(g_listCount, 0);

    // One of a folder's tracks stands for its folder.
    std::string track;
    for (const auto& entry : std::filesystem::directory_iterator(disc.Folder())) track = entry.path().string();
    EXPECT_TRUE(Accepts({track}, kTrackButtons));
    EXPECT_EQ(DroppedDisc(track), disc.Folder());
    Drop({track}, kTrackButtons);
    EXPECT_EQ(g_trackCount, 10);
}

TEST_F(FileDrop, SheetsGoInAsThemselvesAndQuotedNamesAreRefused) {
    EXPECT_EQ(DroppedDisc(dir.File("live.CUE")), dir.File("live.CUE"));
    EXPECT_EQ(DroppedDisc(dir.File("image.toc")), dir.File("image.toc"));
    const std::string sheet = dir.Write("a.cue", "FILE \"x.wav\" WAVE\n");
    EXPECT_TRUE(Accepts({sheet}, kDisplay));
    EXPECT_FALSE(Accepts({dir.Write("say \"hi\".cue", "")}, kDisplay));
    EXPECT_FALSE(Accepts({dir.Write("notes.txt", "")}, kDisplay));
}
