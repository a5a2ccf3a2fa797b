#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cdaudio/device_fixture.h"
#include "devices/cdaudio/disc.h"

namespace cdaudio_test {
namespace {

using namespace win;

TEST_F(DeviceTest, AnswersTheTrackTableInMilliseconds)
{
    Ok("open cdaudio");
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "3");
    EXPECT_EQ(Ok("set cdaudio time format milliseconds"), "");
    EXPECT_EQ(Ok("status cdaudio length"), "3533");
    EXPECT_EQ(Ok("status cdaudio length track 1"), "2000");
    EXPECT_EQ(Ok("status cdaudio length track 2"), "1000");
    EXPECT_EQ(Ok("status cdaudio length track 3"), "533");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    EXPECT_EQ(Ok("status cdaudio current track"), "1");
    EXPECT_EQ(Ok("status cdaudio media present"), "true");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

TEST_F(DeviceTest, AnswersInTmsfWhileThatFormatIsSet)
{
    Ok("set cdaudio time format tmsf");
    EXPECT_EQ(Ok("status cdaudio position"), "01:00:00:00");
    EXPECT_EQ(Ok("status cdaudio length"), "00:03:40");
    EXPECT_EQ(Ok("status cdaudio length track 3"), "00:00:40");
    Ok("seek cdaudio to 3");
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:00");
    EXPECT_EQ(Ok("status cdaudio current track"), "3");
    Ok("seek cdaudio to 1:00:01:20");
    EXPECT_EQ(Ok("status cdaudio position"), "01:00:01:20");
    // The format is the device's: it holds until changed.
    EXPECT_EQ(Ok("status cdaudio length track 1"), "00:02:00");
    Ok("set cdaudio time format milliseconds");
    EXPECT_EQ(Ok("status cdaudio position"), "1267");  // 1266.67 ms, rounded up
}

TEST_F(DeviceTest, EmptyDriveHasNoPositionsAndRefusesToMove)
{
    device_ = Create(dir_.File("no-such-disc"));
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "0");
    EXPECT_EQ(Ok("status cdaudio media present"), "false");
    EXPECT_EQ(Ok("status cdaudio ready"), "false");
    EXPECT_EQ(Ok("status cdaudio mode"), "not ready");
    for (const char* command :
         {"status cdaudio length", "status cdaudio position", "status cdaudio current track",
          "status cdaudio start position", "status cdaudio length track 1", "status cdaudio position track 1",
          "status cdaudio type track 1", "info cdaudio identity", "play cdaudio from 0 notify", "seek cdaudio to end"}) {
        Refused(command, MCIERR_HARDWARE);
    }
}

TEST_F(DeviceTest, OutOfRangeFailsAndChangesNothing)
{
    Ok("play cdaudio from 1500 notify");
    Advance(441);
    const char* refused[] = {
        "play cdaudio from -1 notify", "play cdaudio from 3535 notify", "seek cdaudio to -10000",
        "seek cdaudio to 999999999",   "status cdaudio length track 0", "status cdaudio length track 4",
        "play cdaudio from 1:00:00:00",
    };
    for (const char* command : refused) {
        EXPECT_EQ(Send(command), "") << command;
        EXPECT_EQ(error_, MCIERR_OUTOFRANGE) << command;
    }
    Ok("set cdaudio time format tmsf");
    const char* refusedTmsf[] = {"play cdaudio from 0 notify", "play cdaudio from 4 notify", "seek cdaudio to -1",
                                 "seek cdaudio to 2:00:01:01", "seek cdaudio to 1:00:60:00", "seek cdaudio to 1:00:00:75"};
    for (const char* command : refusedTmsf) {
        EXPECT_EQ(Send(command), "") << command;
        EXPECT_EQ(error_, MCIERR_OUTOFRANGE) << command;
    }
    Ok("set cdaudio time format milliseconds");
    EXPECT_EQ(Ok("status cdaudio position"), "1510");
    EXPECT_EQ(Ok("status cdaudio mode"), "playing");
}

TEST_F(DeviceTest, BadCommandsFailWithAnEmptyReply)
{
    struct Case {
        const char* command;
        MCIERROR error;
    } cases[] = {
        {"", MCIERR_MISSING_COMMAND_STRING},
        {"eject cdaudio", MCIERR_UNRECOGNIZED_COMMAND},
        {"status waveaudio position", MCIERR_INVALID_DEVICE_NAME},
        {"status waveaudio volume", MCIERR_INVALID_DEVICE_NAME},  // the name is looked at first
        {"status cdaudio", MCIERR_MISSING_PARAMETER},
        {"play cdaudio from three", MCIERR_BAD_INTEGER},
        {"set cdaudio time format", MCIERR_MISSING_PARAMETER},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Send(c.command), "") << c.command;
        EXPECT_EQ(error_, c.error) << c.command;
    }
    EXPECT_EQ(device_->SendString(nullptr, nullptr, 0), MCIERR_MISSING_COMMAND_STRING);
    EXPECT_EQ(Ok("status cdaudio position"), "0");
}

// Where the command set reaches past what the console sends, the device
// answers as the system's own CD driver does; run in order on one device.
TEST_F(DeviceTest, AnswersTheWiderCommandSetAsTheSystemDriverDoes)
{
    struct Case {
        const char* command;
        MCIERROR error;
        const char* reply;
    } cases[] = {
        {"record cdaudio", MCIERR_UNSUPPORTED_FUNCTION, ""},
        {"save cdaudio foo", MCIERR_UNSUPPORTED_FUNCTION, ""},
        {"load cdaudio foo", MCIERR_UNSUPPORTED_FUNCTION, ""},
        {"record waveaudio", MCIERR_INVALID_DEVICE_NAME, ""},
        {"open", MCIERR_MISSING_DEVICE_NAME, ""},
        // Used so far without being opened.
        {"open cdaudio", 0, "1"},
        {"info cdaudio product identity", 0, "CD Audio"},
        {"info cdaudio upc", MCIERR_NO_IDENTITY, ""},
        {"info cdaudio upc upc", MCIERR_DUPLICATE_FLAGS, ""},
        {"status cdaudio position start", 0, "0"},
        {"status cdaudio position start track 2", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        {"status cdaudio start start position", MCIERR_DUPLICATE_FLAGS, ""},
        {"status cdaudio length position", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        {"status cdaudio length length", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        {"status cdaudio mode 4", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        {"set cdaudio time format milliseconds time format ms", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        // Items by number.
        {"status cdaudio 1", 0, "3533"},
        {"status cdaudio 2 track 2", 0, "2000"},
        {"status cdaudio 2 track 4", MCIERR_OUTOFRANGE, ""},
        {"status cdaudio 3", 0, "3"},
        {"status cdaudio 4", 0, "stopped"},
        {"status cdaudio 5", 0, "true"},
        {"status cdaudio 6", 0, "milliseconds"},
        {"status cdaudio 7", 0, "true"},
        {"status cdaudio 8", 0, "1"},
        {"status cdaudio 16385 track 1", 0, "audio"},
        {"status cdaudio 0x4", MCIERR_BAD_CONSTANT, ""},
        {"status cdaudio nsa", MCIERR_BAD_CONSTANT, ""},
        {"status cdaudio 9", MCIERR_BAD_CONSTANT, ""},
        {"resume cdaudio", MCIERR_HARDWARE, ""},
        {"set cdaudio video on", 0, ""},
        {"set cdaudio audio all on", 0, ""},
        {"set cdaudio audio all off", 0, ""},
        {"set cdaudio on audio left", 0, ""},
        {"set cdaudio audio right on", 0, ""},
        {"set cdaudio audio all", MCIERR_MISSING_PARAMETER, ""},
        {"set cdaudio audio both on", MCIERR_BAD_CONSTANT, ""},
        {"set cdaudio audio all on off", MCIERR_FLAGS_NOT_COMPATIBLE, ""},
        {"set cdaudio time format msf", 0, ""},
        {"status cdaudio position start", 0, "00:00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Send(c.command), c.reply) << c.command;
        EXPECT_EQ(error_, c.error) << c.command;
    }
    // Text replies need somewhere to go; a status reply may be done without.
    EXPECT_EQ(device_->SendString("sysinfo cdaudio quantity open", nullptr, 0), MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(device_->SendString("info cdaudio product", nullptr, 0), MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(device_->SendString("status cdaudio mode", nullptr, 0), 0u);
}

TEST_F(DeviceTest, StartsInMsfAndNamesTheCatalogOfASheet)
{
    device_ = cdaudio::CreateDevice(OptionsFor(dir_.Path()));
    EXPECT_EQ(Ok("status cdaudio time format"), "msf");
    EXPECT_EQ(Ok("status cdaudio length"), "00:03:40");

    TempDir sheets;
    const std::string cue = WriteCueOverWav(sheets.Path(), {588, 588});
    WriteBinCue(sheets.Path(), {588, 588});
    const std::string toc = WriteToc(sheets.Path(), {588, 588});
    for (const auto& [sheet, catalog] : {std::pair{cue, "CATALOG 0724384260927\n"},
                                         std::pair{toc, "CATALOG \"0724384260927\"\n"}}) {
        std::FILE* file = std::fopen(sheet.c_str(), "r");
        std::string text(4096, '\0');
        text.resize(std::fread(text.data(), 1, text.size(), file));
        std::fclose(file);
        file = std::fopen(sheet.c_str(), "w");
        std::fputs((catalog + text).c_str(), file);
        std::fclose(file);
        device_ = Create(sheet);
        EXPECT_EQ(Ok("info cdaudio upc"), "0724384260927") << sheet;
    }
}

// The buffer's length decides around the reply's own length n: n + 1 holds
// it with its terminator, n cuts it by one, n + 2 leaves a byte spare; no
// byte at or past the length is ever written.
TEST_F(DeviceTest, CutsRepliesToTheBufferByteForByte)
{
    const struct {
        const char* query;
        std::string reply;
    } replies[] = {
        {"status cdaudio number of tracks", "3"},
        {"status cdaudio length", "3533"},
        {"status cdaudio mode", "stopped"},
    };
    for (const auto& r : replies) {
        const UINT n = static_cast<UINT>(r.reply.size());
        for (UINT length : {n, n + 1, n + 2}) {
            SCOPED_TRACE(std::string(r.query) + ", buffer of " + std::to_string(length));
            char reply[16];
            std::memset(reply, 'x', sizeof reply);
            const MCIERROR error = device_->SendString(r.query, reply, length);
            if (length == n) {
                EXPECT_EQ(error, win::MCIERR_PARAM_OVERFLOW);
                EXPECT_EQ(std::string(reply), r.reply.substr(0, n - 1));
            } else {
                EXPECT_EQ(error, 0u);
                EXPECT_EQ(std::string(reply), r.reply);
            }
            EXPECT_EQ(std::string(reply + length, sizeof reply - length), std::string(sizeof reply - length, 'x'));
        }
    }

    char reply[4];
    std::memset(reply, 'x', sizeof reply);
    EXPECT_EQ(device_->SendString("status cdaudio length", reply, 0), win::MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(reply[0], 'x');
    // No buffer: the caller wants no reply, and the command still works.
    EXPECT_EQ(device_->SendString("seek cdaudio to 1000", nullptr, 0), 0u);
    EXPECT_EQ(Ok("status cdaudio position"), "1000");
}

TEST_F(DeviceTest, DoorEjectsAndAsksForTheNextDisc)
{
    Ok("play cdaudio from 500 notify");
    Ok("set cdaudio door open");
    EXPECT_EQ(Ok("status cdaudio media present"), "false");
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "0");
    EXPECT_EQ(Ok("status cdaudio mode"), "open");
    EXPECT_EQ(Ok("status cdaudio ready"), "false");
    Send("play cdaudio from 0 notify");
    EXPECT_EQ(error_, MCIERR_HARDWARE);

    Ok("set cdaudio door closed");  // cancelled: stays empty
    EXPECT_EQ(asked_, 1);
    EXPECT_EQ(Ok("status cdaudio media present"), "false");

    TempDir other;
    WriteFolderDisc(other.Path(), {44100, 44100});
    answer_ = other.Path();
    Ok("set cdaudio door closed");
    EXPECT_EQ(asked_, 2);
    EXPECT_EQ(Ok("status cdaudio media present"), "true");
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "2");
    EXPECT_EQ(Ok("status cdaudio position"), "0");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");

    Ok("set cdaudio door closed");  // a full drive asks nothing
    EXPECT_EQ(asked_, 2);
}

TEST_F(DeviceTest, UnreadableDiscGivenAtTheDoorLeavesTheDriveEmpty)
{
    Ok("set cdaudio door open");
    answer_ = dir_.File("garbage.cue");
    std::FILE* garbage = std::fopen(answer_.c_str(), "w");
    std::fputs("  TRACK 01 AUDIO\n    INDEX 01 zz:00:00\n\x01\x02", garbage);
    std::fclose(garbage);
    Ok("set cdaudio door closed");
    EXPECT_EQ(Ok("status cdaudio media present"), "false");
}

}  // namespace
}  // namespace cdaudio_test

namespace cdaudio_test {
namespace {

using namespace win;

void WriteText(const std::string& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "w");
    std::fputs(text.c_str(), file);
    std::fclose(file);
}

TEST_F(DeviceTest, DiscLackingAFileStaysOutAndNamesIt)
{
    std::string cue = dir_.File("lacking.cue");
    WriteText(cue, "FILE \"gone.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n");
    std::string missing;
    ASSERT_FALSE(cdaudio::OpenDisc(cue, &missing));
    ASSERT_EQ(missing, "gone.wav");
    Ok("set cdaudio door open");
    answer_ = cue;
    Refused("set cdaudio door closed", MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(told_, std::vector<std::string>{"gone.wav"});
    EXPECT_EQ(Ok("status cdaudio media present"), "false");
    EXPECT_EQ(Ok("info cdaudio missing file"), missing);
    Ok("set cdaudio door open");
    EXPECT_EQ(Ok("info cdaudio missing file"), "");
}

// A data track first, as on mixed-mode discs.
TEST_F(DeviceTest, DataTracksAreAnsweredForButNeverPlayed)
{
    std::vector<char> image((5880 + 44100) * 4, 0);
    std::FILE* bin = std::fopen(dir_.File("mixed.bin").c_str(), "wb");
    std::fwrite(image.data(), 1, image.size(), bin);
    std::fclose(bin);
    WriteText(dir_.File("mixed.cue"), "FILE \"mixed.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
                                      "  TRACK 02 AUDIO\n    INDEX 01 00:00:10\n");
    device_ = Create(dir_.File("mixed.cue"));
    ASSERT_EQ(Ok("status cdaudio number of tracks"), "2");

    EXPECT_EQ(Ok("status cdaudio type track 1"), "other");
    EXPECT_EQ(Ok("status cdaudio type track 2"), "audio");
    EXPECT_EQ(Ok("status cdaudio position"), "134");  // the first audio frame, 5880
    EXPECT_EQ(Ok("status cdaudio start position"), "134");
    Ok("play cdaudio from 1000");
    Advance(588);
    Refused("play cdaudio from 0", MCIERR_HARDWARE);
    Refused("seek cdaudio to 50", MCIERR_HARDWARE);
    Ok("set cdaudio time format tmsf");
    Refused("seek cdaudio to 1", MCIERR_HARDWARE);
    EXPECT_EQ(Ok("status cdaudio mode"), "playing");
    EXPECT_EQ(Ok("status cdaudio position"), "02:00:00:66");
    Ok("seek cdaudio to start");
    EXPECT_EQ(Ok("status cdaudio position"), "02:00:00:00");
}

}  // namespace
}  // namespace cdaudio_test
