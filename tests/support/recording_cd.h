// A "cdaudio" device for exact command tests: it records every command
// string in order and answers queries from a script.
//
//   RecordingCd cd;
//   cd.HoldDisc(10, 200000);                       // ten tracks of 200 s
//   cd.AnswerOnce("status cdaudio position", "5000");
//   ...
//   EXPECT_EQ(cd.Sent(), (Commands{"set cdaudio time format milliseconds", ...}));
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/devices.h"

using Commands = std::vector<std::string>;

class RecordingCd : public win::CommandStringDevice {
public:
    // Records the command; answers a queued one-off reply first, then the
    // standing reply, then "" (success). A refused command returns an error
    // and leaves the reply buffer untouched.
    win::MCIERROR SendString(const char* command, char* reply, win::UINT length) override;

    // Every later `command` answers `reply`.
    void Answer(const std::string& command, const std::string& reply);
    // The next `command` answers `reply`, once; several queue up in order.
    void AnswerOnce(const std::string& command, const std::string& reply);
    // `command` fails from now on.
    void Refuse(const std::string& command);
    // Standing answers for a disc of `tracks` tracks of `trackLengthMs` each:
    // the number of tracks, the disc length and every track's length.
    void HoldDisc(int tracks, int trackLengthMs);

    const Commands& Sent() const { return sent_; }
    // Forgets the commands recorded so far (not the script).
    void ClearSent() { sent_.clear(); }

private:
    Commands sent_;
    std::map<std::string, std::string> standing_;
    std::map<std::string, std::deque<std::string>> once_;
    std::set<std::string> refused_;
};
