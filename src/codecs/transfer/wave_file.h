#pragma once
// The transfer audio: the message rendered as 2 kHz tone bursts in a mono 8-bit
// PCM WAV file. Every sample value, burst and silence length here is part of
// the protocol the chip listens to.

#include "codecs/files/write_error.h"
#include "codecs/transfer/transfer_code.h"

#include <QByteArray>
#include <QIODevice>
#include <QtGlobal>
#include <expected>

namespace tw {

inline constexpr quint32 kTransferRate = 24000;
inline constexpr quint16 kTransferChannels = 1;
inline constexpr quint16 kTransferBits = 8;

//! The 44-byte RIFF/WAVE header of a PCM file.
struct WaveHeader {
    quint32 riffSize = 0;   //!< 36 + data size once the samples are written
    quint16 audioFormat = 1;
    quint16 channels = 1;
    quint32 samplesPerSecond = 0;
    quint32 bytesPerSecond = 0;
    quint16 blockSize = 0;
    quint16 bitsPerSample = 0;
    quint32 dataSize = 0;
    friend bool operator==(const WaveHeader&, const WaveHeader&) = default;
};

inline constexpr qint64 kWaveHeaderSize = 44;
inline constexpr qint64 kRiffSizeOffset = 4;
inline constexpr qint64 kDataSizeOffset = 40;

//! A header with both size fields 0.
WaveHeader MakeWaveHeader(quint32 samplesPerSecond, quint16 channels, quint16 bitsPerSample);

//! The header's 44 bytes, little-endian.
QByteArray waveHeaderBytes(const WaveHeader& header);

//! Writes the header at offset 0 of `device`. The caller hands in a freshly
//! created, empty file: the send command replaces `temp.wav` before this.
std::expected<void, WriteError> WriteWaveHeader(QIODevice& device, quint32 samplesPerSecond,
                                                quint16 channels, quint16 bitsPerSample);

//! The sample stream of a message: lead-in, preamble, one frame per encoded row,
//! end frame, tempo frame, lead-out.
QByteArray transferSamples(const SendTable& table, int tempoItemData);

//! Writes the sample stream from offset 44 on, then the data size at offset 40 and
//! the RIFF size at offset 4. Call it after `WriteWaveHeader` on the same device.
std::expected<void, WriteError> WriteWaveSamples(QIODevice& device, const SendTable& table,
                                                 int tempoItemData);

//! The whole transfer audio file of an encoded melody: the header for 24000 samples
//! per second, mono, 8 bits, then the samples. The send command's `temp.wav` and the
//! command-line conversion are both written by this, so they are the same bytes.
std::expected<void, WriteError> writeTransferWave(QIODevice& device, const SendTable& table,
                                                  int tempoItemData);

} // namespace tw
