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
using qthost::SessionBusPlaces;

class SessionBus : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = portable::MakeTempFolder("tornel-session-bus-");
        ASSERT_FALSE(root_.empty());
        for (const char* name : {"runtime", "bin", "path1", "path2"}) std::filesystem::create_directory(Folder(name));
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string Folder(const char* name) const { return root_ + "/" + name; }

    void Put(const std::string& file, mode_t mode) const {
        std::ofstream(file) << "#!/bin/sh\nexit 1\n";
        chmod(file.c_str(), mode);
    }

    // Every place present and empty.
    SessionBusPlaces Places() {
        path_ = Folder("path1") + ":" + Folder("path2");
        runtime_ = Folder("runtime");
        bin_ = Folder("bin");
        return {nullptr, runtime_.c_str(), bin_.c_str(), path_.c_str()};
    }

    std::string root_, runtime_, bin_, path_;
};

TEST_F(SessionBus, OutOfReachOnlyWhenNoPlaceOffersOne) {
    EXPECT_TRUE(SessionBusOutOfReach(Places()));
    EXPECT_TRUE(SessionBusOutOfReach({nullptr, nullptr, nullptr, nullptr}));
    EXPECT_TRUE(SessionBusOutOfReach({nullptr, "", nullptr, ""}));

    SessionBusPlaces given = Places();
    given.address = "";  // even an empty or wrong address is the user's choice
    EXPECT_FALSE(SessionBusOutOfReach(given));
    given.address = "unix:path=/nowhere";
    EXPECT_FALSE(SessionBusOutOfReach(given));
}

TEST_F(SessionBus, TheUsersBusSocketIsReach) {
    std::ofstream(Folder("runtime") + "/bus");
    EXPECT_FALSE(SessionBusOutOfReach(Places()));
}

TEST_F(SessionBus, ARunnableLauncherIsReachWhereverThePathHasIt) {
    Put(Folder("path2") + "/dbus-launch", 0755);  // the last entry of the path
    EXPECT_FALSE(SessionBusOutOfReach(Places()));
    std::filesystem::remove(Folder("path2") + "/dbus-launch");

    Put(Folder("bin") + "/dbus-launch", 0755);
    EXPECT_FALSE(SessionBusOutOfReach(Places()));
}

TEST_F(SessionBus, ALauncherThatCannotRunIsNoReach) {
    Put(Folder("bin") + "/dbus-launch", 0644);
    Put(Folder("path1") + "/dbus-launch", 0644);
    std::filesystem::create_directory(Folder("path2") + "/dbus-launch");
    EXPECT_TRUE(SessionBusOutOfReach(Places()));
}

// Puts a variable back as it was when the test ends.
class KeptVariable {
public:
    explicit KeptVariable(const char* name) : name_(name) {
        const char* value = std::getenv(name);
        had_ = value != nullptr;
        if (had_) value_ = value;
    }
    ~KeptVariable() {
        if (had_) {
            portable::SetEnv(name_, value_.c_str());
        } else {
            portable::UnsetEnv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    std::string value_;
};

// The refused address must fail at once, not be taken for the default bus.
TEST(SessionBusAddress, TheRefusedAddressConnectsNowhere) {
    const KeptVariable address("DBUS_SESSION_BUS_ADDRESS"), runtime("XDG_RUNTIME_DIR"), path("PATH");
    portable::UnsetEnv("DBUS_SESSION_BUS_ADDRESS");
    portable::UnsetEnv("XDG_RUNTIME_DIR");
    portable::SetEnv("PATH", "/nonexistent");
    if (access("/usr/bin/dbus-launch", X_OK) == 0) GTEST_SKIP() << "dbus-launch is installed: the bus is in reach";

    qthost::RefuseUnreachableSessionBus();
    const char* refused = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_NE(refused, nullptr);
    const QDBusConnection bus = QDBusConnection::connectToBus(QString::fromUtf8(refused), QStringLiteral("refused"));
    EXPECT_FALSE(bus.isConnected());
    EXPECT_TRUE(bus.lastError().isValid());
    QDBusConnection::disconnectFromBus(QStringLiteral("refused"));
}

}  // namespace
