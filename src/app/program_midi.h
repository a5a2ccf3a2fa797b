// The program's MIDI inputs: every source the system offers, listened to
// while the console runs, each message posted to the main window.
#pragma once

void InstallProgramMidi();
