// Sending command strings to the "cdaudio" device. Results are never
// examined: a refused command simply has no effect, and a refused query
// reads as an empty reply.
#pragma once

constexpr int kReplySize = 100;         // reply buffer of every transport query
constexpr int kPositionTextSize = 256;  // reply buffer of the position display

void CdSend(const char* command);
// Sends a query and reads its reply by the leading-decimal rule.
int CdQuery(const char* command);
// Sends a query; `reply` (size bytes) always ends up terminated.
void CdQueryText(const char* command, char* reply, int size);
