#pragma once
// Start-up: from the start of a process until the splash is on screen with the
// main window loaded behind it (MIDI output open, tables filled, document
// reset), and the soundfont load within that time.
//
// The process measured is this program started again with kStartUpArgument:
// it starts exactly as the editor does (same libraries, same steps, the real
// MIDI output), reports the moment the splash is painted, and ends.

namespace tw::bench {

inline constexpr const char* kStartUpArgument = "--start-up";

//! The measured process: the editor's start, then one line of figures on stdout.
int startUpAndReport(int argc, char* argv[]);

//! Runs the measured process a few times and prints the figures.
void benchStartUp();

} // namespace tw::bench
