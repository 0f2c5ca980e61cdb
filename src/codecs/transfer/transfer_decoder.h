#pragma once
// Decoding a recording of the transfer signal as the chip hears it: the row
// codes of the row frames and the tempo of the tempo frame, or why the
// recording does not carry a whole message.

#include "codecs/score/tables.h"
#include "codecs/transfer/wave_reader.h"

#include <QString>
#include <expected>
#include <vector>

namespace tw {

struct DecodedTransfer {
    std::vector<RowCode> rows;  //!< one per row frame, in order
    int tempoItemData = 0;      //!< the tempo list's item data (11, 100, 101, 110 or 111)
    friend bool operator==(const DecodedTransfer&, const DecodedTransfer&) = default;
};

enum class DecodeProblem {
    NoPreamble,         //!< no three sync markers in a row
    WrongCarrier,       //!< the bursts are not near 2 kHz
    UnexpectedSymbol,   //!< a burst where a frame marker belongs, or one of no symbol's length
    WrongBitCount,      //!< a frame with too few or too many bits
    UnknownPitchCode,
    UnknownLengthCode,
    NoEndFrame,         //!< the tempo frame came before the end frame
    NoTempoFrame,       //!< the signal ends, or goes on with something else, after the end frame
    UnknownTempoCode,
};

struct DecodeFailure {
    DecodeProblem problem;
    QString reason;  //!< one sentence, saying where in the message it went wrong
};

//! The message in a recording; what follows its tempo frame is not examined.
std::expected<DecodedTransfer, DecodeFailure> decodeTransfer(const Recording& recording);

//! The tempo's text ("60" to "180") for its item data; empty for none.
QString tempoTextOf(int tempoItemData);

} // namespace tw
