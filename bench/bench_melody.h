#pragma once
// The melody every part of the benchmark plays: 64 rows at tempo 180, in
// phrases of two notes and an eighth rest, ending on a note, so that every row
// begins and ends with a message (a rest ends where the next note starts) and
// the rests let each phrase fade before the next one is listened for.

#include "codecs/score/row_timing.h"
#include "stamping_midi_out.h"

#include <optional>
#include <vector>

namespace tw::gui {
class MainWindow;
}

namespace tw::bench {

inline constexpr int kBenchTempoIndex = 4;  //!< "180"
inline constexpr int kSixteenthMs = sixteenthMs(180);

std::vector<RowCode> benchMelody();

//! Each row's nominal length in ms.
std::vector<double> nominalRowMs(const std::vector<RowCode>& rows);

//! Each row's length as the stamps of its messages show it; nothing when the
//! stamps do not fit the rows (a message lost or added).
std::optional<std::vector<double>> measuredRowMs(const std::vector<RowCode>& rows, const std::vector<Stamp>& stamps);

//! Puts the rows into the window's document as an opened file would, chooses
//! tempo 180 and makes the play button available.
void loadMelody(gui::MainWindow& window, const std::vector<RowCode>& rows);

//! Clicks the play button; returns when the melody has played to its end.
void play(gui::MainWindow& window);

//! Long enough for the window to paint what changed and the sound to settle.
inline constexpr int kSettleMs = 300;

//! Runs the event loop for a while, as it runs between the user's commands.
void idle(int ms);

} // namespace tw::bench
