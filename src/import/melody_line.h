#pragma once
// One line out of many notes: where notes overlap, the highest sounding note wins, as one
// voice would sing the tune's top line.

#include "import/tune.h"

#include <vector>

namespace tw {

struct MelodyLine {
    std::vector<TuneNote> notes;  //!< by start; each ends at the latest where the next begins
    int notesBeneath = 0;         //!< notes left out because a higher one sounded over them
    int notesCutShort = 0;        //!< notes ended early because the next one began
};

//! The top line of `notes` (in any order). Of notes that begin together the highest is kept.
//! A note that begins while a lower or equal one sounds ends that one. A lower note that
//! begins while a higher one sounds is left out, unless it only overlaps the higher one's
//! last quarter and its own first quarter: that is one note played legato into the next,
//! and the next follows. A note cut short never comes back, so each is struck once, at its
//! own start.
MelodyLine highestLine(std::vector<TuneNote> notes);

} // namespace tw
