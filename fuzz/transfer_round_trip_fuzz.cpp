// The round trip of a send: score rows and a tempo, encoded, rendered as the transfer WAV,
// read back and decoded, give the rows sent and the tempo. The first byte picks the tempo;
// each further byte is a score row: a note or rest the chip knows, an empty row, or a code
// that cannot be sent, with which the encoding must stop.

#include "fuzz_check.h"

#include "codecs/transfer/transfer_code.h"
#include "codecs/transfer/transfer_decoder.h"
#include "codecs/transfer/wave_file.h"
#include "codecs/transfer/wave_reader.h"

#include <QBuffer>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using tw::RowCode;

constexpr int kNoteCodes = (tw::kLastKey - tw::kFirstKey + 1) * tw::kLengthCount;  // 200

// Codes a score can hold or a caller can hand in that no transfer carries: the pending row,
// keys below and above the chip's, rests and a note of lengths the chip does not know.
constexpr std::array<RowCode, 8> kUnsendable{tw::kPendingRow, 3, 40, 300, 357, 995, 998, 299};

constexpr std::uint8_t kFirstEmpty = kNoteCodes + tw::kRestCount;  // 205
constexpr std::uint8_t kUnsendableByte = 255;  // rare, so that most sends get through

// The score row of byte `byte` at row `index`.
RowCode rowCodeOf(std::uint8_t byte, std::size_t index)
{
    if (byte < kNoteCodes)
        return RowCode((tw::kFirstKey + byte / tw::kLengthCount) * 10 + byte % tw::kLengthCount);
    if (byte < kFirstEmpty)
        return RowCode(tw::kRestBase + (byte - kNoteCodes));
    if (byte < kUnsendableByte)
        return tw::kEmptyRow;
    return kUnsendable[index % kUnsendable.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    if (size == 0)
        return 0;
    const int tempo = TempoItems[data[0] % TempoItems.size()].itemData;
    std::vector<RowCode> rows;
    for (std::size_t i = 1; i < size; ++i)
        rows.push_back(rowCodeOf(data[i], i));

    // What the send must carry: the non-empty rows among the first 127, unless one of those
    // cannot be sent.
    std::vector<RowCode> sent;
    std::optional<RowCode> unsendable;
    for (std::size_t i = 0; i < rows.size() && i < std::size_t(kMaxSendRows) && !unsendable; ++i) {
        if (rows[i] == kEmptyRow)
            continue;
        const bool sendable = data[i + 1] != kUnsendableByte;
        TW_FUZZ_CHECK(rowWord(rows[i]).has_value() == sendable);
        if (sendable)
            sent.push_back(rows[i]);
        else
            unsendable = rows[i];
    }

    const auto table = EncodeMelody(rows);
    if (unsendable) {
        TW_FUZZ_CHECK(!table && table.error() == InvalidData{*unsendable});
        return 0;
    }
    TW_FUZZ_CHECK(table.has_value());
    TW_FUZZ_CHECK(table->SendRowCount == int(sent.size()));
    TW_FUZZ_CHECK(table->SendBits.size() == sent.size());

    QBuffer file;
    file.open(QIODevice::ReadWrite);
    TW_FUZZ_CHECK(writeTransferWave(file, *table, tempo).has_value());
    const QByteArray bytes = file.data();
    TW_FUZZ_CHECK(bytes.size() == kWaveHeaderSize + qsizetype(transferSamples(*table, tempo).size()));

    file.seek(0);
    const auto recording = readWaveFile(file);
    TW_FUZZ_CHECK(recording.has_value());
    TW_FUZZ_CHECK(recording->sampleRate == kTransferRate);
    const auto decoded = decodeTransfer(*recording);
    TW_FUZZ_CHECK(decoded.has_value());
    TW_FUZZ_CHECK(decoded->rows == sent);
    TW_FUZZ_CHECK(decoded->tempoItemData == tempo);
    return 0;
}
