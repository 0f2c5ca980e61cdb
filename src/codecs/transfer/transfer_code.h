#pragma once
// The message the Chimebox receives: one 8-bit word per note or rest row
// (a 5-bit pitch code, then a 3-bit length code), the tables of those codes,
// and the encoding of a score into the table of words that is sent.

#include "codecs/score/tables.h"

#include <QString>
#include <array>
#include <cstdint>
#include <expected>
#include <span>
#include <vector>

namespace tw {

//! One encoded row: the 5-bit pitch code in the highest bits, then the 3-bit length code;
//! the highest bit is sent first.
using RowWord = std::uint8_t;

//! The words of a send, first index the encoded-row number.
using SendBitTable = std::vector<RowWord>;

inline constexpr int kMaxSendRows = 127;  //!< one transfer carries rows 1 to 127 at most
inline constexpr int kPitchCodeBits = 5;
inline constexpr int kLengthCodeBits = 3;
inline constexpr int kWordBits = kPitchCodeBits + kLengthCodeBits;

//! Pitch codes by key 5 to 29; keys below 5 have none. They rise with the key and skip the
//! value after each B and after each E.
inline constexpr std::array<std::uint8_t, 30> PitchCodes{
    0, 0, 0, 0, 0,
    0b00010, 0b00011, 0b00100, 0b00101, 0b00110, 0b00111, 0b01000,
    0b01010, 0b01011, 0b01100, 0b01101, 0b01110, 0b10000, 0b10001, 0b10010, 0b10011,
    0b10100, 0b10101, 0b10110,
    0b11000, 0b11001, 0b11010, 0b11011, 0b11100, 0b11110};

//! The pitch code of every rest.
inline constexpr std::uint8_t RestPitchCode = 0b00001;

//! Length codes by note length index.
inline constexpr std::array<std::uint8_t, kLengthCount> LengthCodes{
    0b001, 0b111, 0b110, 0b101, 0b100, 0b011, 0b010, 0b000};

//! Length codes by rest index: a rest sends the code of the note of equal duration.
inline constexpr std::array<std::uint8_t, kRestCount> RestLengthCodes{0b001, 0b111, 0b101, 0b011, 0b000};

//! Bit `position` of a code of `width` bits, counted in sending order (0 is sent first).
inline constexpr bool sentBit(unsigned code, int width, int position)
{
    return (code >> (width - 1 - position)) & 1U;
}

//! A code as the "0" and "1" of its bits in sending order, for messages that name one.
QString bitText(unsigned code, int width);

//! A row code that cannot be sent.
struct InvalidData {
    RowCode code;
    friend bool operator==(const InvalidData&, const InvalidData&) = default;
};

//! `SendBits` with `SendRowCount`: the words of one send, rows 0 to SendRowCount - 1.
struct SendTable {
    SendBitTable SendBits;
    int SendRowCount = 0;
    friend bool operator==(const SendTable&, const SendTable&) = default;
};

//! The validity test: a key outside 5..29 that is not the rest key 99 makes the code invalid.
//! The length index is not examined here.
bool isValidRowCode(RowCode code);

//! The word of a row code. Besides the validity test, a length index outside the
//! table of its kind is invalid too: the pending code 999 would otherwise be sent
//! with a length the chip does not know.
std::expected<RowWord, InvalidData> rowWord(RowCode code);

//! Writes the word of `code` as encoded row `sendRow` of `bits` (growing it when needed);
//! an invalid code writes nothing.
std::expected<void, InvalidData> EncodeRow(RowCode code, int sendRow, SendBitTable& bits);

//! The melody encoding of the score rows (row 1 first): rows 1 to 127 at most, empty
//! rows skipped. The first invalid row ends the encoding.
std::expected<SendTable, InvalidData> EncodeMelody(std::span<const RowCode> rows);

//! Whether the send has to tell the user that only rows 1 to 127 are sent.
inline constexpr bool exceedsSendLimit(qsizetype rowCount) { return rowCount > kMaxSendRows; }

//! The tempo's transfer code as the tempo list's item data writes it: its decimal digits, at
//! least three, each "1" a 1 bit and any other digit a 0 bit (11 gives 011).
QString TempoCode(int tempoItemData);

//! The eight bits of the tempo frame, highest sent first: five 1 bits, then the three bits
//! the first three digits of the tempo code stand for.
std::uint8_t tempoFrameWord(int tempoItemData);

} // namespace tw
