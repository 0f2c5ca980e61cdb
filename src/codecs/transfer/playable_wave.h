#pragma once
// The transfer signal as the sound output takes it: 8-bit unsigned PCM, mono.
// Only a file in exactly that form is played, so what reaches the chip is the
// file that was written, sample for sample, never a converted or partial one.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>
#include <expected>

namespace tw {

struct PlayableWave {
    quint32 sampleRate = 0;
    QByteArray samples; //!< one unsigned byte a sample, 128 is silence
};

//! The highest rate the sound server accepts.
inline constexpr quint32 kMaxPlayableRate = 384000;

//! The samples of a RIFF/WAVE file in `device`, checked to be integer PCM, one
//! channel, 8 bits, a rate from 1 to `kMaxPlayableRate`, and as many samples
//! as the data chunk's size says (at least one). Other chunks are skipped. The
//! error is a sentence saying what is wrong.
std::expected<PlayableWave, QString> readPlayableWave(QIODevice& device);

} // namespace tw
