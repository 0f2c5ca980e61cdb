#pragma once
// Reading a recording of the transfer signal from a RIFF/WAVE file: integer PCM
// of 8, 16, 24 or 32 bits or 32-bit float, mono or stereo, 8000 samples per
// second or more. Chunks other than "fmt " and "data" are skipped.

#include <QIODevice>
#include <QString>
#include <expected>
#include <vector>

namespace tw {

//! A mono recording, full scale at -1 and 1.
struct Recording {
    double sampleRate = 0;
    std::vector<float> samples;
};

inline constexpr int kMinRecordingRate = 8000;

//! Longest recording read, in sample frames (almost six minutes at 48000 per second):
//! a transfer takes seconds, and the whole recording is held in memory.
inline constexpr qint64 kMaxRecordingFrames = qint64(1) << 24;

//! The recording in `device`; a stereo recording is mixed to mono. Float samples
//! beyond full scale are clipped to it and those that are no number read as 0.
//! The error is a sentence that says what is wrong with the file.
std::expected<Recording, QString> readWaveFile(QIODevice& device);

} // namespace tw
