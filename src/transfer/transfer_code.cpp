#include "transfer/transfer_code.h"

#include <algorithm>

namespace tw {
namespace {

// A "1" gives a true bit, any other character a false one.
void putCode(std::string_view code, RowWord& word, std::size_t firstBit)
{
    for (std::size_t i = 0; i < code.size(); ++i)
        word[firstBit + i] = code[i] == '1';
}

} // namespace

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

    RowWord word{};
    putCode(rest ? RestPitchCode : PitchCodes[std::size_t(key)], word, 0);
    putCode(rest ? RestLengthCodes[std::size_t(length)] : LengthCodes[std::size_t(length)], word, 5);
    return word;
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

QString tempoFrameText(int tempoItemData)
{
    return QStringLiteral("11111") + TempoCode(tempoItemData);
}

} // namespace tw
