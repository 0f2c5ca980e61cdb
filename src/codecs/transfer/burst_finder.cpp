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

// The mean of f(x) over `window` samples around each sample.
template <typename F>
std::vector<float> runningMean(const std::vector<float>& signal, int window, F f)
{
    const auto n = std::ptrdiff_t(signal.size());
    const std::ptrdiff_t before = window / 2;          // samples of the window before i
    const std::ptrdiff_t after = window - before - 1;  // and after it
    std::vector<float> mean(signal.size());
    double sum = 0;
    for (std::ptrdiff_t k = 0; k < std::min(after, n); ++k)
        sum += f(signal[std::size_t(k)]);
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        if (i + after < n)
            sum += f(signal[std::size_t(i + after)]);
        if (i - before - 1 >= 0)
            sum -= f(signal[std::size_t(i - before - 1)]);
        mean[std::size_t(i)] = float(sum / window);
    }
    return mean;
}

// The signal around its resting level, which may drift (a DC offset, a recorder
// settling). A burst of whole cycles averages out, so the mean over 50 ms is the
// resting level in silence and in bursts alike; what is left of a burst's first
// half cycle in so long a window is too little to move its edges.
std::vector<float> centred(const std::vector<float>& samples, int period)
{
    std::vector<float> out = runningMean(samples, 100 * period, std::identity());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = samples[i] - out[i];
    return out;
}

// The mean magnitude over one nominal carrier period around each sample: flat
// within a burst whatever the phase, and it rises and falls over one period at
// the burst's ends, so its half-height points are the burst's ends.
std::vector<float> envelope(const std::vector<float>& signal, int period)
{
    return runningMean(signal, period, [](float x) { return std::abs(x); });
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
};

// Runs of samples whose envelope is at least `level`.
std::vector<Span> spansAbove(const std::vector<float>& env, double level)
{
    std::vector<Span> spans;
    const auto size = std::ptrdiff_t(env.size());
    std::ptrdiff_t first = -1;  // of the run being walked, -1 outside any run
    for (std::ptrdiff_t i = 0; i <= size; ++i) {
        const bool above = i < size && env[std::size_t(i)] >= level;
        if (above && first < 0)
            first = i;
        if (!above && first >= 0) {
            spans.push_back({first, i - 1});
            first = -1;
        }
    }
    return spans;
}

// Where the envelope crosses `level` between samples i and j (one above, one below).
double crossing(const std::vector<float>& env, std::ptrdiff_t i, std::ptrdiff_t j, double level)
{
    const double a = env[std::size_t(i)];
    const double b = env[std::size_t(j)];
    return a == b ? double(i) : double(i) + (level - a) / (b - a) * double(j - i);
}

// The burst's extent at half its own height above the floor, found outwards
// from its peak: past the finding span when the burst is quieter than the
// loudest one, inside it when louder.
Burst measure(const std::vector<float>& env, Span span, double floor)
{
    const auto peak = std::max_element(env.begin() + span.first, env.begin() + span.last + 1);
    const double level = floor + (*peak - floor) * kMeasureShare;
    const auto size = std::ptrdiff_t(env.size());
    std::ptrdiff_t first = peak - env.begin();
    while (first > 0 && env[std::size_t(first - 1)] >= level)
        --first;
    std::ptrdiff_t last = peak - env.begin();
    while (last + 1 < size && env[std::size_t(last + 1)] >= level)
        ++last;
    Burst burst;
    burst.start = first > 0 ? crossing(env, first - 1, first, level) : 0.0;
    burst.end = last + 1 < size ? crossing(env, last, last + 1, level) : double(last);
    return burst;
}

// The zero crossings of a burst. A crossing counts once the signal has swung past
// the hysteresis level on the other side, and its time is the interpolated zero
// between the two samples around it. The burst's half-height extent is widened by
// half a period, so the swings of its first and last half cycle are inside.
std::vector<double> crossingsOf(const std::vector<float>& signal, const std::vector<float>& env,
                                const Burst& burst, int period)
{
    const auto first = std::max(std::ptrdiff_t(0), std::ptrdiff_t(burst.start) - period / 2);
    const auto last = std::min(std::ptrdiff_t(burst.end) + period / 2 + 1,
                               std::ptrdiff_t(signal.size()) - 1);
    std::vector<double> crossings;
    if (last <= first)
        return crossings;
    const double swing =
        *std::max_element(env.begin() + first, env.begin() + last + 1) * kSwingShare;
    int side = 0;  // +1 after a swing above, -1 after a swing below
    for (std::ptrdiff_t i = first; i <= last; ++i) {
        const double x = signal[std::size_t(i)];
        const int now = x > swing ? 1 : x < -swing ? -1 : 0;
        if (now == 0 || now == side)
            continue;
        if (side != 0) {
            // Back to the last sample on the old side of zero.
            std::ptrdiff_t j = i;
            while (j - 1 > first && double(signal[std::size_t(j - 1)]) * now > 0)
                --j;
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
    if (recording.samples.empty() || recording.sampleRate <= 0)
        return {};
    const int period = std::max(2, int(std::lround(recording.sampleRate / kCarrierHz)));
    const std::vector<float> signal = centred(recording.samples, period);
    const std::vector<float> env = envelope(signal, period);

    const double floor = noiseFloor(env);
    const double loudest = *std::ranges::max_element(env);
    if (loudest <= floor)
        return {};

    BurstTrain train;
    std::vector<double> periods;
    for (const Span span : spansAbove(env, floor + (loudest - floor) * kFindShare)) {
        Burst burst = measure(env, span, floor);
        collectPeriods(crossingsOf(signal, env, burst, period), periods);
        train.bursts.push_back(burst);
    }
    train.carrierPeriod = periods.empty() ? recording.sampleRate / kCarrierHz : median(periods);
    for (Burst& burst : train.bursts)
        burst.cycles = int(std::lround((burst.end - burst.start) / train.carrierPeriod));
    return train;
}

} // namespace tw
