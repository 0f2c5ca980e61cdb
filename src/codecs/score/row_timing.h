#pragma once
// How long a row sounds. The player and anything that writes the melody out as
// timed events share this arithmetic, so both give the same durations.

#include "codecs/score/tables.h"

namespace tw {

//! One sixteenth note in milliseconds; the division truncates (166 at tempo 90).
inline constexpr int sixteenthMs(int tempo) { return 15000 / tempo; }

//! The sixteenths a note or rest row lasts; 0 for an empty or pending row.
inline constexpr int sixteenthsOf(RowCode code)
{
    if (code == kEmptyRow || code == kPendingRow)
        return 0;
    return keyOf(code) == kNoKey ? RestDurations[std::size_t(lengthOf(code))]
                                 : NoteDurations[std::size_t(lengthOf(code))];
}

} // namespace tw
