#include "codecs/transfer/wave_reader.h"

#include "codecs/transfer/wave_header.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace tw {
namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr qint64 kReadBlock = 1 << 20;

using Format = WaveFormat;

QString textOf(WaveHeaderFault fault)
{
    switch (fault) {
    case WaveHeaderFault::NotRiffWave: return QStringLiteral("not a RIFF/WAVE file");
    case WaveHeaderFault::FormatTooShort: return QStringLiteral("the format chunk is too short");
    case WaveHeaderFault::FormatTooLong: return QStringLiteral("the format chunk is too long");
    case WaveHeaderFault::EndsInChunk: return QStringLiteral("the file ends in the middle of a chunk");
    case WaveHeaderFault::NoFormat: return QStringLiteral("the file has no format chunk");
    case WaveHeaderFault::NoData: return QStringLiteral("the file has no data chunk");
    case WaveHeaderFault::DataBeforeFormat: return QStringLiteral("the data chunk comes before the format chunk");
    case WaveHeaderFault::FormatRefused: break;
    }
    return {};
}

std::expected<void, QString> checkFormat(const Format& format)
{
    const bool pcm = format.tag == kFormatPcm
        && (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32);
    const bool floating = format.tag == kFormatFloat && format.bits == 32;
    if (!pcm && !floating)
        return std::unexpected(QStringLiteral("unsupported sample format (format %1, %2 bits): "
                                              "integer PCM of 8, 16, 24 or 32 bits or 32-bit "
                                              "float is needed").arg(format.tag).arg(format.bits));
    if (format.channels != 1 && format.channels != 2)
        return std::unexpected(
            QStringLiteral("%1 channels: a mono or stereo recording is needed").arg(format.channels));
    if (format.rate < quint32(kMinRecordingRate))
        return std::unexpected(QStringLiteral("%1 samples per second: at least %2 are needed")
                                   .arg(format.rate).arg(kMinRecordingRate));
    if (format.blockAlign != format.channels * format.bits / 8)
        return std::unexpected(QStringLiteral("the block size %1 does not fit %2 channels of %3 bits")
                                   .arg(format.blockAlign).arg(format.channels).arg(format.bits));
    return {};
}

// A sample at full scale from -1 to 1. Integer formats cannot leave that range;
// a float sample beyond it is clipped there, as a sound card would play it, and
// one that is no number is silence, so the mix of the channels stays in range.
float sampleAt(const char* p, const Format& format)
{
    switch (format.bits) {
    case 8:
        return (float(quint8(*p)) - 128.0f) / 128.0f;
    case 16:
        return float(qFromLittleEndian<qint16>(p)) / 32768.0f;
    case 24: {
        // Shifted into the top of a 32-bit word so the sign comes along.
        const auto word = qint32(quint32(quint8(p[0])) << 8 | quint32(quint8(p[1])) << 16
                                 | quint32(quint8(p[2])) << 24);
        return float(word) / 2147483648.0f;
    }
    default:
        if (format.tag == kFormatFloat) {
            float value;
            std::memcpy(&value, p, sizeof value);
            value = qFromLittleEndian(value);
            return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
        }
        return float(qFromLittleEndian<qint32>(p)) / 2147483648.0f;
    }
}

std::expected<std::vector<float>, QString> readSamples(QIODevice& device, qint64 dataSize,
                                                       const Format& format)
{
    std::vector<float> samples;
    const qint64 blockBytes = kReadBlock - kReadBlock % format.blockAlign;
    const int sampleBytes = format.bits / 8;
    qint64 remaining = dataSize - dataSize % format.blockAlign;
    while (remaining > 0) {
        // A recorder that was stopped abruptly leaves a data size larger than
        // what it wrote: what is there is read.
        const QByteArray block = device.read(std::min(remaining, blockBytes));
        if (block.isEmpty()) {
            if (!device.atEnd())
                return std::unexpected(QStringLiteral("read error: %1").arg(device.errorString()));
            break;
        }
        const qint64 frames = block.size() / format.blockAlign;
        if (qint64(samples.size()) + frames > kMaxRecordingFrames)
            return std::unexpected(QStringLiteral("the recording is longer than %1 samples")
                                       .arg(kMaxRecordingFrames));
        for (qint64 frame = 0; frame < frames; ++frame) {
            const char* p = block.constData() + frame * format.blockAlign;
            double sum = 0;
            for (int channel = 0; channel < format.channels; ++channel)
                sum += sampleAt(p + channel * sampleBytes, format);
            samples.push_back(float(sum / format.channels));
        }
        remaining -= block.size();
    }
    return samples;
}

} // namespace

std::expected<Recording, QString> readWaveFile(QIODevice& device)
{
    const auto header =
        readWaveHeader(device, [](const WaveFormat& format) { return checkFormat(format).has_value(); });
    if (!header) {
        if (header.error().fault == WaveHeaderFault::FormatRefused)
            return std::unexpected(checkFormat(header.error().format).error());
        return std::unexpected(textOf(header.error().fault));
    }
    auto samples = readSamples(device, header->dataSize, header->format);
    if (!samples)
        return std::unexpected(samples.error());
    return Recording{double(header->format.rate), std::move(*samples)};
}

} // namespace tw
