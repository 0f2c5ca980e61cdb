#include "codecs/transfer/playable_wave.h"

#include "codecs/transfer/wave_header.h"

namespace tw {
namespace {

constexpr quint16 kIntegerPcm = 1;

QString textOf(WaveHeaderFault fault)
{
    switch (fault) {
    case WaveHeaderFault::NotRiffWave: return QStringLiteral("it is not a RIFF/WAVE file");
    case WaveHeaderFault::FormatTooShort: return QStringLiteral("its format chunk is cut short");
    case WaveHeaderFault::FormatTooLong: return QStringLiteral("its format chunk is too long");
    case WaveHeaderFault::EndsInChunk: return QStringLiteral("it ends in the middle of a chunk");
    // The samples cannot be taken for what they are before the format says it.
    case WaveHeaderFault::NoFormat:
    case WaveHeaderFault::DataBeforeFormat: return QStringLiteral("it has no format chunk");
    case WaveHeaderFault::NoData: return QStringLiteral("it has no data chunk");
    case WaveHeaderFault::FormatRefused: break;
    }
    return {};
}

std::expected<void, QString> checkFormat(const WaveFormat& f)
{
    if (f.tag != kIntegerPcm)
        return std::unexpected(QStringLiteral("it is not integer PCM (format %1)").arg(f.tag));
    if (f.channels != 1)
        return std::unexpected(QStringLiteral("it has %1 channels, not one").arg(f.channels));
    if (f.bits != 8)
        return std::unexpected(QStringLiteral("it has %1 bits a sample, not 8").arg(f.bits));
    if (f.rate == 0 || f.rate > kMaxPlayableRate)
        return std::unexpected(QStringLiteral("its rate of %1 samples a second cannot be played").arg(f.rate));
    return {};
}

} // namespace

std::expected<PlayableWave, QString> readPlayableWave(QIODevice& device)
{
    const auto header = readWaveHeader(device, [](const WaveFormat& format) { return checkFormat(format).has_value(); });
    if (!header) {
        if (header.error().fault == WaveHeaderFault::FormatRefused)
            return std::unexpected(checkFormat(header.error().format).error());
        return std::unexpected(textOf(header.error().fault));
    }
    const QByteArray samples = device.read(header->dataSize);
    if (samples.size() < header->dataSize)
        return std::unexpected(QStringLiteral("it is cut short: its header promises %1 samples, it holds %2")
                                   .arg(header->dataSize)
                                   .arg(samples.size()));
    if (samples.isEmpty())
        return std::unexpected(QStringLiteral("it holds no samples"));
    return PlayableWave{header->format.rate, samples};
}

} // namespace tw
