// The output against real servers started here: what the desktop's sound
// settings and JACK's patchbay show of it, what reaches the server, and the
// server killed and started again while the outputs play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "audio/back_end.h"
#include "audio/output.h"
#include "counting_source.h"
#include "sound_servers.h"

namespace audio_test {
namespace {

using namespace std::chrono_literals;

// A steady tone of `period` frames at `level`, in float or 16-bit frames.
class Tone : public audio::Source {
public:
    Tone(audio::SampleFormat format, int period, double level) : format_(format), period_(period), level_(level) {}
    void Render(void* out, std::size_t frames) override
    {
        for (std::size_t i = 0; i < frames; ++i, ++n_) {
            const double value = level_ * std::sin(2 * 3.14159265358979323846 * double(n_ % period_) / period_);
            if (format_ == audio::SampleFormat::Float32) {
                static_cast<float*>(out)[2 * i] = static_cast<float*>(out)[2 * i + 1] = float(value);
            } else {
                static_cast<std::int16_t*>(out)[2 * i] = static_cast<std::int16_t*>(out)[2 * i + 1] =
                    static_cast<std::int16_t>(value * 32767);
            }
        }
    }

private:
    const audio::SampleFormat format_;
    const int period_;
    const double level_;
    std::uint64_t n_ = 0;
};


// The disc and the pads, as the program has them, through one back end only.
class BothOutputs {
public:
    explicit BothOutputs(const std::string& backEnd)
    {
        for (const audio::BackEnd& candidate : audio::SystemBackEnds())
            if (candidate.name == backEnd) audio::SetBackEndsForTests({candidate});
        pads_ = std::make_unique<audio::Output>(audio::OutputConfig{}, padsTone_);
        disc_ = std::make_unique<audio::Output>(audio::DiscOutputConfig(), discTone_);
        pads_->Start();
        disc_->Start();
    }
    ~BothOutputs()
    {
        pads_.reset();
        disc_.reset();
        audio::SetBackEndsForTests({});
    }
    bool OnServer() const { return pads_->OnServer() && disc_->OnServer(); }
    bool OnClock() const { return !pads_->OnServer() && !disc_->OnServer(); }
    audio::Output& Pads() { return *pads_; }
    audio::Output& Disc() { return *disc_; }

private:
    // 441 Hz at half scale and 630 Hz at a quarter: whatever their phases,
    // their sum peaks above 0.7 within 16 ms, and neither alone above 0.5.
    Tone padsTone_{audio::SampleFormat::Float32, 100, 0.5};
    Tone discTone_{audio::SampleFormat::Int16, 70, 0.25};
    std::unique_ptr<audio::Output> pads_;
    std::unique_ptr<audio::Output> disc_;
};

float Loudest(const std::vector<float>& frames)
{
    float loudest = 0;
    for (float sample : frames) loudest = std::max(loudest, std::abs(sample));
    return loudest;
}

class Pulse : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Installed("pulseaudio") || !Installed("parec")) GTEST_SKIP() << "no PulseAudio here";
        ASSERT_TRUE(server_.Start());
    }
    PulseServer server_;
};

TEST_F(Pulse, TwoNamedStreamsReachTheSink)
{
    BothOutputs outputs("PulseAudio");
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    const std::string streams = server_.Pactl("list sink-inputs");
    EXPECT_NE(streams.find("application.name = \"Tornel\""), std::string::npos) << streams;
    EXPECT_NE(streams.find("application.icon_name = \"org.tornel.Tornel\""), std::string::npos);
    EXPECT_NE(streams.find("media.name = \"Pads\""), std::string::npos);
    EXPECT_NE(streams.find("media.name = \"Disc\""), std::string::npos);
    EXPECT_NE(streams.find("media.role = \"music\""), std::string::npos);
    EXPECT_GT(Loudest(server_.Record(0.5)), 0.6f) << "not both tones reached the sink";
    const audio::OutputState pads = outputs.Pads().State();
    EXPECT_EQ(pads.backEnd, "PulseAudio");
    EXPECT_EQ(pads.stream, "Tornel / Pads");
    EXPECT_GT(pads.latencyMs, 0);
}

TEST_F(Pulse, KilledAndStartedAgainBothOutputsSoundAgain)
{
    BothOutputs outputs("PulseAudio");
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    server_.Kill();
    ASSERT_TRUE(Eventually([&] { return outputs.OnClock(); }));
    ASSERT_TRUE(server_.Start());
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    EXPECT_GT(Loudest(server_.Record(0.5)), 0.6f) << "not both tones reached the sink";
    EXPECT_EQ(outputs.Pads().State().losses, 1u);
    EXPECT_EQ(outputs.Disc().State().losses, 1u);
}

TEST_F(Pulse, AServerThatRefusesEveryStreamLeavesTheClockAndIsTriedAgain)
{
    server_.Kill();
    ASSERT_TRUE(server_.Start(false));
    BothOutputs outputs("PulseAudio");
    // Refused: the clock plays, and the output asks again until a sink is there.
    ASSERT_TRUE(Eventually([&] { return outputs.Pads().State().tries >= 2 && outputs.Disc().State().tries >= 2; }));
    EXPECT_TRUE(outputs.OnClock());
    EXPECT_NE(server_.Pactl("load-module module-null-sink sink_name=tornel_test"), "");
    EXPECT_TRUE(Eventually([&] { return outputs.OnServer(); }));
}

TEST_F(Pulse, AServerThatStopsAnsweringWhileTheyOpenGivesTheClockNotAHang)
{
    server_.Process().Pause();
    BothOutputs outputs("PulseAudio");
    // The opening gives up; the clock plays meanwhile.
    ASSERT_TRUE(Eventually([&] { return outputs.Pads().State().tries >= 1 && outputs.Disc().State().tries >= 1; }));
    EXPECT_TRUE(outputs.OnClock());
    server_.Process().Resume();
    EXPECT_TRUE(Eventually([&] { return outputs.OnServer(); }));
}

// jack_rec, itself a client, may miss its start on a loaded machine: a
// recording is taken again, three times at most.
float LoudestRecorded(const JackServer& server, const std::string& port)
{
    float loudest = 0;
    for (int attempt = 0; attempt < 3 && loudest == 0; ++attempt) loudest = Loudest(server.Record(port, 1));
    return loudest;
}

class Jack : public testing::Test {
protected:
    void SetUp() override
    {
        if (!Installed("jackd") || !Installed("jack_lsp") || !Installed("jack_rec")) GTEST_SKIP() << "no JACK here";
    }
    JackServer server_;
};

TEST_F(Jack, OneClientWithAPairForEachOutputConnectedToPlayback)
{
    ASSERT_TRUE(server_.Start(48000));
    BothOutputs outputs("JACK");
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    const std::string ports = server_.Ports();
    for (const char* port : {"Tornel:pads_left", "Tornel:pads_right", "Tornel:disc_left", "Tornel:disc_right"})
        EXPECT_NE(ports.find(port), std::string::npos) << port << " in\n" << ports;
    EXPECT_EQ(ports.find("Tornel-"), std::string::npos) << "more than one client";
    const std::string connections = server_.Ports("-c");
    EXPECT_NE(connections.find("Tornel:pads_left\n   system:playback_1"), std::string::npos) << connections;
    EXPECT_EQ(outputs.Pads().State().rate, 48000);
    // Converted from 44100: the tone is still there at full strength.
    EXPECT_GT(LoudestRecorded(server_, "Tornel:pads_left"), 0.45f);
}

TEST_F(Jack, RestartedAtAnotherRateBothOutputsSoundAgain)
{
    ASSERT_TRUE(server_.Start(44100));
    BothOutputs outputs("JACK");
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    server_.Kill();
    ASSERT_TRUE(Eventually([&] { return outputs.OnClock(); }));
    ASSERT_TRUE(server_.Start(96000));
    ASSERT_TRUE(Eventually([&] { return outputs.OnServer(); }));
    EXPECT_EQ(outputs.Disc().State().rate, 96000);
    EXPECT_GT(LoudestRecorded(server_, "Tornel:disc_right"), 0.2f);
    // A server without real-time scheduling on a busy machine may also drop
    // a client that ran late: that is a loss too, and it comes back as well.
    EXPECT_GE(outputs.Pads().State().losses, 1u);
}

}  // namespace
}  // namespace audio_test
