#include "codecs/transfer/transfer_code.h"

#include <algorithm>

namespace tw {
QString bitText(unsigned code, int width)
{
    QString text;
    for (int position = 0; position < width; ++position)
        text += sentBit(code, width, position) ? u'1' : u'0';
    return text;
}

bool isValidRowCode(RowCode code)
{
    const int key = keyOf(code);
    return (key >= kFirstKey && key <= kLastKey) || key == kNoKey;
}

std::expected<RowWord, InvalidData> rowWord(RowCode code)
{
    if (!isValidRowCode(code))
        return std::unexpected(InvalidData{code});
    const int key = keyOf(code);
    const int length = lengthOf(code);
    const bool rest = key == kNoKey;
    const std::size_t lengthSlots = rest ? RestLengthCodes.size() : std::size_t(kLengthCount);
    // Codes that pass the key test are positive, so the units digit is never negative.
    if (std::size_t(length) >= lengthSlots)
        return std::unexpected(InvalidData{code});

    const unsigned pitch = rest ? RestPitchCode : PitchCodes[std::size_t(key)];
    const unsigned lengthCode = rest ? RestLengthCodes[std::size_t(length)] : LengthCodes[std::size_t(length)];
    return RowWord(pitch << kLengthCodeBits | lengthCode);
}

std::expected<void, InvalidData> EncodeRow(RowCode code, int sendRow, SendBitTable& bits)
{
    const auto word = rowWord(code);
    if (!word)
        return std::unexpected(word.error());
    if (bits.size() <= std::size_t(sendRow))
        bits.resize(std::size_t(sendRow) + 1);
    bits[std::size_t(sendRow)] = *word;
    return {};
}

std::expected<SendTable, InvalidData> EncodeMelody(std::span<const RowCode> rows)
{
    SendTable table;
    for (const RowCode code : rows.first(std::min(rows.size(), std::size_t(kMaxSendRows)))) {
        if (code == kEmptyRow)
            continue;
        if (const auto encoded = EncodeRow(code, table.SendRowCount, table.SendBits); !encoded)
            return std::unexpected(encoded.error());
        ++table.SendRowCount;
    }
    return table;
}

QString TempoCode(int tempoItemData)
{
    return QString::number(tempoItemData).rightJustified(3, u'0');
}

std::uint8_t tempoFrameWord(int tempoItemData)
{
    // The first three digits of the tempo code, each a bit: 1 where the digit is 1.
    int scale = 100;
    while (tempoItemData / scale >= 10)
        scale *= 10;
    unsigned word = 0b11111;
    for (int i = 0; i < kLengthCodeBits; ++i, scale /= 10)
        word = word << 1 | (tempoItemData / scale % 10 == 1 ? 1U : 0U);
    return std::uint8_t(word);
}

} // namespace tw
