#pragma once
// Hearing the tone bursts of a recorded transfer signal: where each burst lies
// and how many carrier cycles it lasts. Levels, polarity, a DC offset and the
// exact carrier frequency come from the recording itself, so a quiet or loud,
// inverted, offset, resampled or slightly fast or slow recording is heard alike.

#include "codecs/transfer/wave_reader.h"

#include <vector>

namespace tw {

//! One burst. Positions are in samples of the recording; the burst's extent is
//! measured where its envelope reaches half of its own height.
struct Burst {
    double start = 0;
    double end = 0;
    int cycles = 0;  //!< the length in carrier periods, rounded
};

struct BurstTrain {
    std::vector<Burst> bursts;
    double carrierPeriod = 0;  //!< in samples, measured from the bursts; 0 when there are none
    //! The samples visited by the walks from the envelope's peaks and the scans
    //! for zero crossings: the finder's work beyond its fixed passes.
    std::size_t samplesWalked = 0;
};

//! The bursts of a recording in time order, each a stretch of its own: no two
//! overlap. The time and memory taken are linear in the recording's length,
//! whatever it holds: a few passes over all samples (centring, envelope, the
//! spans above the finding level), then walks and scans that visit no sample
//! more than seven times in all (`samplesWalked` counts them).
BurstTrain findBursts(const Recording& recording);

} // namespace tw
