// The CD transport: the only code that talks to the "cdaudio" device, and the
// release actions of the deck's transport, refresh and track buttons.
#pragma once

#include "platform/win.h"

// Leading-decimal rule for device replies: blanks, optional sign, digits; none reads 0.
int ReplyNumber(const char* reply);

// Start-up read of the disc; also turns CD loop on, as the menu shows at start.
void CdInit();
// Reads the disc: deck stopped, normal play; keeps the user's CD loop setting.
void CdReadDisc();
// Only the track count and the disc length of what the drive holds now.
void CdReadDiscSize();
// A later read (refresh, end of the tray wait): stops the drive and timer 1 first.
void CdRereadDisc(win::HWND hwnd);
void CdStop();
void CdCueTrack(int track);
// The three plays return false when the drive refuses (no disc, door open,
// no such track); the drive then stays as it was.
bool CdPlayTrack(int track);
bool CdPlayFromMs(int positionMs);
bool CdResume();
int CdCurrentTrack();
int CdPositionMs();
int CdTrackLengthMs(int track);
void CdStartPositionTimer(win::HWND hwnd);
// 5 back 10 s, 6 forward 10 s, 7 previous track, 8 next track.
void CdTransport(int code);

void CdStopButton(win::HWND hwnd);
void CdPlayButton(win::HWND hwnd);
void CdPauseButton(win::HWND hwnd);
void CdRefreshButton(win::HWND hwnd);
// index 0..19 = track number - 1; normal play cues/plays, program play appends.
void TrackButton(win::HWND hwnd, int index);

// Starts window timer `id`; on failure shows "Timer not exists." and goes on.
void StartTimerOrReport(win::HWND hwnd, win::UINT_PTR id, win::UINT periodMs);

constexpr int kTimerPosition = 1;  // 100 ms while the deck plays
constexpr int kTimerAbRepeat = 2;  // 10 ms while an A-B loop runs
constexpr int kTimerTrayWait = 3;  // 1000 ms for the seven seconds after the tray button
