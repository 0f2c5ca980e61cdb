#include "codecs/transfer/burst_finder.h"

#include "codecs/transfer/symbols.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tw {
namespace {

// A burst is found where the envelope rises above this share of the loudest
// burst, and measured at half of its own height: a burst that is quieter than
// the rest (a fade, a level change) is still measured at its own middle.
constexpr double kFindShare = 0.3;
constexpr double kMeasureShare = 0.5;
// Zero crossings count only once the signal has swung this share of the burst's
// envelope past zero, so noise riding on the silence cannot fake a cycle.
constexpr double kSwingShare = 0.5;

double median(std::vector<double> values)
{
    const auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// What the mean of a window cut off by the recording's ends is taken over.
enum class Beyond {
    Silence,  //!< the whole window, as though the recording went on silent
    Nothing,  //!< the samples that are there
};

// The mean of f(x) over `window` samples around each sample.
template <typename F>
std::vector<float> runningMean(const std::vector<float>& signal, std::ptrdiff_t window, Beyond beyond,
                               F f)
{
    const auto n = std::ptrdiff_t(signal.size());
    const std::ptrdiff_t before = window / 2;          // samples of the window before i
    const std::ptrdiff_t after = window - before - 1;  // and after it
    std::vector<float> mean(signal.size());
    double sum = 0;
    std::ptrdiff_t count = 0;  // of the samples in the window
    for (std::ptrdiff_t k = 0; k < std::min(after, n); ++k, ++count)
        sum += f(signal[std::size_t(k)]);
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        if (i + after < n) {
            sum += f(signal[std::size_t(i + after)]);
            ++count;
        }
        if (i - before - 1 >= 0) {
            sum -= f(signal[std::size_t(i - before - 1)]);
            --count;
        }
        mean[std::size_t(i)] = float(sum / double(beyond == Beyond::Silence ? window : count));
    }
    return mean;
}

// Beyond full scale a recording is clipped, as the chip's input clips it, and a
// sample that is no number is silence: every level worked out from here on is
// then a finite number no larger than twice full scale.
float clipped(float x) { return std::isfinite(x) ? std::clamp(x, -1.0f, 1.0f) : 0.0f; }

// The signal around its resting level, which may drift (a DC offset, a recorder
// settling). A burst of whole cycles averages out, so the mean over 50 ms is the
// resting level in silence and in bursts alike; what is left of a burst's first
// half cycle in so long a window is too little to move its edges. Near the ends
// the resting level is the mean of the samples that are there: were the window
// filled up with zeros, a DC offset many times the signal's level would be left
// half in there, and the ends would be the loudest bursts of all.
std::vector<float> centred(const std::vector<float>& samples, std::ptrdiff_t period)
{
    std::vector<float> out(samples.size());
    std::ranges::transform(samples, out.begin(), clipped);
    const std::vector<float> rest = runningMean(out, 100 * period, Beyond::Nothing, std::identity());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] -= rest[i];
    return out;
}

// The mean magnitude over one nominal carrier period around each sample: flat
// within a burst whatever the phase, and it rises and falls over one period at
// the burst's ends, so its half-height points are the burst's ends. Beyond the
// recording's ends lies silence, so a burst cut off by an end fades out there.
std::vector<float> envelope(const std::vector<float>& signal, std::ptrdiff_t period)
{
    return runningMean(signal, period, Beyond::Silence, [](float x) { return std::abs(x); });
}

// The envelope of the silence: noise lifts it, and a burst's edges are measured
// from there. Silence fills most of a transfer, so the median envelope is its
// level; a sparse choice of samples is enough to find it.
double noiseFloor(const std::vector<float>& env)
{
    const std::size_t stride = std::max<std::size_t>(1, env.size() >> 20);
    std::vector<double> picked;
    for (std::size_t i = 0; i < env.size(); i += stride)
        picked.push_back(env[i]);
    return median(std::move(picked));
}

struct Span {
    std::ptrdiff_t first;
    std::ptrdiff_t last;
    std::ptrdiff_t peak;  //!< the first of its samples where the envelope is highest
};

// Runs of samples whose envelope is at least `level`.
std::vector<Span> spansAbove(const std::vector<float>& env, double level)
{
    std::vector<Span> spans;
    const auto size = std::ptrdiff_t(env.size());
    std::ptrdiff_t first = -1;  // of the run being walked, -1 outside any run
    std::ptrdiff_t peak = -1;
    for (std::ptrdiff_t i = 0; i <= size; ++i) {
        const bool above = i < size && env[std::size_t(i)] >= level;
        if (above && first < 0)
            first = peak = i;
        if (above && env[std::size_t(i)] > env[std::size_t(peak)])
            peak = i;
        if (!above && first >= 0) {
            spans.push_back({first, i - 1, peak});
            first = -1;
        }
    }
    return spans;
}

// The samples around a peak whose envelope is at least `level`.
struct Extent {
    std::ptrdiff_t first;
    std::ptrdiff_t last;
    double level;
};

// The extent at half the height of the peak above the floor, walked outwards
// from the peak: past the finding span when the burst is quieter than the
// loudest one, inside it when louder. The walk goes no further than `lowest`
// and `highest`, the nearest samples of the spans on either side: reaching one
// means the two spans are one burst whose envelope dipped under the finding
// level, and going on would walk the same samples again for every span of a
// long run. Each sample is so walked from at most the two spans around it.
Extent extentAround(const std::vector<float>& env, std::ptrdiff_t peak, double floor,
                    std::ptrdiff_t lowest, std::ptrdiff_t highest, std::size_t& walked)
{
    const double level = floor + (env[std::size_t(peak)] - floor) * kMeasureShare;
    Extent extent{peak, peak, level};
    for (; extent.first > lowest && env[std::size_t(extent.first - 1)] >= level; --extent.first)
        ++walked;
    for (; extent.last < highest && env[std::size_t(extent.last + 1)] >= level; ++extent.last)
        ++walked;
    return extent;
}

// Where the envelope crosses `level` between samples i and j (one above, one below).
double crossing(const std::vector<float>& env, std::ptrdiff_t i, std::ptrdiff_t j, double level)
{
    const double a = env[std::size_t(i)];
    const double b = env[std::size_t(j)];
    return a == b ? double(i) : double(i) + (level - a) / (b - a) * double(j - i);
}

Burst burstOf(const std::vector<float>& env, const Extent& extent)
{
    const auto size = std::ptrdiff_t(env.size());
    Burst burst;
    burst.start = extent.first > 0 ? crossing(env, extent.first - 1, extent.first, extent.level) : 0.0;
    burst.end = extent.last + 1 < size ? crossing(env, extent.last, extent.last + 1, extent.level)
                                       : double(extent.last);
    return burst;
}

// The bursts of the spans, one for each run of spans that reach each other, in
// time order. A run of spans is measured from its highest peak, whose extent
// lies within the run's: its level is at least that of every span of the run.
// Bursts measured so never overlap.
std::vector<Burst> burstsOf(const std::vector<float>& env, const std::vector<Span>& spans,
                            double floor, std::size_t& walked)
{
    const auto size = std::ptrdiff_t(env.size());
    const auto lowestFor = [&](std::size_t k) { return k > 0 ? spans[k - 1].last : 0; };
    const auto highestFor = [&](std::size_t k) { return k + 1 < spans.size() ? spans[k + 1].first : size - 1; };
    const auto extentOf = [&](std::size_t k) {
        return extentAround(env, spans[k].peak, floor, lowestFor(k), highestFor(k), walked);
    };

    std::vector<Burst> bursts;
    Extent next = spans.empty() ? Extent{} : extentOf(0);
    for (std::size_t first = 0; first < spans.size();) {
        Extent extent = next;
        std::size_t last = first;  // of the run of spans
        std::ptrdiff_t peak = spans[first].peak;
        for (; last + 1 < spans.size(); ++last) {
            next = extentOf(last + 1);
            const bool joined = extent.last >= spans[last + 1].first || next.first <= spans[last].last;
            if (!joined)
                break;
            if (env[std::size_t(spans[last + 1].peak)] > env[std::size_t(peak)])
                peak = spans[last + 1].peak;
            extent = next;
        }
        if (last > first)
            extent = extentAround(env, peak, floor, lowestFor(first), highestFor(last), walked);
        bursts.push_back(burstOf(env, extent));
        first = last + 1;
    }
    return bursts;
}

// The zero crossings of a burst. A crossing counts once the signal has swung past
// the hysteresis level on the other side, and its time is the interpolated zero
// between the two samples around it. The burst's half-height extent is widened by
// half a period, so the swings of its first and last half cycle are inside; the
// scan begins no earlier than `scanned`, where the previous burst's ended, and
// moves it on, so that no sample is scanned for two bursts.
std::vector<double> crossingsOf(const std::vector<float>& signal, const std::vector<float>& env,
                                const Burst& burst, std::ptrdiff_t period, std::ptrdiff_t& scanned,
                                std::size_t& walked)
{
    const auto first = std::max(scanned, std::ptrdiff_t(burst.start) - period / 2);
    const auto last = std::min(std::ptrdiff_t(burst.end) + period / 2 + 1,
                               std::ptrdiff_t(signal.size()) - 1);
    std::vector<double> crossings;
    if (last <= first)
        return crossings;
    scanned = last + 1;
    walked += 2 * std::size_t(last - first + 1);  // the highest envelope, then the crossings
    const double swing =
        *std::max_element(env.begin() + first, env.begin() + last + 1) * kSwingShare;
    int side = 0;  // +1 after a swing above, -1 after a swing below
    for (std::ptrdiff_t i = first; i <= last; ++i) {
        const double x = signal[std::size_t(i)];
        const int now = x > swing ? 1 : x < -swing ? -1 : 0;
        if (now == 0 || now == side)
            continue;
        if (side != 0) {
            // Back to the last sample on the old side of zero: no further than
            // the swing to the old side, so each sample is gone back over once.
            std::ptrdiff_t j = i;
            for (; j - 1 > first && double(signal[std::size_t(j - 1)]) * now > 0; --j)
                ++walked;
            const double a = signal[std::size_t(j - 1)];
            const double b = signal[std::size_t(j)];
            crossings.push_back(double(j - 1) + (a == b ? 0.0 : a / (a - b)));
        }
        side = now;
    }
    return crossings;
}

// Crossings alternate in direction, so every second one starts the next period.
void collectPeriods(const std::vector<double>& crossings, std::vector<double>& periods)
{
    for (std::size_t i = 2; i < crossings.size(); ++i)
        periods.push_back(crossings[i] - crossings[i - 2]);
}

} // namespace

BurstTrain findBursts(const Recording& recording)
{
    if (recording.samples.empty() || !(recording.sampleRate > 0))
        return {};
    // No window need be longer than the recording.
    const double nominalPeriod =
        std::min(recording.sampleRate / kCarrierHz, double(recording.samples.size()));
    const auto period = std::max<std::ptrdiff_t>(2, std::lround(nominalPeriod));
    const std::vector<float> signal = centred(recording.samples, period);
    const std::vector<float> env = envelope(signal, period);

    const double floor = noiseFloor(env);
    const double loudest = *std::ranges::max_element(env);
    if (loudest <= floor)
        return {};

    BurstTrain train;
    train.bursts = burstsOf(env, spansAbove(env, floor + (loudest - floor) * kFindShare), floor,
                            train.samplesWalked);
    std::vector<double> periods;
    std::ptrdiff_t scanned = 0;
    for (const Burst& burst : train.bursts)
        collectPeriods(crossingsOf(signal, env, burst, period, scanned, train.samplesWalked), periods);
    train.carrierPeriod = periods.empty() ? recording.sampleRate / kCarrierHz : median(periods);
    for (Burst& burst : train.bursts)
        burst.cycles = int(std::lround((burst.end - burst.start) / train.carrierPeriod));
    return train;
}

} // namespace tw
