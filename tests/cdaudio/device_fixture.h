// A device on the virtual output holding a three-track folder disc:
// 2 s, 1 s and 40 sectors (0.533 s), set to answer in milliseconds.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cdaudio/disc_fixture.h"
#include "devices/cdaudio/cdaudio.h"

namespace cdaudio_test {

inline const std::vector<std::uint64_t> kTrackFrames = {88200, 44100, 23520};

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteFolderDisc(dir_.Path(), kTrackFrames);
        device_ = Create(dir_.Path());
    }

    std::unique_ptr<cdaudio::Device> Create(const std::string& disc)
    {
        std::unique_ptr<cdaudio::Device> device = cdaudio::CreateDevice(OptionsFor(disc));
        device->SendString("set cdaudio time format milliseconds", nullptr, 0);
        return device;
    }

    cdaudio::Options OptionsFor(const std::string& disc)
    {
        cdaudio::Options options;
        options.output = cdaudio::Output::Virtual;
        options.usePhysicalDrive = false;
        options.initialDisc = disc;
        options.askForDisc = [this] {
            ++asked_;
            return answer_;
        };
        options.tellMissingFile = [this](const std::string& name) { told_.push_back(name); };
        return options;
    }

    // The reply; the error code goes to error_.
    std::string Send(const std::string& command)
    {
        char reply[256];
        std::memset(reply, 'x', sizeof reply);
        error_ = device_->SendString(command.c_str(), reply, sizeof reply);
        return reply;
    }

    // Sends and expects success.
    std::string Ok(const std::string& command)
    {
        std::string reply = Send(command);
        EXPECT_EQ(error_, 0u) << command;
        return reply;
    }

    // Sends and expects `error` with an empty reply.
    void Refused(const std::string& command, win::MCIERROR error)
    {
        EXPECT_EQ(Send(command), "") << command;
        EXPECT_EQ(error_, error) << command;
    }

    void Advance(std::uint32_t frames) { device_->AdvanceVirtualOutput(frames); }

    TempDir dir_;
    std::unique_ptr<cdaudio::Device> device_;
    win::MCIERROR error_ = 0;
    int asked_ = 0;
    std::string answer_;
    std::vector<std::string> told_;  // missing files the device told of
};

}  // namespace cdaudio_test
