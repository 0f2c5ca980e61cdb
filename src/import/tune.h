#pragma once
// A melody read from another program's file, before it is fitted to the chip: one line of
// notes in real time, as the source plays it.

#include <QString>
#include <cstdint>
#include <vector>

namespace tw {

struct TuneNote {
    std::int64_t startUs = 0;
    std::int64_t endUs = 0;    //!< not before startUs
    int midiNote = 0;          //!< 60 is middle C
    friend bool operator==(const TuneNote&, const TuneNote&) = default;
};

struct Tune {
    QString title;                  //!< the name the file gives the tune; empty for none
    std::vector<TuneNote> notes;    //!< one line: by start, none overlapping the next
    std::int64_t endUs = 0;         //!< where the source ends: at its last note's end or later
    double sourceBpm = 120;         //!< the source's first tempo, which settles ties between tempos
};

} // namespace tw
