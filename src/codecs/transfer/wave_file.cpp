#include "codecs/transfer/wave_file.h"

#include "codecs/transfer/symbols.h"

#include <QFileDevice>
#include <QtEndian>
#include <cerrno>
#include <cmath>

namespace tw {
namespace {

// One period of the 2 kHz carrier at 24000 samples per second.
constexpr std::array<char, 12> kBaseCycle{char(192), char(255), char(255), char(255),
                                          char(255), char(192), char(64),  char(0),
                                          char(0),   char(0),   char(0),   char(64)};
constexpr char kSilence = char(128);

// Silences, in samples.
constexpr int kLeadIn = 1200;
constexpr int kGap = 25;
constexpr int kRowPause = 144;
constexpr int kEndPause = 168;
constexpr int kLeadOut = 1200;

class SampleStream {
public:
    explicit SampleStream(QByteArray& out) : out_(out) {}

    void silence(int samples) { out_.append(samples, kSilence); }

    //! A burst and the gap that follows every burst.
    void burst(Symbol symbol)
    {
        for (int i = 0; i < cyclesOf(symbol); ++i)
            out_.append(kBaseCycle.data(), qsizetype(kBaseCycle.size()));
        silence(kGap);
    }

    void bit(bool one) { burst(one ? Symbol::One : Symbol::Zero); }

private:
    QByteArray& out_;
};

template <typename T>
QByteArray littleEndian(T value)
{
    QByteArray bytes(sizeof value, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

std::expected<void, WriteError> writeAt(QIODevice& device, qint64 offset, const QByteArray& bytes)
{
    errno = 0;
    if (!device.seek(offset) || device.write(bytes) != bytes.size())
        return std::unexpected(writeErrorOf(device));
    return {};
}

} // namespace

WaveHeader MakeWaveHeader(quint32 samplesPerSecond, quint16 channels, quint16 bitsPerSample)
{
    WaveHeader header;
    header.channels = channels;
    header.samplesPerSecond = samplesPerSecond;
    header.bytesPerSecond =
        quint32(std::lround(double(samplesPerSecond) * channels * bitsPerSample / 8.0));
    header.blockSize = quint16(std::lround(double(bitsPerSample) * channels / 8.0));
    header.bitsPerSample = bitsPerSample;
    return header;
}

QByteArray waveHeaderBytes(const WaveHeader& header)
{
    return QByteArray("RIFF") + littleEndian(header.riffSize) + QByteArray("WAVE")
        + QByteArray("fmt ") + littleEndian(quint32(16)) + littleEndian(header.audioFormat)
        + littleEndian(header.channels) + littleEndian(header.samplesPerSecond)
        + littleEndian(header.bytesPerSecond) + littleEndian(header.blockSize)
        + littleEndian(header.bitsPerSample) + QByteArray("data") + littleEndian(header.dataSize);
}

std::expected<void, WriteError> WriteWaveHeader(QIODevice& device, quint32 samplesPerSecond,
                                                quint16 channels, quint16 bitsPerSample)
{
    const auto header = MakeWaveHeader(samplesPerSecond, channels, bitsPerSample);
    if (auto written = writeAt(device, 0, waveHeaderBytes(header)); !written)
        return written;
    return flushWrites(device);
}

QByteArray transferSamples(const SendTable& table, int tempoItemData)
{
    QByteArray samples;
    SampleStream out(samples);
    out.silence(kLeadIn);

    for (int i = 0; i < kPreambleSyncs; ++i)
        out.burst(Symbol::Sync);

    for (int row = 0; row < table.SendRowCount; ++row) {
        out.burst(Symbol::RowMarker);
        const RowWord word = table.SendBits.at(std::size_t(row));
        for (int position = 0; position < kWordBits; ++position)
            out.bit(sentBit(word, kWordBits, position));
        out.silence(kRowPause);
    }

    out.burst(Symbol::RowMarker);
    for (int i = 0; i < kEndFrameBits; ++i)
        out.bit(true);
    out.silence(kEndPause);

    out.burst(Symbol::TempoMarker);
    const std::uint8_t tempo = tempoFrameWord(tempoItemData);
    for (int position = 0; position < kTempoBits; ++position)
        out.bit(sentBit(tempo, kTempoBits, position));

    out.silence(kLeadOut);
    return samples;
}

std::expected<void, WriteError> WriteWaveSamples(QIODevice& device, const SendTable& table,
                                                 int tempoItemData)
{
    const QByteArray samples = transferSamples(table, tempoItemData);
    const auto n = quint32(samples.size());
    for (const auto& [offset, bytes] : {std::pair(kWaveHeaderSize, samples),
                                        std::pair(kDataSizeOffset, littleEndian(n)),
                                        std::pair(kRiffSizeOffset, littleEndian(n + 36))})
        if (auto written = writeAt(device, offset, bytes); !written)
            return written;
    return flushWrites(device);
}

std::expected<void, WriteError> writeTransferWave(QIODevice& device, const SendTable& table,
                                                  int tempoItemData)
{
    if (auto header = WriteWaveHeader(device, kTransferRate, kTransferChannels, kTransferBits); !header)
        return header;
    return WriteWaveSamples(device, table, tempoItemData);
}

} // namespace tw
