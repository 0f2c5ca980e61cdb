#pragma once
// What the sound tests measure in a recording or a rendering: where notes start
// and end, and at what pitch they sound.

#include <cstdint>
#include <span>
#include <vector>

namespace tw::test {

inline constexpr int kSoundRate = 48000;

//! The three short messages, as the editor computes them, on channel 1.
constexpr std::uint32_t noteOnMessage(int note) { return std::uint32_t(note) * 256 + 0x90 + 127 * 65536; }
constexpr std::uint32_t noteOffMessage(int note) { return std::uint32_t(note) * 256 + 0x80; }
constexpr std::uint32_t programMessage(int program) { return std::uint32_t(program) * 256 + 0xC0; }

//! Equal temperament with A above middle C, note 69, at 440 Hz.
double midiNoteHz(int note);

struct FoundNote {
    double startMs = 0; //!< the first sample above the threshold
    double endMs = 0;   //!< just after the last sample above it
};

//! Stretches of sound rising above `threshold`, apart from each other by at
//! least `minGapMs` of samples below it (shorter dips, such as the zero
//! crossings of a tone, belong to the note).
std::vector<FoundNote> findNotes(std::span<const float> sound, float threshold, double minGapMs = 20);

//! The fundamental of a steady tone (YIN difference function); 0 when none is clear.
double fundamentalHz(std::span<const float> sound);

//! The samples from `fromMs` on, `lengthMs` long, cut to what `sound` holds.
std::span<const float> excerpt(std::span<const float> sound, double fromMs, double lengthMs);

float peakOf(std::span<const float> sound);
//! The root mean square of `sound`, full scale at 1; 0 when it is empty.
double rmsOf(std::span<const float> sound);

//! How loud `sound` is around each of its samples, in dB: the mean square over
//! a few milliseconds centred on it.
std::vector<double> loudnessDb(std::span<const float> sound);

//! By how many milliseconds `loudness` must be moved, within `searchMs` of
//! `guessMs`, to lie best over `reference`'s curve from `fromMs` to `toMs`.
//! Where a note starts and ends is the moment its loudness rises and falls: a
//! release fades slowly, so the moment a level threshold is crossed moves by
//! milliseconds when two soundings differ by a fraction of a decibel, while the
//! shape of the whole curve places it within a fraction of a millisecond.
double matchedShiftMs(std::span<const double> loudness, std::span<const double> reference, double fromMs,
                      double toMs, double guessMs, double searchMs = 8);

} // namespace tw::test
