#include "codecs/transfer/wave_header.h"

#include <QtEndian>
#include <optional>

namespace tw {
namespace {

constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr qint64 kMaxFormatChunk = 1024;

template <typename T>
T le(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

WaveFormat formatOf(const QByteArray& body)
{
    WaveFormat format;
    format.tag = le<quint16>(body, 0);
    format.channels = le<quint16>(body, 2);
    format.rate = le<quint32>(body, 4);
    format.blockAlign = le<quint16>(body, 12);
    format.bits = le<quint16>(body, 14);
    // The extensible form names the real format in the first two bytes of its sub-format.
    if (format.tag == kFormatExtensible && body.size() >= 26)
        format.tag = le<quint16>(body, 24);
    return format;
}

} // namespace

std::expected<WaveHeader, WaveHeaderError> readWaveHeader(QIODevice& device, const FormatCheck& accepts)
{
    const QByteArray riff = device.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::unexpected(WaveHeaderError{WaveHeaderFault::NotRiffWave});

    std::optional<WaveFormat> format;
    for (;;) {
        const QByteArray chunkHeader = device.read(8);
        if (chunkHeader.size() != 8)
            return std::unexpected(WaveHeaderError{format ? WaveHeaderFault::NoData : WaveHeaderFault::NoFormat});
        const QByteArray id = chunkHeader.first(4);
        const qint64 size = le<quint32>(chunkHeader, 4);

        if (id == "data") {
            if (!format)
                return std::unexpected(WaveHeaderError{WaveHeaderFault::DataBeforeFormat});
            return WaveHeader{*format, size};
        }

        // Chunks are padded to an even size.
        const qint64 padded = size + (size & 1);
        if (id == "fmt ") {
            if (size > kMaxFormatChunk)
                return std::unexpected(WaveHeaderError{WaveHeaderFault::FormatTooLong});
            const QByteArray body = device.read(padded);
            if (body.size() != padded)
                return std::unexpected(WaveHeaderError{WaveHeaderFault::EndsInChunk});
            if (size < 16)
                return std::unexpected(WaveHeaderError{WaveHeaderFault::FormatTooShort});
            format = formatOf(body);
            if (!accepts(*format))
                return std::unexpected(WaveHeaderError{WaveHeaderFault::FormatRefused, *format});
        } else if (device.skip(padded) != padded) {
            return std::unexpected(WaveHeaderError{WaveHeaderFault::EndsInChunk});
        }
    }
}

} // namespace tw
