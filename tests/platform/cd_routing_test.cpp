// The native program's "cdaudio" routing: the program's device for the
// virtual drive, the system's for a physical one, decided once.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/cd_routing.h"

namespace {

using win32::CdDrive;

class RecordingDevice final : public win::CommandStringDevice {
public:
    win::MCIERROR SendString(const char* command, char* reply, win::UINT length) override {
        commands.push_back(command);
        if (reply && length > 0) std::strncpy(reply, "ours", length - 1);
        return 0;
    }
    std::vector<std::string> commands;
};

struct FakeSystem {
    win::MCIERROR openError = 0;
    std::vector<std::string> commands;
    std::vector<win::HWND> callbacks;

    win32::SystemSender Sender() {
        return [this](const char* command, char* reply, win::UINT length, win::HWND callback) -> win::MCIERROR {
            commands.push_back(command);
            callbacks.push_back(callback);
            if (std::strncmp(command, "open", 4) == 0) return openError;
            if (reply && length > 0) std::strncpy(reply, "system", length - 1);
            return 0;
        };
    }
};

TEST(CdRouting, SystemDriveOnlyWhenTheMachineHasOneThatOpens) {
    FakeSystem system;
    EXPECT_EQ(win32::ChooseCdDrive(false, system.Sender()), CdDrive::Ours);
    EXPECT_TRUE(system.commands.empty()) << "a machine without a drive never asks the system";

    EXPECT_EQ(win32::ChooseCdDrive(true, system.Sender()), CdDrive::System);
    EXPECT_EQ(system.commands,
              (std::vector<std::string>{"open cdaudio alias tornel_probe shareable", "close tornel_probe"}));

    FakeSystem failing;
    failing.openError = 266;  // the system's device cannot load, as with no drive under some systems
    EXPECT_EQ(win32::ChooseCdDrive(true, failing.Sender()), CdDrive::Ours);
    EXPECT_EQ(failing.commands.size(), 1u) << "nothing to close when the open failed";

    EXPECT_EQ(win32::ChooseCdDrive(true, win32::SystemSender()), CdDrive::Ours) << "no system entry at all";
}

TEST(CdRouting, OursAnswersAsTheSystemEntryDoes) {
    RecordingDevice ours;
    FakeSystem system;
    char reply[16] = "stale";
    EXPECT_EQ(win32::RouteCommand(CdDrive::Ours, &ours, system.Sender(), "status cdaudio mode", reply, sizeof reply,
                                  nullptr),
              0u);
    EXPECT_STREQ(reply, "ours");
    std::strcpy(reply, "stale");
    EXPECT_EQ(win32::RouteCommand(CdDrive::Ours, &ours, system.Sender(), "play waveaudio", reply, sizeof reply,
                                  nullptr),
              win::MCIERR_INVALID_DEVICE_NAME);
    EXPECT_STREQ(reply, "") << "the reply is emptied even when refused";
    EXPECT_EQ(win32::RouteCommand(CdDrive::Ours, &ours, system.Sender(), " \t ", nullptr, 0, nullptr),
              win::MCIERR_MISSING_COMMAND_STRING);
    EXPECT_EQ(win32::RouteCommand(CdDrive::Ours, nullptr, system.Sender(), "open cdaudio", nullptr, 0, nullptr),
              win::MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(ours.commands, std::vector<std::string>{"status cdaudio mode"});
    EXPECT_TRUE(system.commands.empty());
}

TEST(CdRouting, SystemDriveGetsEveryCommandWordForWordWithItsCallback) {
    RecordingDevice ours;
    FakeSystem system;
    char reply[16] = "";
    const auto window = reinterpret_cast<win::HWND>(0x1234);
    for (const char* command : {"open cdaudio", "play cdaudio from 3 notify", "set cdaudio door open", "  "})
        win32::RouteCommand(CdDrive::System, &ours, system.Sender(), command, reply, sizeof reply, window);
    EXPECT_EQ(system.commands, (std::vector<std::string>{"open cdaudio", "play cdaudio from 3 notify",
                                                         "set cdaudio door open", "  "}));
    EXPECT_EQ(system.callbacks, std::vector<win::HWND>(4, window));
    EXPECT_STREQ(reply, "system");
    EXPECT_TRUE(ours.commands.empty());
}

}  // namespace
