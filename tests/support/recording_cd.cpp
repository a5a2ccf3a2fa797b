#include "support/recording_cd.h"

#include <algorithm>
#include <cstring>

win::MCIERROR RecordingCd::SendString(const char* command, char* reply, win::UINT length) {
    sent_.emplace_back(command);
    if (refused_.count(command)) return win::MCIERR_UNRECOGNIZED_COMMAND;
    std::string answer;
    auto queued = once_.find(command);
    auto standing = standing_.find(command);
    if (queued != once_.end() && !queued->second.empty()) {
        answer = queued->second.front();
        queued->second.pop_front();
    } else if (standing != standing_.end()) {
        answer = standing->second;
    }
    if (reply != nullptr && length > 0) {
        std::size_t n = std::min<std::size_t>(answer.size(), length - 1);
        std::memcpy(reply, answer.data(), n);
        reply[n] = '\0';
    }
    return 0;
}

void RecordingCd::Answer(const std::string& command, const std::string& reply) { standing_[command] = reply; }

void RecordingCd::AnswerOnce(const std::string& command, const std::string& reply) {
    once_[command].push_back(reply);
}

void RecordingCd::Refuse(const std::string& command) { refused_.insert(command); }

void RecordingCd::HoldDisc(int tracks, int trackLengthMs) {
    Answer("status cdaudio number of tracks", std::to_string(tracks));
    Answer("status cdaudio length", std::to_string(tracks * trackLengthMs));
    for (int t = 1; t <= tracks; ++t) Answer("status cdaudio length track " + std::to_string(t), std::to_string(trackLengthMs));
}
