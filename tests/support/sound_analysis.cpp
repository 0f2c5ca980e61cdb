#include "support/sound_analysis.h"

#include <algorithm>
#include <cmath>

namespace tw::test {

double midiNoteHz(int note)
{
    return 440.0 * std::exp2((note - 69) / 12.0);
}

std::vector<FoundNote> findNotes(std::span<const float> sound, float threshold, double minGapMs)
{
    const auto minGap = std::size_t(minGapMs * kSoundRate / 1000);
    std::vector<FoundNote> notes;
    std::size_t start = 0;
    std::size_t lastLoud = 0;
    bool inNote = false;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        if (std::abs(sound[i]) <= threshold)
            continue;
        if (inNote && i - lastLoud > minGap) {
            notes.push_back({start * 1000.0 / kSoundRate, (lastLoud + 1) * 1000.0 / kSoundRate});
            inNote = false;
        }
        if (!inNote) {
            start = i;
            inNote = true;
        }
        lastLoud = i;
    }
    if (inNote)
        notes.push_back({start * 1000.0 / kSoundRate, (lastLoud + 1) * 1000.0 / kSoundRate});
    return notes;
}

double fundamentalHz(std::span<const float> sound)
{
    // Periods from 2000 Hz down to 50 Hz, compared over the rest of the excerpt.
    const std::size_t minLag = kSoundRate / 2000;
    const std::size_t maxLag = kSoundRate / 50;
    if (sound.size() < 2 * maxLag)
        return 0;
    const std::size_t window = sound.size() - maxLag;
    std::vector<double> normalized(maxLag + 1, 1.0);
    double runningSum = 0;
    for (std::size_t lag = 1; lag <= maxLag; ++lag) {
        double difference = 0;
        for (std::size_t i = 0; i < window; ++i) {
            const double d = sound[i] - sound[i + lag];
            difference += d * d;
        }
        runningSum += difference;
        normalized[lag] = runningSum > 0 ? difference * lag / runningSum : 1.0;
    }
    // The first clear dip is the period; later dips are its multiples.
    constexpr double kClearDip = 0.15;
    for (std::size_t lag = minLag; lag < maxLag; ++lag) {
        if (normalized[lag] >= kClearDip)
            continue;
        while (lag + 1 < maxLag && normalized[lag + 1] < normalized[lag])
            ++lag;
        const double before = normalized[lag - 1], at = normalized[lag], after = normalized[lag + 1];
        const double curve = before - 2 * at + after;
        const double shift = curve > 0 ? 0.5 * (before - after) / curve : 0;
        return kSoundRate / (lag + shift);
    }
    return 0;
}

std::span<const float> excerpt(std::span<const float> sound, double fromMs, double lengthMs)
{
    const auto from = std::min(sound.size(), std::size_t(std::max(0.0, fromMs) * kSoundRate / 1000));
    const auto length = std::min(sound.size() - from, std::size_t(lengthMs * kSoundRate / 1000));
    return sound.subspan(from, length);
}

float peakOf(std::span<const float> sound)
{
    float peak = 0;
    for (float x : sound)
        peak = std::max(peak, std::abs(x));
    return peak;
}

double rmsOf(std::span<const float> sound)
{
    double sum = 0;
    for (float x : sound)
        sum += double(x) * x;
    return sound.empty() ? 0 : std::sqrt(sum / double(sound.size()));
}

std::vector<double> loudnessDb(std::span<const float> sound)
{
    // Four milliseconds hold a few cycles of the lowest note, so the curve
    // follows the envelope rather than the waveform.
    constexpr std::size_t kHalfWindow = 2 * kSoundRate / 1000;
    constexpr double kSilenceDb = -60;
    std::vector<double> energy(sound.size() + 1, 0.0);
    for (std::size_t i = 0; i < sound.size(); ++i)
        energy[i + 1] = energy[i] + double(sound[i]) * sound[i];
    std::vector<double> loudness(sound.size());
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const std::size_t from = i - std::min(i, kHalfWindow), to = std::min(sound.size(), i + kHalfWindow);
        const double meanSquare = (energy[to] - energy[from]) / double(2 * kHalfWindow);
        loudness[i] = std::max(kSilenceDb, 10 * std::log10(meanSquare + 1e-30));
    }
    return loudness;
}

double matchedShiftMs(std::span<const double> loudness, std::span<const double> reference, double fromMs,
                      double toMs, double guessMs, double searchMs)
{
    const auto sampleAt = [](double ms) { return std::ptrdiff_t(std::lround(ms * kSoundRate / 1000)); };
    const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, sampleAt(fromMs));
    const std::ptrdiff_t to = std::min<std::ptrdiff_t>(std::ssize(reference), sampleAt(toMs));
    const std::ptrdiff_t guess = sampleAt(guessMs), search = sampleAt(searchMs);
    double leastDifference = INFINITY;
    std::ptrdiff_t best = guess;
    for (std::ptrdiff_t shift = guess - search; shift <= guess + search; ++shift) {
        if (from + shift < 0 || to + shift > std::ssize(loudness))
            continue;
        double difference = 0;
        for (std::ptrdiff_t i = from; i < to; ++i) {
            const double d = loudness[std::size_t(i + shift)] - reference[std::size_t(i)];
            difference += d * d;
        }
        if (difference < leastDifference) {
            leastDifference = difference;
            best = shift;
        }
    }
    return best * 1000.0 / kSoundRate;
}

} // namespace tw::test
