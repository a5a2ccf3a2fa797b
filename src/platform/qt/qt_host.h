// The Qt host: the real program's windows, input, clock and modal UI.
#pragma once

#include <functional>
#include <memory>

namespace qthost {

// The Qt application with the Qt host installed, for as long as it lives.
class HostApplication {
public:
    HostApplication(int argc, char** argv);
    ~HostApplication();
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Runs `body` (which runs the program's message loop) inside a
// HostApplication and returns its result.
int Run(int argc, char** argv, const std::function<int()>& body);

}  // namespace qthost
