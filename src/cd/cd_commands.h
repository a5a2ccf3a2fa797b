// Sending command strings to the "cdaudio" device. A refused command simply
// has no effect, and a refused query reads as an empty reply; only a refused
// play is looked at, so that the deck does not take itself for playing.
#pragma once

#include "platform/win.h"

constexpr int kReplySize = 100;         // reply buffer of every transport query
constexpr int kPositionTextSize = 256;  // reply buffer of the position display

// The device's result: 0 when it took the command.
win::MCIERROR CdSend(const char* command);
// Sends a query and reads its reply by the leading-decimal rule.
int CdQuery(const char* command);
// Sends a query; `reply` (size bytes) always ends up terminated.
void CdQueryText(const char* command, char* reply, int size);
