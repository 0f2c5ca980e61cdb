#include "codecs/transfer/playable_wave.h"

#include <QtEndian>
#include <optional>

namespace tw {
namespace {

struct Format {
    quint16 audioFormat = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bitsPerSample = 0;
};

constexpr quint16 kIntegerPcm = 1;

quint16 le16(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::expected<void, QString> checkFormat(const Format& f)
{
    if (f.audioFormat != kIntegerPcm)
        return std::unexpected(QStringLiteral("it is not integer PCM (format %1)").arg(f.audioFormat));
    if (f.channels != 1)
        return std::unexpected(QStringLiteral("it has %1 channels, not one").arg(f.channels));
    if (f.bitsPerSample != 8)
        return std::unexpected(QStringLiteral("it has %1 bits a sample, not 8").arg(f.bitsPerSample));
    if (f.sampleRate == 0 || f.sampleRate > kMaxPlayableRate)
        return std::unexpected(QStringLiteral("its rate of %1 samples a second cannot be played").arg(f.sampleRate));
    return {};
}

} // namespace

std::expected<PlayableWave, QString> readPlayableWave(QIODevice& device)
{
    const QByteArray bytes = device.readAll();
    const qint64 size = bytes.size();
    if (size < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::unexpected(QStringLiteral("it is not a RIFF/WAVE file"));

    std::optional<Format> format;
    std::optional<QByteArray> samples;
    for (qint64 at = 12; at + 8 <= size;) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 chunkSize = le32(bytes, at + 4);
        const qint64 body = at + 8;
        if (id == "fmt ") {
            if (chunkSize < 16 || body + 16 > size)
                return std::unexpected(QStringLiteral("its format chunk is cut short"));
            format = Format{le16(bytes, body), le16(bytes, body + 2), le32(bytes, body + 4), le16(bytes, body + 14)};
        } else if (id == "data") {
            if (body + chunkSize > size)
                return std::unexpected(QStringLiteral("it is cut short: its header promises %1 samples, it holds %2")
                                           .arg(chunkSize)
                                           .arg(size - body));
            samples = bytes.mid(body, chunkSize);
        }
        // Chunks are padded to an even length.
        at = body + chunkSize + (chunkSize & 1);
    }

    if (!format)
        return std::unexpected(QStringLiteral("it has no format chunk"));
    if (auto valid = checkFormat(*format); !valid)
        return std::unexpected(valid.error());
    if (!samples)
        return std::unexpected(QStringLiteral("it has no data chunk"));
    if (samples->isEmpty())
        return std::unexpected(QStringLiteral("it holds no samples"));
    return PlayableWave{format->sampleRate, *samples};
}

} // namespace tw
