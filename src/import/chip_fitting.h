#pragma once
// Fitting a tune to what the chip can play: 25 keys, five tempos, eight note lengths and five
// rests, 500 rows. Every step that changes the tune is counted in the report.

#include "codecs/score/tables.h"
#include "import/tune.h"

#include <cstdint>
#include <vector>

namespace tw {

struct FittingReport {
    int tempo = 0;                 //!< the tempo chosen, beats per minute
    int octaveShift = 0;           //!< octaves the whole tune moved, upwards positive
    int notesMovedByOctave = 0;    //!< notes still off the keyboard after that, moved one by one
    int notesMerged = 0;           //!< notes on another's sixteenth, merged into one with it
    int notesLengthened = 0;       //!< notes shorter than half a sixteenth, given a sixteenth
    int notesShortened = 0;        //!< notes of no chip length, played at the next shorter one
                                   //!< with rests for the rest of their time
    int notesCut = 0;              //!< notes past the row limit, left out
    int rows = 0;
    bool rowsCut = false;          //!< the tune went on past row kMaxRows
    std::int64_t timingErrorMs = 0;  //!< how far the rows' note starts and ends lie from the tune's
    friend bool operator==(const FittingReport&, const FittingReport&) = default;
};

struct FittedMelody {
    std::vector<RowCode> rows;
    int tempo = 0;
    FittingReport report;
};

//! The rows that play `tune` most nearly. The whole tune moves by the octaves that put the most
//! notes on the keyboard (keys kFirstKey to kLastKey; of equal choices the smallest move), each
//! note still off it by the fewest octaves that bring it on. Of the five tempos the one whose
//! sixteenths put the notes' starts and ends nearest their times is chosen; of equal ones the one
//! that needs the fewest rows, then the one nearest the tune's own tempo. Starts and ends are
//! rounded to that sixteenth, so no error adds up from note to note. A note longer than any note
//! length (more than a whole note, or between two lengths) plays at the longest length it
//! fills and the remaining time is rests: a tie would strike the note again, which the tune does
//! not do. Rows stop at kMaxRows.
FittedMelody fitToChip(const Tune& tune);

} // namespace tw
