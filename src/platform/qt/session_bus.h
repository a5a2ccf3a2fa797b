// The desktop's session bus, as the bus library looks for it: the address in
// the environment, else the user's bus socket, else a bus launched for the
// display by dbus-launch. Where none of them exists the launch is a fork of
// the whole program that can only fail, and the accessibility bridge asks for
// the bus as the window first shows: forking a process of Qt's size stalls
// all its threads for several milliseconds, on the window's way to the screen.
#pragma once

namespace qthost {

// Where the bus library looks; null where the environment has nothing.
struct SessionBusPlaces {
    const char* address;        // DBUS_SESSION_BUS_ADDRESS
    const char* runtimeFolder;  // XDG_RUNTIME_DIR, which may hold the user's "bus"
    const char* launcherFolder; // the library's own folder for dbus-launch
    const char* path;           // PATH, searched for dbus-launch after it
};

// True when the bus library could neither find a session bus nor launch one.
bool SessionBusOutOfReach(const SessionBusPlaces& places);

// When the session bus is out of reach, gives the bus library an address no
// transport accepts, so that asking for the bus fails at once. Changes the
// environment: called before any thread starts.
void RefuseUnreachableSessionBus();

}  // namespace qthost
