#include <gtest/gtest.h>

#include <string>

#include "devices/cdaudio/command_parser.h"

namespace cdaudio {
namespace {

using namespace win;

TEST(CommandParser, ReadsEveryConsoleCommand)
{
    EXPECT_EQ(ParseCommand("open cdaudio").verb, Verb::Open);
    EXPECT_EQ(ParseCommand("status cdaudio number of tracks").query, Query::NumberOfTracks);
    EXPECT_EQ(ParseCommand("set cdaudio time format milliseconds").setting, Setting::TimeFormatMilliseconds);
    EXPECT_EQ(ParseCommand("set cdaudio time format tmsf").setting, Setting::TimeFormatTmsf);
    EXPECT_EQ(ParseCommand("status cdaudio length").query, Query::Length);
    EXPECT_EQ(ParseCommand("status cdaudio position").query, Query::Position);
    EXPECT_EQ(ParseCommand("status cdaudio current track").query, Query::CurrentTrack);
    EXPECT_EQ(ParseCommand("status cdaudio media present").query, Query::MediaPresent);
    EXPECT_EQ(ParseCommand("set cdaudio door open").setting, Setting::DoorOpen);
    EXPECT_EQ(ParseCommand("set cdaudio door closed").setting, Setting::DoorClosed);
    EXPECT_EQ(ParseCommand("stop cdaudio").verb, Verb::Stop);

    Command length = ParseCommand("status cdaudio length track 7");
    EXPECT_EQ(length.error, 0u);
    EXPECT_EQ(length.query, Query::TrackLength);
    EXPECT_EQ(length.track, 7);

    Command play = ParseCommand("play cdaudio from 123456 notify");
    EXPECT_EQ(play.error, 0u);
    EXPECT_EQ(play.verb, Verb::Play);
    EXPECT_EQ(play.position.fieldCount, 1);
    EXPECT_EQ(play.position.fields[0], 123456);

    Command seek = ParseCommand("seek cdaudio to 3");
    EXPECT_EQ(seek.verb, Verb::Seek);
    EXPECT_EQ(seek.position.fields[0], 3);
    EXPECT_TRUE(ParseCommand("seek cdaudio to start").position.start);
}

TEST(CommandParser, IgnoresCaseBlanksAndFlags)
{
    Command c = ParseCommand("  PLAY\tCdAudio  wait FROM -250 NOTIFY \r\n");
    EXPECT_EQ(c.error, 0u);
    EXPECT_EQ(c.verb, Verb::Play);
    EXPECT_EQ(c.position.fields[0], -250);
    EXPECT_EQ(ParseCommand("set cdaudio time format ms").setting, Setting::TimeFormatMilliseconds);
    Command bare = ParseCommand("play cdaudio");
    EXPECT_EQ(bare.error, 0u);
    EXPECT_EQ(bare.position.fieldCount, 0);
}

TEST(CommandParser, ReadsTmsfPositions)
{
    Command c = ParseCommand("play cdaudio from 2:01:30:74");
    ASSERT_EQ(c.error, 0u);
    ASSERT_EQ(c.position.fieldCount, 4);
    EXPECT_EQ(c.position.fields[0], 2);
    EXPECT_EQ(c.position.fields[1], 1);
    EXPECT_EQ(c.position.fields[2], 30);
    EXPECT_EQ(c.position.fields[3], 74);
}

TEST(CommandParser, RejectsWhatADriveRejects)
{
    struct Case {
        const char* text;
        MCIERROR error;
    } cases[] = {
        {"", MCIERR_UNRECOGNIZED_COMMAND},
        {"   ", MCIERR_UNRECOGNIZED_COMMAND},
        {"eject cdaudio", MCIERR_UNRECOGNIZED_COMMAND},
        {"play", MCIERR_MISSING_PARAMETER},
        {"play waveaudio from 3", MCIERR_INVALID_DEVICE_NAME},
        {"status cdaudio", MCIERR_MISSING_PARAMETER},
        {"status cdaudio volume", MCIERR_UNRECOGNIZED_COMMAND},
        {"status cdaudio number of", MCIERR_MISSING_PARAMETER},
        {"status cdaudio number of discs", MCIERR_UNRECOGNIZED_COMMAND},
        {"status cdaudio length track", MCIERR_MISSING_PARAMETER},
        {"status cdaudio length track x", MCIERR_UNRECOGNIZED_COMMAND},
        {"status cdaudio position now", MCIERR_UNRECOGNIZED_COMMAND},
        {"set cdaudio time format frames", MCIERR_UNRECOGNIZED_COMMAND},
        {"set cdaudio door ajar", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from", MCIERR_MISSING_PARAMETER},
        {"play cdaudio to 5", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from 5x", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from 1:2:3:4:5", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from -1:00", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from 1::3", MCIERR_UNRECOGNIZED_COMMAND},
        {"play cdaudio from 99999999999999999999999", MCIERR_OUTOFRANGE},
        {"seek cdaudio", MCIERR_MISSING_PARAMETER},
        {"seek cdaudio to end", MCIERR_UNRECOGNIZED_COMMAND},
        {"stop cdaudio now", MCIERR_UNRECOGNIZED_COMMAND},
        {"open cdaudio a b c d e f g h i j k l m", MCIERR_UNRECOGNIZED_COMMAND},
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
}

}  // namespace
}  // namespace cdaudio
