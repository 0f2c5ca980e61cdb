// The WAV reader and the transfer decoder on any bytes: the reader gives finite samples within
// full scale or says why not; the burst finder's bursts are distinct stretches of the recording
// in time order, found with work linear in its length; a decoded message holds only rows that
// can be sent and a tempo of the list, and a refusal says why.

#include "fuzz_check.h"

#include "codecs/transfer/burst_finder.h"
#include "codecs/transfer/transfer_code.h"
#include "codecs/transfer/transfer_decoder.h"
#include "codecs/transfer/wave_reader.h"

#include <QBuffer>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// What burst_finder.h promises for the walks and scans beyond its fixed passes.
constexpr std::size_t kMostVisitsPerSample = 7;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tw;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const auto recording = readWaveFile(buffer);
    if (!recording) {
        TW_FUZZ_CHECK(!recording.error().isEmpty());
        return 0;
    }
    TW_FUZZ_CHECK(recording->sampleRate >= kMinRecordingRate);
    TW_FUZZ_CHECK(qint64(recording->samples.size()) <= kMaxRecordingFrames);
    for (const float x : recording->samples)
        TW_FUZZ_CHECK(std::isfinite(x) && x >= -1.0f && x <= 1.0f);

    const BurstTrain train = findBursts(*recording);
    const auto length = double(recording->samples.size());
    TW_FUZZ_CHECK(train.samplesWalked <= kMostVisitsPerSample * recording->samples.size());
    for (std::size_t i = 0; i < train.bursts.size(); ++i) {
        const Burst& burst = train.bursts[i];
        TW_FUZZ_CHECK(burst.start >= 0 && burst.start < burst.end && burst.end <= length);
        TW_FUZZ_CHECK(burst.cycles >= 0);
        if (i > 0)
            TW_FUZZ_CHECK(train.bursts[i - 1].end < burst.start);
    }
    TW_FUZZ_CHECK(train.bursts.empty() || train.carrierPeriod > 0);

    const auto decoded = decodeTransfer(*recording);
    if (!decoded) {
        TW_FUZZ_CHECK(!decoded.error().reason.isEmpty());
        return 0;
    }
    TW_FUZZ_CHECK(!tempoTextOf(decoded->tempoItemData).isEmpty());
    for (const RowCode code : decoded->rows)
        TW_FUZZ_CHECK(code != kEmptyRow && rowWord(code).has_value());
    return 0;
}
