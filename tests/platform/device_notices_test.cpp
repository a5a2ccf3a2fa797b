// The cdaudio device's names and notifications through the platform: a
// command reaches the device under any name it answers to, and a notice it
// hands over reaches the callback window as MM_MCINOTIFY through the queue.
#include <cstring>
#include <string>

#include "platform/devices.h"
#include "test_window.h"

namespace {

// Answers to "deck" once opened under that alias; "notify" is due on the
// next look after a command that asked for it, as the end of a play is.
class NoticeDevice : public CommandStringDevice {
public:
    MCIERROR SendString(const char* command, char*, UINT) override { return SendString(command, nullptr, 0, nullptr); }
    MCIERROR SendString(const char* command, char*, UINT, HWND callback) override {
        if (std::strstr(command, "alias deck")) opened = true;
        if (std::strstr(command, "notify")) {
            waiting = callback;
            awaits = true;
        }
        return 0;
    }
    bool Answers(std::string_view name) const override {
        return CommandStringDevice::Answers(name) || (opened && EqualsIgnoringCase(name, "deck"));
    }
    void TakeNotices(NoticeSink post) override {
        if (!awaits || ++looks < 2) return;
        post(waiting, MCI_NOTIFY_SUCCESSFUL, 3);
        awaits = false;
    }
    bool AwaitsNotice() const override { return awaits; }

    bool opened = false;
    bool awaits = false;
    int looks = 0;
    HWND waiting = nullptr;
};

class DeviceNoticesTest : public WindowTest {};

TEST_F(DeviceNoticesTest, AliasesRouteAndNoticesArriveThroughTheQueue) {
    NoticeDevice device;
    InstallCdAudioDevice(&device);
    HWND hwnd = Open();
    EXPECT_EQ(mciSendStringA("play deck", nullptr, 0, nullptr), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(mciSendStringA("open cdaudio alias deck", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(mciSendStringA("play DECK notify", nullptr, 0, hwnd), 0u);
    EXPECT_TRUE(Seen(MM_MCINOTIFY).empty());

    session_.Pump();
    const auto notices = Seen(MM_MCINOTIFY);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].hwnd, hwnd);
    EXPECT_EQ(notices[0].wParam, MCI_NOTIFY_SUCCESSFUL);
    EXPECT_EQ(notices[0].lParam, 3);
    EXPECT_EQ(session_.CallsStartingWith("PostMessageA").back(), "PostMessageA(953,1,3)");
    InstallCdAudioDevice(nullptr);
}

}  // namespace
