#include "platform/qt/session_bus.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace qthost {

namespace {

constexpr const char* kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* kLauncher = "dbus-launch";
// No transport has this name: the library refuses it without trying anything.
constexpr const char* kRefusedAddress = "disabled:";

bool Exists(const std::string& file) { return access(file.c_str(), F_OK) == 0; }

bool Runnable(std::string_view folder) {
    if (folder.empty()) folder = ".";  // an empty PATH entry is the current folder
    const std::string file = std::string(folder) + "/" + kLauncher;
    struct stat status {};
    return stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(file.c_str(), X_OK) == 0;
}

bool LauncherInPath(std::string_view path) {
    while (true) {
        const std::size_t colon = path.find(':');
        if (Runnable(path.substr(0, colon))) return true;
        if (colon == std::string_view::npos) return false;
        path.remove_prefix(colon + 1);
    }
}

}  // namespace

bool SessionBusOutOfReach(const SessionBusPlaces& places) {
    if (places.address) return false;  // even a wrong one is the user's to give
    if (places.runtimeFolder && *places.runtimeFolder && Exists(std::string(places.runtimeFolder) + "/bus")) return false;
    if (places.launcherFolder && Runnable(places.launcherFolder)) return false;
    return !(places.path && LauncherInPath(places.path));
}

void RefuseUnreachableSessionBus() {
    const SessionBusPlaces places{std::getenv(kAddressVariable), std::getenv("XDG_RUNTIME_DIR"), "/usr/bin",
                                  std::getenv("PATH")};
    if (SessionBusOutOfReach(places)) setenv(kAddressVariable, kRefusedAddress, 0);
}

}  // namespace qthost
