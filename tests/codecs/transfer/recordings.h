#pragma once
// Recordings for the reader and decoder tests: WAV files of any sample format
// written from float samples, and the changes a transfer signal goes through
// between a sound card and a microphone.

#include "codecs/transfer/wave_reader.h"

#include <QByteArray>

namespace tw::test {

struct SampleFormat {
    int bits = 16;
    bool floating = false;
    int channels = 1;
};

//! A WAV file of the recording; integer samples are rounded and clipped to their range.
//! A stereo file carries the recording in both channels.
QByteArray waveFileOf(const Recording& recording, SampleFormat format);

//! The recording read back from a WAV file (fails the test when it cannot be read).
Recording recordingOf(const QByteArray& waveFile);

//! Band-limited resampling to `rate`, played `speed` times as fast (1.03 is 3 % fast).
Recording resampled(const Recording& recording, double rate, double speed = 1.0);

Recording withGain(Recording recording, double decibels);
Recording withOffset(Recording recording, double offset);
//! White noise `decibels` below the signal's bursts (their RMS level); a fixed seed.
Recording withNoise(Recording recording, double decibels);
//! White noise of the RMS level `level` (full scale is 1); a fixed seed.
Recording withNoiseAt(Recording recording, double level);
//! Silence of `before` and `after` seconds added at the ends.
Recording padded(Recording recording, double before, double after);
//! The level rising from nothing to full over the first `seconds`.
Recording fadedIn(Recording recording, double seconds);
//! Samples cut out from `first` on, `count` of them.
Recording without(Recording recording, qsizetype first, qsizetype count);
//! The first `count` samples.
Recording truncated(Recording recording, qsizetype count);

} // namespace tw::test
