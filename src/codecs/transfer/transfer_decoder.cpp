#include "codecs/transfer/transfer_decoder.h"

#include "codecs/transfer/burst_finder.h"
#include "codecs/transfer/symbols.h"
#include "codecs/transfer/transfer_code.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tw {
namespace {

// The chip's tolerance is not known; a speed error of a few percent must pass,
// another tone must not.
constexpr double kCarrierTolerance = 0.1;

bool is(const Burst& burst, Symbol symbol) { return burst.cycles == cyclesOf(symbol); }

bool isBit(const Burst& burst) { return is(burst, Symbol::One) || is(burst, Symbol::Zero); }

//! The bits heard, in sending order, as one code: the first bit heard is the highest.
unsigned codeOf(const std::vector<bool>& bits)
{
    unsigned code = 0;
    for (const bool bit : bits)
        code = code << 1 | (bit ? 1U : 0U);
    return code;
}

//! The index of `code` among the slots `first` on of a table of codes; -1 when none holds it.
template <std::size_t N>
int indexOfCode(const std::array<std::uint8_t, N>& codes, unsigned code, std::size_t first = 0)
{
    for (std::size_t i = first; i < N; ++i)
        if (codes[i] == code)
            return int(i);
    return -1;
}

std::unexpected<DecodeFailure> failure(DecodeProblem problem, const QString& reason)
{
    return std::unexpected(DecodeFailure{problem, reason});
}

// Seven 1 bits. No row frame can pass for it: a row frame has eight bits, and
// no pitch code is 11111.
bool isEndFrame(const std::vector<bool>& bits)
{
    return bits.size() == std::size_t(kEndFrameBits) && std::ranges::all_of(bits, std::identity());
}

std::expected<RowCode, DecodeFailure> rowCodeOf(unsigned word, int frame)
{
    const unsigned pitch = word >> kLengthCodeBits;
    const unsigned length = word & ((1U << kLengthCodeBits) - 1);
    const bool rest = pitch == RestPitchCode;
    // Keys below the keyboard have no pitch code of their own.
    const int key = rest ? kNoKey : indexOfCode(PitchCodes, pitch, std::size_t(kFirstKey));
    if (key < 0)
        return failure(DecodeProblem::UnknownPitchCode,
                       QStringLiteral("row frame %1 carries the unknown pitch code %2")
                           .arg(frame).arg(bitText(pitch, kPitchCodeBits)));
    const int index = rest ? indexOfCode(RestLengthCodes, length) : indexOfCode(LengthCodes, length);
    if (index < 0)
        return failure(DecodeProblem::UnknownLengthCode,
                       QStringLiteral("row frame %1 carries the length code %2, which no %3 has")
                           .arg(frame)
                           .arg(bitText(length, kLengthCodeBits), rest ? QStringLiteral("rest") : QStringLiteral("note")));
    return noteCode(key, index);
}

// Reads the symbols in the order of the message: preamble, row frames, end frame, tempo frame.
class MessageReader {
public:
    MessageReader(BurstTrain train, double sampleRate)
        : bursts_(std::move(train.bursts)), carrierHz_(sampleRate / train.carrierPeriod) {}

    std::expected<DecodedTransfer, DecodeFailure> read()
    {
        if (!skipPreamble())
            return failure(DecodeProblem::NoPreamble,
                           bursts_.empty()
                               ? QStringLiteral("no preamble: the recording holds no tone bursts")
                               : QStringLiteral("no preamble: no three sync markers in a row among "
                                                "%1 tone bursts").arg(bursts_.size()));
        // Checked once the preamble is found, so that noise is told to have no preamble.
        if (std::abs(carrierHz_ / kCarrierHz - 1) > kCarrierTolerance)
            return failure(DecodeProblem::WrongCarrier,
                           QStringLiteral("the tone bursts are at %1 Hz, not 2000 Hz")
                               .arg(std::lround(carrierHz_)));

        DecodedTransfer message;
        for (;;) {
            const auto frame = readRowFrame(int(message.rows.size()));
            if (!frame)
                return std::unexpected(frame.error());
            if (!*frame)
                break;  // the end frame
            message.rows.push_back(**frame);
        }
        const auto tempo = readTempoFrame();
        if (!tempo)
            return std::unexpected(tempo.error());
        message.tempoItemData = *tempo;
        return message;
    }

private:
    bool atEnd() const { return next_ >= bursts_.size(); }

    // Moves past the first run of sync markers long enough to be the preamble.
    bool skipPreamble()
    {
        int run = 0;
        for (; !atEnd(); ++next_) {
            if (is(bursts_[next_], Symbol::Sync))
                ++run;
            else if (run >= kPreambleSyncs)
                return true;
            else
                run = 0;
        }
        return run >= kPreambleSyncs;
    }

    std::vector<bool> readBits()
    {
        std::vector<bool> bits;
        for (; !atEnd() && isBit(bursts_[next_]); ++next_)
            bits.push_back(is(bursts_[next_], Symbol::One));
        return bits;
    }

    // The row code of the frame after `framesRead` row frames; nothing for the end frame.
    std::expected<std::optional<RowCode>, DecodeFailure> readRowFrame(int framesRead)
    {
        const QString previous = framesRead == 0 ? QStringLiteral("the preamble")
                                                 : QStringLiteral("row frame %1").arg(framesRead);
        if (atEnd())
            return failure(DecodeProblem::NoTempoFrame,
                           QStringLiteral("the signal ends after %1, before the end frame").arg(previous));
        const Burst& marker = bursts_[next_++];
        if (is(marker, Symbol::TempoMarker))
            return failure(DecodeProblem::NoEndFrame,
                           QStringLiteral("a tempo frame comes after %1, without an end frame").arg(previous));
        if (!is(marker, Symbol::RowMarker))
            return failure(DecodeProblem::UnexpectedSymbol,
                           QStringLiteral("a burst of %1 carrier cycles after %2, where a row marker "
                                          "belongs").arg(marker.cycles).arg(previous));

        const std::vector<bool> bits = readBits();
        if (isEndFrame(bits))
            return std::nullopt;
        if (atEnd() && bits.size() < std::size_t(kRowBits))
            return failure(DecodeProblem::NoTempoFrame,
                           QStringLiteral("the signal ends within the frame that follows %1").arg(previous));
        const int frame = framesRead + 1;
        if (bits.size() != std::size_t(kRowBits))
            return failure(DecodeProblem::WrongBitCount,
                           QStringLiteral("row frame %1 has %2 bits instead of %3")
                               .arg(frame).arg(bits.size()).arg(kRowBits));
        return rowCodeOf(codeOf(bits), frame);
    }

    std::expected<int, DecodeFailure> readTempoFrame()
    {
        if (atEnd())
            return failure(DecodeProblem::NoTempoFrame,
                           QStringLiteral("the signal ends after the end frame, without a tempo frame"));
        const Burst& marker = bursts_[next_++];
        if (!is(marker, Symbol::TempoMarker))
            return failure(DecodeProblem::NoTempoFrame,
                           QStringLiteral("a burst of %1 carrier cycles follows the end frame where "
                                          "the tempo marker belongs").arg(marker.cycles));
        const std::vector<bool> bits = readBits();
        if (atEnd() && bits.size() < std::size_t(kTempoBits))
            return failure(DecodeProblem::NoTempoFrame,
                           QStringLiteral("the signal ends within the tempo frame"));
        if (bits.size() != std::size_t(kTempoBits))
            return failure(DecodeProblem::WrongBitCount,
                           QStringLiteral("the tempo frame has %1 bits instead of %2")
                               .arg(bits.size()).arg(kTempoBits));
        const unsigned word = codeOf(bits);
        for (const TempoItem& item : TempoItems)
            if (word == tempoFrameWord(item.itemData))
                return item.itemData;
        return failure(DecodeProblem::UnknownTempoCode,
                       QStringLiteral("the tempo frame carries the unknown bits %1").arg(bitText(word, kTempoBits)));
    }

    std::vector<Burst> bursts_;
    double carrierHz_;
    std::size_t next_ = 0;
};

} // namespace

std::expected<DecodedTransfer, DecodeFailure> decodeTransfer(const Recording& recording)
{
    return MessageReader(findBursts(recording), recording.sampleRate).read();
}

QString tempoTextOf(int tempoItemData)
{
    for (const TempoItem& item : TempoItems)
        if (item.itemData == tempoItemData)
            return text(item.text);
    return {};
}

} // namespace tw
