#include "codecs/transfer/burst_finder.h"
#include "codecs/transfer/transfer_decoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tw {
namespace {

constexpr double kRate = 24000;
constexpr int kPeriod = 12;  // samples of one 2 kHz cycle at kRate

// Cycles of a 2 kHz sine; `amplitude` gives the level of each half cycle.
template <typename A>
void appendCycles(std::vector<float>& samples, int cycles, A amplitude)
{
    for (int k = 0; k < cycles * kPeriod; ++k)
        samples.push_back(float(amplitude(k / (kPeriod / 2)) * std::sin(2 * std::numbers::pi * k / kPeriod)));
}

void appendSilence(std::vector<float>& samples, std::size_t count) { samples.resize(samples.size() + count); }

void expectDisjointInOrder(const std::vector<Burst>& bursts)
{
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        EXPECT_LT(bursts[i].start, bursts[i].end) << "burst " << i;
        if (i > 0)
            EXPECT_LT(bursts[i - 1].end, bursts[i].start) << "bursts " << i - 1 << " and " << i;
    }
}

// One full-scale burst, then a run of cycles whose level alternates a little
// around the finding level: every louder cycle rises above it, and each, measured
// at half its own height, stretches over the whole run. Silence fills the rest,
// so that it sets the noise floor.
Recording alternatingRun(std::size_t length)
{
    Recording recording{kRate, {}};
    auto& s = recording.samples;
    appendSilence(s, 1200);
    appendCycles(s, 5, [](int) { return 1.0; });
    appendSilence(s, 25);
    const auto cycles = int((length / 2 - s.size()) / kPeriod);
    appendCycles(s, cycles, [](int half) { return half / 2 % 2 == 0 ? 0.36 : 0.26; });
    appendSilence(s, length - s.size());
    return recording;
}

// The walks and scans visit no sample more than this many times.
constexpr std::size_t kMostVisits = 7;

TEST(FindBursts, ALongRunOfSpansIsOneBurstFoundInLinearTime)
{
    for (const std::size_t length : {25'000u, 50'000u, 100'000u, 200'000u, 400'000u}) {
        SCOPED_TRACE(length);
        const Recording recording = alternatingRun(length);
        const BurstTrain train = findBursts(recording);
        ASSERT_EQ(train.bursts.size(), 2u);
        expectDisjointInOrder(train.bursts);
        EXPECT_LE(train.samplesWalked, kMostVisits * length);

        const auto decoded = decodeTransfer(recording);
        ASSERT_FALSE(decoded.has_value());
        EXPECT_EQ(decoded.error().reason.toStdString(),
                  "no preamble: no three sync markers in a row among 2 tone bursts");
    }
}

TEST(FindBursts, ABurstWhoseEnvelopeDipsUnderTheFindingLevelIsOneBurst)
{
    // A full-scale sync marker, then a bit of two cycles at half that level whose
    // middle half cycles are quieter still: its envelope dips under the finding
    // level there, though not under half its own height.
    Recording recording{kRate, {}};
    auto& s = recording.samples;
    appendSilence(s, 1200);
    appendCycles(s, 5, [](int) { return 1.0; });
    appendSilence(s, 25);
    appendCycles(s, 2, [](int half) { return half == 1 || half == 2 ? 0.5 * 0.55 : 0.5; });
    appendSilence(s, 1200);

    const BurstTrain train = findBursts(recording);
    ASSERT_EQ(train.bursts.size(), 2u);
    expectDisjointInOrder(train.bursts);
    EXPECT_EQ(train.bursts[0].cycles, 5);
    EXPECT_EQ(train.bursts[1].cycles, 2);
}

} // namespace
} // namespace tw
