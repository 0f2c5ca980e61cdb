#include "sound_analysis.h"

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

} // namespace tw::test
