#include <gtest/gtest.h>

#include <string>

#include "devices/cdaudio/command_parser.h"

namespace cdaudio {
namespace {

using namespace win;

TEST(CommandParser, ReadsEveryVerbAndItem)
{
    struct Case {
        const char* text;
        Verb verb;
        Item item;
    } cases[] = {
        {"open cdaudio", Verb::Open, Item::None},
        {"close cdaudio", Verb::Close, Item::None},
        {"stop cdaudio", Verb::Stop, Item::None},
        {"pause cdaudio", Verb::Pause, Item::None},
        {"resume cdaudio", Verb::Resume, Item::None},
        {"status cdaudio number of tracks", Verb::Status, Item::NumberOfTracks},
        {"status cdaudio current track", Verb::Status, Item::CurrentTrack},
        {"status cdaudio length", Verb::Status, Item::Length},
        {"status cdaudio media present", Verb::Status, Item::MediaPresent},
        {"status cdaudio mode", Verb::Status, Item::Mode},
        {"status cdaudio position", Verb::Status, Item::Position},
        {"status cdaudio ready", Verb::Status, Item::Ready},
        {"status cdaudio start position", Verb::Status, Item::StartPosition},
        {"status cdaudio position start", Verb::Status, Item::StartPosition},
        {"status cdaudio 04", Verb::Status, Item::Mode},
        {"status cdaudio time format", Verb::Status, Item::TimeFormat},
        {"status cdaudio type track 2", Verb::Status, Item::Type},
        {"capability cdaudio can eject", Verb::Capability, Item::CanEject},
        {"capability cdaudio can play", Verb::Capability, Item::CanPlay},
        {"capability cdaudio can record", Verb::Capability, Item::CanRecord},
        {"capability cdaudio can save", Verb::Capability, Item::CanSave},
        {"capability cdaudio compound device", Verb::Capability, Item::CompoundDevice},
        {"capability cdaudio device type", Verb::Capability, Item::DeviceType},
        {"capability cdaudio has audio", Verb::Capability, Item::HasAudio},
        {"capability cdaudio has video", Verb::Capability, Item::HasVideo},
        {"capability cdaudio uses files", Verb::Capability, Item::UsesFiles},
        {"info cdaudio product", Verb::Info, Item::Product},
        {"info cdaudio identity", Verb::Info, Item::Identity},
        {"info cdaudio upc", Verb::Info, Item::Upc},
        {"info cdaudio missing file upc identity", Verb::Info, Item::Identity},
        {"sysinfo all quantity", Verb::Sysinfo, Item::Quantity},
        {"sysinfo cdaudio name 1 open", Verb::Sysinfo, Item::Name},
        {"sysinfo cd installname", Verb::Sysinfo, Item::InstallName},
    };
    for (const Case& c : cases) {
        Command parsed = ParseCommand(c.text);
        EXPECT_EQ(parsed.error, 0u) << c.text;
        EXPECT_EQ(parsed.verb, c.verb) << c.text;
        EXPECT_EQ(parsed.item, c.item) << c.text;
    }
}

TEST(CommandParser, ReadsFlagsInAnyOrderWhateverTheirCaseAndBlanks)
{
    Command play = ParseCommand("  PLAY\tCdAudio  to 2:00:01:05 wait FROM -250 NOTIFY \r\n");
    ASSERT_EQ(play.error, 0u);
    EXPECT_EQ(play.verb, Verb::Play);
    EXPECT_EQ(play.device, "CdAudio");
    EXPECT_TRUE(play.notify);
    EXPECT_TRUE(play.wait);
    EXPECT_EQ(play.from.fieldCount, 1);
    EXPECT_EQ(play.from.fields[0], -250);
    ASSERT_EQ(play.to.fieldCount, 4);
    EXPECT_EQ(play.to.fields[0], 2);
    EXPECT_EQ(play.to.fields[3], 5);

    Command open = ParseCommand("open cdaudio shareable alias deck notify");
    EXPECT_EQ(open.alias, "deck");
    EXPECT_TRUE(open.shareable);

    Command set = ParseCommand("set cd door open time format MSF");
    EXPECT_EQ(set.error, 0u);
    EXPECT_TRUE(set.doorOpen);
    EXPECT_EQ(set.timeFormat, TimeFormat::Msf);
    Command insert = ParseCommand("set cdaudio door closed disc \"/home/dj/My Disc\" wait");
    EXPECT_EQ(insert.error, 0u);
    EXPECT_TRUE(insert.doorClosed);
    EXPECT_TRUE(insert.wait);
    EXPECT_EQ(insert.disc, "/home/dj/My Disc");
    EXPECT_EQ(ParseCommand("set cdaudio disc /a/b.cue door closed").disc, "/a/b.cue");
    EXPECT_EQ(ParseCommand("set cdaudio time format ms").timeFormat, TimeFormat::Milliseconds);
    EXPECT_EQ(ParseCommand("set cdaudio time format tmsf").timeFormat, TimeFormat::Tmsf);

    Command length = ParseCommand("status cdaudio track 7 length");
    EXPECT_EQ(length.error, 0u);
    EXPECT_EQ(length.item, Item::Length);
    EXPECT_EQ(length.track, 7);
    EXPECT_TRUE(ParseCommand("seek cdaudio to start").toStart);
    EXPECT_TRUE(ParseCommand("seek cdaudio to end").toEnd);
    EXPECT_EQ(ParseCommand("sysinfo all name 3").index, 3);
    EXPECT_EQ(ParseCommand("play cdaudio").from.fieldCount, 0);
}

TEST(CommandParser, RefusesWithTheNumbersADriveGives)
{
    struct Case {
        const char* text;
        MCIERROR error;
    } cases[] = {
        {"", MCIERR_MISSING_COMMAND_STRING},
        {"   ", MCIERR_MISSING_COMMAND_STRING},
        {"eject cdaudio", MCIERR_UNRECOGNIZED_COMMAND},
        {"record", MCIERR_MISSING_DEVICE_NAME},
        {"RECORD cdaudio from 0 to 10", MCIERR_UNSUPPORTED_FUNCTION},
        {"play", MCIERR_MISSING_DEVICE_NAME},
        {"status cdaudio", MCIERR_MISSING_PARAMETER},
        {"capability cdaudio", MCIERR_MISSING_PARAMETER},
        {"info cdaudio", MCIERR_MISSING_PARAMETER},
        {"sysinfo cdaudio open", MCIERR_MISSING_PARAMETER},
        {"set cdaudio", MCIERR_MISSING_PARAMETER},
        {"seek cdaudio", MCIERR_MISSING_PARAMETER},
        {"status cdaudio volume", MCIERR_BAD_CONSTANT},
        {"status cdaudio number of", MCIERR_MISSING_PARAMETER},
        {"status cdaudio number of discs", MCIERR_BAD_CONSTANT},
        {"status cdaudio position now", MCIERR_BAD_CONSTANT},
        {"stop cdaudio now", MCIERR_UNRECOGNIZED_KEYWORD},
        {"capability cdaudio can fly", MCIERR_UNRECOGNIZED_KEYWORD},
        {"set cdaudio door ajar", MCIERR_UNRECOGNIZED_KEYWORD},
        {"set cdaudio time format", MCIERR_MISSING_PARAMETER},
        {"set cdaudio time format frames", MCIERR_BAD_CONSTANT},
        {"open cdaudio alias", MCIERR_MISSING_STRING_ARGUMENT},
        {"set cdaudio door closed disc", MCIERR_MISSING_STRING_ARGUMENT},
        {"set cdaudio door closed disc \"\"", MCIERR_MISSING_STRING_ARGUMENT},
        {"set cdaudio disc /a door open", MCIERR_MISSING_PARAMETER},
        {"set cdaudio door closed disc /a disc /b", MCIERR_DUPLICATE_FLAGS},
        // Malformed integers.
        {"status cdaudio length track", MCIERR_BAD_INTEGER},
        {"status cdaudio length track x", MCIERR_BAD_INTEGER},
        {"status cdaudio length track 1:2", MCIERR_BAD_INTEGER},
        {"sysinfo cdaudio name one", MCIERR_BAD_INTEGER},
        {"play cdaudio from", MCIERR_BAD_INTEGER},
        {"play cdaudio from three", MCIERR_BAD_INTEGER},
        {"play cdaudio from 5x", MCIERR_BAD_INTEGER},
        {"play cdaudio from 1:2:3:4:5", MCIERR_BAD_INTEGER},
        {"play cdaudio from -1:00", MCIERR_BAD_INTEGER},
        {"play cdaudio from 1::3", MCIERR_BAD_INTEGER},
        {"play cdaudio from 1:256", MCIERR_BAD_INTEGER},
        {"play cdaudio from 4294967296", MCIERR_BAD_INTEGER},
        {"play cdaudio from 99999999999999999999999", MCIERR_BAD_INTEGER},
        // The same flag twice.
        {"play cdaudio notify notify", MCIERR_DUPLICATE_FLAGS},
        {"play cdaudio wait from 1 wait", MCIERR_DUPLICATE_FLAGS},
        {"play cdaudio from 1 from 2", MCIERR_DUPLICATE_FLAGS},
        {"seek cdaudio to start to start", MCIERR_DUPLICATE_FLAGS},
        {"status cdaudio length track 1 track 2", MCIERR_DUPLICATE_FLAGS},
        {"open cdaudio alias a alias b", MCIERR_DUPLICATE_FLAGS},
        // Flags that exclude each other.
        {"seek cdaudio to start to end", MCIERR_FLAGS_NOT_COMPATIBLE},
        {"seek cdaudio to 5 to end", MCIERR_FLAGS_NOT_COMPATIBLE},
        {"set cdaudio door open door closed", MCIERR_FLAGS_NOT_COMPATIBLE},
        {"status cdaudio mode track 2", MCIERR_FLAGS_NOT_COMPATIBLE},
        {"status cdaudio type", MCIERR_MISSING_PARAMETER},
        {"sysinfo cdaudio installname open", MCIERR_FLAGS_NOT_COMPATIBLE},
        // Flags of another verb.
        {"play cdaudio to start", MCIERR_BAD_INTEGER},
        {"stop cdaudio from 3", MCIERR_UNRECOGNIZED_KEYWORD},
        {"open cdaudio from 3", MCIERR_UNRECOGNIZED_KEYWORD},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCommand(c.text).error, c.error) << c.text;
}

TEST(CommandParser, SurvivesArbitraryBytes)
{
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 131 + 7) % 256));
    for (std::size_t length = 0; length < noise.size(); length += 97) {
        Command c = ParseCommand(std::string_view(noise).substr(0, length));
        EXPECT_NE(c.error, 0u);
    }
    EXPECT_NE(ParseCommand(std::string(100000, '9')).error, 0u);
    EXPECT_NE(ParseCommand("play cdaudio from " + std::string(100000, ':')).error, 0u);
    EXPECT_EQ(ParseCommand("play cdaudio" + std::string(100000, ' ')).error, 0u);
}

}  // namespace
}  // namespace cdaudio
