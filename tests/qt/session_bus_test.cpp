// The session bus left alone wherever the bus library could reach or launch
// one, and refused at once where it could not.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusError>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/qt/session_bus.h"
#include "portable.h"

namespace {

using qthost::SessionBusOutOfReach;

class SessionBus : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = portable::MakeTempFolder("tornel-session-bus-");
        ASSERT_FALSE(root_.empty());
        for (const char* name : {"runtime", "bin", "path1", "path2"}) std::filesystem::create_directory(In(name));
        path_ = In("path1") + ":" + In("path2");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string In(const std::string& name) const { return root_ + "/" + name; }
    void Put(const std::string& name, mode_t mode) const {
        std::ofstream(In(name)) << "#!/bin/sh\nexit 1\n";
        chmod(In(name).c_str(), mode);
    }
    // Every place present; `address` as given.
    bool OutOfReach(const char* address = nullptr) const {
        const std::string runtime = In("runtime"), bin = In("bin");
        return SessionBusOutOfReach({address, runtime.c_str(), bin.c_str(), path_.c_str()});
    }

    std::string root_, path_;
};

TEST_F(SessionBus, OutOfReachOnlyWhenNoPlaceOffersOne) {
    EXPECT_TRUE(OutOfReach());
    EXPECT_TRUE(SessionBusOutOfReach({nullptr, nullptr, nullptr, nullptr}));
    EXPECT_FALSE(OutOfReach(""));  // even an empty or wrong address is the user's choice
    EXPECT_FALSE(OutOfReach("unix:path=/nowhere"));

    Put("runtime/bus", 0600);
    EXPECT_FALSE(OutOfReach());
    std::filesystem::remove(In("runtime/bus"));
    Put("path2/dbus-launch", 0755);  // the path's last entry
    EXPECT_FALSE(OutOfReach());
    std::filesystem::remove(In("path2/dbus-launch"));
    Put("bin/dbus-launch", 0755);
    EXPECT_FALSE(OutOfReach());
}

TEST_F(SessionBus, ALauncherThatCannotRunIsNoReach) {
    Put("bin/dbus-launch", 0644);
    Put("path1/dbus-launch", 0644);
    std::filesystem::create_directory(In("path2/dbus-launch"));
    EXPECT_TRUE(OutOfReach());
}

// The refused address must fail at once, not be taken for the default bus.
TEST(SessionBusAddress, TheRefusedAddressConnectsNowhere) {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") || access("/usr/bin/dbus-launch", X_OK) == 0)
        GTEST_SKIP() << "this machine has a session bus";
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    portable::SetEnv("PATH", "/nonexistent");
    portable::UnsetEnv("XDG_RUNTIME_DIR");
    qthost::RefuseUnreachableSessionBus();
    portable::SetEnv("PATH", path.c_str());

    const char* refused = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_NE(refused, nullptr);
    const QDBusConnection bus = QDBusConnection::connectToBus(QString::fromUtf8(refused), QStringLiteral("refused"));
    EXPECT_FALSE(bus.isConnected());
    EXPECT_TRUE(bus.lastError().isValid());
    QDBusConnection::disconnectFromBus(QStringLiteral("refused"));
}

}  // namespace
