#pragma once
// The three short messages the editor sends, taken apart into the fields a
// synthesizer acts on. Byte 0 (the lowest) is the status with the channel in
// its low nibble, bytes 1 and 2 the data.

#include <cstdint>

namespace tw {

struct ShortMessage {
    enum class Kind { NoteOn, NoteOff, ProgramChange, Other };
    Kind kind = Kind::Other;
    int channel = 0; //!< 0 to 15; MIDI channel 1 is 0.
    int data1 = 0;   //!< Note number or program number.
    int data2 = 0;   //!< Velocity of a note on; 0 otherwise.
    friend bool operator==(const ShortMessage&, const ShortMessage&) = default;
};

//! Decodes a 32-bit short message. A note on with velocity 0 is a note off, as
//! MIDI has it; any other status is `Other` and plays nothing.
ShortMessage decodeShortMessage(std::uint32_t message);

} // namespace tw
