#pragma once
// The symbols of the transfer message and their tone bursts. The writer renders
// them and the decoder hears them by the same numbers of carrier cycles.

namespace tw {

//! A symbol, valued by the number of carrier cycles of its burst.
enum class Symbol : int { One = 1, Zero = 2, RowMarker = 3, TempoMarker = 4, Sync = 5 };

inline constexpr int cyclesOf(Symbol symbol) { return int(symbol); }

inline constexpr double kCarrierHz = 2000;
inline constexpr int kPreambleSyncs = 3;  //!< sync markers in front of the first frame
inline constexpr int kRowBits = 8;        //!< bits of a row frame
inline constexpr int kEndFrameBits = 7;   //!< bits of the end frame, all 1
inline constexpr int kTempoBits = 8;      //!< bits of the tempo frame: 11111, then the tempo code

} // namespace tw
