// The synthesizer rendered offline: every note sounds from the time its note on
// names to the time its note off names, at the pitch of its note number, and a
// program change changes the sound.
//
// Voices and effects add up, so a melody minus the same melody without one note
// is exactly that note's own sound: it starts where the note starts, and a
// melody minus the same melody with the note held longer starts where the note
// was let go. Before those points the two renderings agree sample for sample.
//
// The synthesizer takes a message up at the boundary of 64-frame blocks nearest
// the message's time and acts on it in the block that follows: at most half a
// block early or late, which is all the rhythm may lose. (The first frame of
// an attack or a release is the same as before it, so the change shows one
// frame after the boundary.)

#include "offline_render.h"
#include "support/sound_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace tw::test {
namespace {

constexpr int kOcarina = 79; // a plain tone whose pitch is its fundamental
constexpr double kMelodyMs = 1800;
constexpr std::size_t kBlockFrames = 64;

struct MelodyNote {
    int note;
    double onMs;
    double offMs;
};

// The lowest and highest keys' notes and middle C, mostly off the block grid,
// some overlapping the release of the one before.
constexpr MelodyNote kMelody[] = {
    {65, 50, 250}, {72, 251, 567}, {84, 700, 783}, {89, 937, 1270}, {77, 1300, 1601},
};

std::vector<TimedMessage> messagesOf(std::span<const MelodyNote> melody, int program)
{
    std::vector<TimedMessage> messages{{programMessage(program), 0}};
    for (const MelodyNote& n : melody) {
        messages.push_back({noteOnMessage(n.note), n.onMs});
        messages.push_back({noteOffMessage(n.note), n.offMs});
    }
    return messages;
}

std::vector<float> difference(std::span<const float> a, std::span<const float> b)
{
    std::vector<float> d(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        d[i] = a[i] - b[i];
    return d;
}

std::optional<std::size_t> firstNonZero(std::span<const float> sound)
{
    for (std::size_t i = 0; i < sound.size(); ++i)
        if (sound[i] != 0)
            return i;
    return std::nullopt;
}

constexpr std::size_t frameAt(std::uint32_t ms)
{
    return std::size_t(ms) * kSoundRate / 1000;
}

class OfflineMelody : public testing::TestWithParam<int> {};

TEST_P(OfflineMelody, EachNoteSoundsFromItsNoteOnToItsNoteOffAtItsPitch)
{
    const auto melody = renderOffline(messagesOf(kMelody, kOcarina), kMelodyMs, GetParam());
    for (std::size_t i = 0; i < std::size(kMelody); ++i) {
        const MelodyNote& n = kMelody[i];
        SCOPED_TRACE(testing::Message() << "note " << n.note << " from " << n.onMs << " to " << n.offMs << " ms");
        std::vector<MelodyNote> without(std::begin(kMelody), std::end(kMelody));
        without.erase(without.begin() + i);
        std::vector<MelodyNote> held(std::begin(kMelody), std::end(kMelody));
        held[i].offMs += 200;

        const auto own = difference(melody, renderOffline(messagesOf(without, kOcarina), kMelodyMs, GetParam()));
        const auto start = firstNonZero(own);
        ASSERT_TRUE(start.has_value());
        EXPECT_LE(std::abs(double(*start) - frameAt(n.onMs)), kBlockFrames / 2 + 1);
        const double pitch = fundamentalHz(excerpt(own, n.onMs + 20, 40));
        EXPECT_NEAR(pitch, midiNoteHz(n.note), midiNoteHz(n.note) * 0.01);

        const auto release = firstNonZero(difference(melody, renderOffline(messagesOf(held, kOcarina), kMelodyMs, GetParam())));
        ASSERT_TRUE(release.has_value());
        EXPECT_LE(std::abs(double(*release) - frameAt(n.offMs)), kBlockFrames / 2 + 1);
    }
}

// The audio driver asks for whole periods of 512 frames; tests and benchmarks
// render in other pieces, and the timing must not depend on them.
INSTANTIATE_TEST_SUITE_P(PieceSizes, OfflineMelody, testing::Values(512, 64, 300, 4096));

double correlation(std::span<const float> a, std::span<const float> b)
{
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

TEST(OfflineProgram, EachToneOfTheToneMenuSoundsDifferent)
{
    const MelodyNote middleC[] = {{72, 10, 400}};
    constexpr int kTonePrograms[] = {67, 12, 0, 36, 56, 19};
    std::vector<std::vector<float>> sounds;
    for (int program : kTonePrograms)
        sounds.push_back(renderOffline(messagesOf(middleC, program), 500));

    // The same messages give the same sound, sample for sample.
    EXPECT_EQ(renderOffline(messagesOf(middleC, kTonePrograms[0]), 500), sounds[0]);
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j) {
            SCOPED_TRACE(testing::Message() << "programs " << kTonePrograms[i] << " and " << kTonePrograms[j]);
            EXPECT_LT(correlation(sounds[i], sounds[j]), 0.9);
        }
}

} // namespace
} // namespace tw::test
