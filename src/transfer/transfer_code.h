#pragma once
// The message the Chimebox receives: one 8-bit word per note or rest row
// (a 5-bit pitch code, then a 3-bit length code), the tables of those codes,
// and the encoding of a score into the table of words that is sent.

#include "score/tables.h"

#include <QString>
#include <array>
#include <expected>
#include <span>
#include <string_view>
#include <vector>

namespace tw {

//! One encoded row: bits 0 to 4 the pitch code, bits 5 to 7 the length code, in sending order.
using RowWord = std::array<bool, 8>;

//! The words of a send, first index the encoded-row number.
using SendBitTable = std::vector<RowWord>;

inline constexpr int kMaxSendRows = 127;  //!< one transfer carries rows 1 to 127 at most

// The codes are texts of "0" and "1", the leftmost character sent first.

//! Pitch codes by key 5 to 29; keys below 5 have none. Read as numbers they skip
//! the value after each B and after each E.
inline constexpr std::array<std::string_view, 30> PitchCodes{
    "", "", "", "", "",
    "00010", "00011", "00100", "00101", "00110", "00111", "01000",
    "01010", "01011", "01100", "01101", "01110", "10000", "10001", "10010", "10011",
    "10100", "10101", "10110",
    "11000", "11001", "11010", "11011", "11100", "11110"};

//! The pitch code of every rest.
inline constexpr std::string_view RestPitchCode = "00001";

//! Length codes by note length index; slot 8 is spare.
inline constexpr std::array<std::string_view, 9> LengthCodes{
    "001", "111", "110", "101", "100", "011", "010", "000", ""};

//! Length codes by rest index: a rest sends the code of the note of equal duration.
inline constexpr std::array<std::string_view, 5> RestLengthCodes{"001", "111", "101", "011", "000"};

//! The texts the send command shows about the score.
inline const QString kNoDataText = QStringLiteral("データがありません");
inline const QString kRowLimitText = QStringLiteral("127行目までのデータが送信されます。");
inline const QString kInvalidDataText = QStringLiteral("無効なデータがあります。");

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

//! The tempo's transfer code: the item data in decimal, at least three digits.
QString TempoCode(int tempoItemData);

//! The bits of the tempo frame in sending order: five 1 bits, then the tempo code.
QString tempoFrameText(int tempoItemData);

} // namespace tw
