// The command set beyond what the console sends: names and sharing,
// capabilities, system information, pause and resume, msf, play ranges.
#include "cdaudio/device_fixture.h"

namespace cdaudio_test {
namespace {

using namespace win;

TEST_F(DeviceTest, OpensUnderAnAliasAndSharesOnlyWhenAllAgree)
{
    EXPECT_FALSE(device_->Answers("deck"));
    EXPECT_EQ(Ok("open cdaudio alias deck"), "1");
    EXPECT_TRUE(device_->Answers("DECK"));
    EXPECT_EQ(Ok("status deck mode"), "stopped");
    EXPECT_EQ(Ok("sysinfo cdaudio quantity open"), "1");
    EXPECT_EQ(Ok("sysinfo cdaudio name 1 open"), "deck");
    EXPECT_EQ(Ok("sysinfo deck installname"), "cdaudio");

    struct Case {
        const char* command;
        MCIERROR error;
    } refused[] = {
        {"open cdaudio alias deck", MCIERR_DUPLICATE_ALIAS},
        {"open cdaudio", MCIERR_MUST_USE_SHAREABLE},
        {"open cdaudio shareable", MCIERR_MUST_USE_SHAREABLE},  // the first was not
        {"open deck", MCIERR_DEVICE_OPEN},
        {"open all", MCIERR_CANNOT_USE_ALL},
        {"status other mode", MCIERR_INVALID_DEVICE_NAME},
        {"sysinfo cdaudio name 2 open", MCIERR_OUTOFRANGE},
        {"sysinfo cdaudio name 0", MCIERR_OUTOFRANGE},
    };
    for (const Case& c : refused) Refused(c.command, c.error);

    Ok("close deck");
    EXPECT_FALSE(device_->Answers("deck"));
    EXPECT_EQ(Ok("sysinfo all quantity open"), "0");
    EXPECT_EQ(Ok("open cdaudio shareable"), "2");
    EXPECT_EQ(Ok("open cdaudio alias other shareable"), "3");
    EXPECT_EQ(Ok("sysinfo all name 2 open"), "other");
    Ok("close all");
    EXPECT_EQ(Ok("sysinfo cdaudio quantity open"), "0");
    // The type name answers whether opened or not.
    EXPECT_EQ(Ok("status cdaudio number of tracks"), "3");
}

TEST_F(DeviceTest, AnswersCapabilitiesProductAndSystemInformation)
{
    struct Case {
        const char* command;
        const char* reply;
    } cases[] = {
        {"capability cdaudio can eject", "true"},      {"capability cdaudio can play", "true"},
        {"capability cdaudio can record", "false"},    {"capability cdaudio can save", "false"},
        {"capability cdaudio compound device", "false"}, {"capability cdaudio device type", "cdaudio"},
        {"capability cdaudio has audio", "true"},      {"capability cdaudio has video", "false"},
        {"capability cdaudio uses files", "false"},    {"info cdaudio product", "CD Audio"},
        {"sysinfo cdaudio quantity", "1"},             {"sysinfo all quantity", "1"},
        {"sysinfo all name 1", "cdaudio"},             {"status cdaudio time format", "milliseconds"},
        {"status cdaudio ready", "true"},              {"status cdaudio start position", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(Ok(c.command), c.reply) << c.command;

    for (const char* command : {"status all mode", "capability all can play", "info all product"}) {
        Refused(command, MCIERR_CANNOT_USE_ALL);
    }
    // The identity follows the table of contents.
    std::string identity = Ok("info cdaudio identity");
    EXPECT_EQ(identity.size(), 8u);
    EXPECT_EQ(Ok("info cdaudio identity"), identity);
    TempDir other;
    WriteFolderDisc(other.Path(), {44100, 44100});
    device_ = Create(other.Path());
    EXPECT_NE(Ok("info cdaudio identity"), identity);
}

TEST_F(DeviceTest, PausesAndResumesWhereItStood)
{
    Ok("play cdaudio from 500 to 2500");
    Advance(4410);
    Ok("pause cdaudio");
    EXPECT_EQ(Ok("status cdaudio mode"), "paused");
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "600");
    Ok("resume cdaudio");
    EXPECT_EQ(Ok("status cdaudio mode"), "playing");
    Advance(44100 * 3);
    // The play's end holds across the pause.
    EXPECT_EQ(Ok("status cdaudio position"), "2500");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    // Resume with nothing paused fails, and pause with nothing playing does nothing.
    Refused("resume cdaudio", MCIERR_HARDWARE);
    Ok("pause cdaudio");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    // "all" reaches the drive once a device is open.
    Ok("open cdaudio");
    Ok("play cdaudio from 0");
    Ok("pause all");
    EXPECT_EQ(Ok("status cdaudio mode"), "paused");
    Ok("stop all");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

TEST_F(DeviceTest, PlaysRangesAndSeeksToEitherEnd)
{
    Ok("set cdaudio time format tmsf");
    Ok("play cdaudio from 2 to 3");
    Advance(44100 + 5000);
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:00");
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
    Ok("play cdaudio to 3:00:00:20");  // from where it stands
    Advance(44100);
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:20");

    Ok("seek cdaudio to end");
    EXPECT_EQ(Ok("status cdaudio position"), "03:00:00:40");
    Ok("seek cdaudio to start");
    EXPECT_EQ(Ok("status cdaudio position"), "01:00:00:00");
    EXPECT_EQ(Ok("status cdaudio position track 3"), "03:00:00:00");

    Refused("play cdaudio from 3 to 2", MCIERR_OUTOFRANGE);
    Refused("play cdaudio from 1 to 4", MCIERR_OUTOFRANGE);
    EXPECT_EQ(Ok("status cdaudio mode"), "stopped");
}

TEST_F(DeviceTest, AnswersInMsfFromTheStartOfTheFirstTrack)
{
    Ok("set cdaudio time format msf");
    EXPECT_EQ(Ok("status cdaudio time format"), "msf");
    EXPECT_EQ(Ok("status cdaudio length"), "00:03:40");
    EXPECT_EQ(Ok("status cdaudio length track 2"), "00:01:00");
    EXPECT_EQ(Ok("status cdaudio position track 2"), "00:02:00");
    Ok("seek cdaudio to 0:03:05");
    EXPECT_EQ(Ok("status cdaudio position"), "00:03:05");
    EXPECT_EQ(Ok("status cdaudio current track"), "3");
    Ok("seek cdaudio to 0:2");
    EXPECT_EQ(Ok("status cdaudio position"), "00:02:00");
    for (const char* command : {"seek cdaudio to 0:03:41", "seek cdaudio to 0:60:00", "seek cdaudio to 1:2:3:4"}) {
        Refused(command, MCIERR_OUTOFRANGE);
    }
    Ok("set cdaudio time format milliseconds");
    EXPECT_EQ(Ok("status cdaudio position"), "2000");
}

}  // namespace
}  // namespace cdaudio_test
