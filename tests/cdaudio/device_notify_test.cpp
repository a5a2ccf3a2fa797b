// "notify": what the callback window is told, and when.
#include <vector>

#include "cdaudio/device_fixture.h"

namespace cdaudio_test {
namespace {

using namespace win;

struct Notice {
    HWND window;
    WPARAM code;
    LPARAM id;
    bool operator==(const Notice&) const = default;
};

std::vector<Notice> g_notices;

class NotifyTest : public DeviceTest {
protected:
    HWND const kWindow = reinterpret_cast<HWND>(0x1000);
    HWND const kOther = reinterpret_cast<HWND>(0x2000);

    void Notify(const std::string& command, HWND window)
    {
        EXPECT_EQ(device_->SendString(command.c_str(), nullptr, 0, window), 0u) << command;
    }

    // The notices that came due since last asked.
    std::vector<Notice> Taken()
    {
        g_notices.clear();
        device_->TakeNotices([](HWND window, WPARAM code, LPARAM id) { g_notices.push_back({window, code, id}); });
        return g_notices;
    }
};

TEST_F(NotifyTest, APlayReportsAtItsEndAndOtherCommandsAtOnce)
{
    Ok("open cdaudio alias deck");
    Notify("play deck from 3000 notify", kWindow);
    EXPECT_TRUE(device_->AwaitsNotice());
    Advance(4410);
    EXPECT_TRUE(Taken().empty());
    Advance(44100);
    EXPECT_EQ(Taken(), (std::vector<Notice>{{kWindow, MCI_NOTIFY_SUCCESSFUL, 1}}));
    EXPECT_FALSE(device_->AwaitsNotice());

    Notify("status deck mode notify", kOther);
    Notify("seek cdaudio to start notify", kOther);
    EXPECT_EQ(Taken(), (std::vector<Notice>{{kOther, MCI_NOTIFY_SUCCESSFUL, 1}, {kOther, MCI_NOTIFY_SUCCESSFUL, 1}}));

    // No window, no notice; a failed command brings none either.
    Notify("play cdaudio from 0 notify", nullptr);
    EXPECT_EQ(device_->SendString("play cdaudio from 99999 notify", nullptr, 0, kWindow), MCIERR_OUTOFRANGE);
    Advance(44100 * 4);
    EXPECT_TRUE(Taken().empty());
}

TEST_F(NotifyTest, ReplacedPlaysAreSupersededAndStoppedOnesAborted)
{
    struct Case {
        const char* interruption;
        HWND window;  // the interrupting command's, null for none
        WPARAM code;
    } cases[] = {
        {"play cdaudio from 100 notify", kOther, MCI_NOTIFY_SUPERSEDED},
        {"status cdaudio position notify", kOther, MCI_NOTIFY_SUPERSEDED},
        {"play cdaudio from 100", nullptr, MCI_NOTIFY_ABORTED},
        {"stop cdaudio", nullptr, MCI_NOTIFY_ABORTED},
        {"pause cdaudio", nullptr, MCI_NOTIFY_ABORTED},
        {"seek cdaudio to 100", nullptr, MCI_NOTIFY_ABORTED},
        {"set cdaudio door open", nullptr, MCI_NOTIFY_ABORTED},
    };
    for (const Case& c : cases) {
        device_ = Create(dir_.Path());
        Notify("play cdaudio from 0 notify", kWindow);
        Advance(588);
        Notify(c.interruption, c.window);
        std::vector<Notice> taken = Taken();
        ASSERT_FALSE(taken.empty()) << c.interruption;
        EXPECT_EQ(taken.front(), (Notice{kWindow, c.code, 1})) << c.interruption;
    }
    // Closing the last open device aborts what it was to report.
    device_ = Create(dir_.Path());
    Ok("open cdaudio");
    Notify("play cdaudio from 0 notify", kWindow);
    Ok("close cdaudio");
    EXPECT_EQ(Taken(), (std::vector<Notice>{{kWindow, MCI_NOTIFY_ABORTED, 1}}));
}

}  // namespace
}  // namespace cdaudio_test
