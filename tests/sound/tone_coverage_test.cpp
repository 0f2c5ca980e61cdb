// Every key of the keyboard in every tone of the tone menu, rendered offline:
// each note sounds from its note on to its note off at its key's pitch, and a
// single note of any tone peaks near -6 dBFS, loud enough beside the transfer
// signal's full scale and with room to spare before it clips.

#include "offline_render.h"
#include "support/sound_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace tw::test {
namespace {

struct Tone {
    const char* name;
    int program;
    //! A church organ sounds a rank an octave below the key (the 16-foot stop)
    //! on most of the keyboard: its sound repeats at half the key's frequency.
    bool octaveBelowRank = false;
};

void PrintTo(const Tone& tone, std::ostream* os)
{
    *os << tone.name << " (program " << tone.program << ")";
}

constexpr Tone kTones[] = {{"beep", 67}, {"music box", 12}, {"piano", 0},
                           {"guitar", 36}, {"trumpet", 56}, {"organ", 19, true}};

constexpr int kLowestKey = 5;
constexpr int kHighestKey = 29;
constexpr int kKeyToNote = 60;

// Each note far enough from the next that its release and reverb have faded
// before the next starts.
constexpr double kNoteMs = 300;
constexpr double kSpacingMs = 1000;

double noteOnMs(int key)
{
    return 100 + (key - kLowestKey) * kSpacingMs;
}

//! Every key of `tone` in turn, lowest first; rendered once for all tests.
const std::vector<float>& everyKeyOf(const Tone& tone)
{
    static std::map<int, std::vector<float>> rendered;
    auto& sound = rendered[tone.program];
    if (sound.empty()) {
        std::vector<TimedMessage> messages{{programMessage(tone.program), 0}};
        for (int key = kLowestKey; key <= kHighestKey; ++key) {
            messages.push_back({noteOnMessage(key + kKeyToNote), noteOnMs(key)});
            messages.push_back({noteOffMessage(key + kKeyToNote), noteOnMs(key) + kNoteMs});
        }
        sound = renderOffline(messages, noteOnMs(kHighestKey + 1));
    }
    return sound;
}

double dbfs(double level)
{
    return 20 * std::log10(level + 1e-30);
}

class EveryKey : public testing::TestWithParam<Tone> {};

TEST_P(EveryKey, SoundsThroughItsLengthAtItsPitch)
{
    const Tone& tone = GetParam();
    const auto& sound = everyKeyOf(tone);
    for (int key = kLowestKey; key <= kHighestKey; ++key) {
        SCOPED_TRACE(testing::Message() << tone.name << " (program " << tone.program << "), key " << key);
        const double on = noteOnMs(key);
        // Louder through the whole of its length than what was left of the
        // note before it (a silent key would pass for that), and never fading
        // by more than a piano's high strings do before the key is let go.
        const double before = dbfs(rmsOf(excerpt(sound, on - 100, 100)));
        double quietestDb = 0, loudestDb = -200;
        for (double at = on + 10; at < on + kNoteMs; at += 50) {
            const double levelDb = dbfs(rmsOf(excerpt(sound, at, 50)));
            quietestDb = std::min(quietestDb, levelDb);
            loudestDb = std::max(loudestDb, levelDb);
        }
        EXPECT_GT(quietestDb, before + 20) << "the key is silent";
        EXPECT_GT(quietestDb, loudestDb - 40) << "the note dies within its length";

        const double keyHz = midiNoteHz(key + kKeyToNote);
        const double pitch = fundamentalHz(excerpt(sound, on + 60, 120));
        const bool atKey = std::abs(pitch / keyHz - 1) <= 0.01;
        const bool atRankBelow = tone.octaveBelowRank && std::abs(pitch / (keyHz / 2) - 1) <= 0.01;
        EXPECT_TRUE(atKey || atRankBelow) << "sounds at " << pitch << " Hz, not " << keyHz << " Hz";
    }
}

TEST_P(EveryKey, PeaksNearMinus6DbfsAndNeverClips)
{
    const Tone& tone = GetParam();
    const auto& sound = everyKeyOf(tone);
    double loudestDb = -200;
    int loudestKey = 0;
    for (int key = kLowestKey; key <= kHighestKey; ++key) {
        const double peakDb = dbfs(peakOf(excerpt(sound, noteOnMs(key), kSpacingMs)));
        if (peakDb > loudestDb) {
            loudestDb = peakDb;
            loudestKey = key;
        }
    }
    SCOPED_TRACE(testing::Message() << tone.name << " peaks at " << loudestDb << " dBFS on key " << loudestKey);
    EXPECT_GT(loudestDb, -10.0);
    EXPECT_LT(loudestDb, -3.0);
}

struct HeldAcross {
    const char* what;
    int from;
    int to;
};

// TimGM6mb's beep has no note 85 and the piano has: a key filled from another
// font plays on a channel of its own.
constexpr HeldAcross kHeldAcross[] = {{"a filled key held into a tone that has it", 67, 0},
                                      {"a key held into a tone that fills it", 0, 67}};

TEST(FilledKey, EndsAtItsNoteOffAfterAProgramChange)
{
    constexpr int kNote = 85;
    for (const HeldAcross& c : kHeldAcross) {
        SCOPED_TRACE(c.what);
        const TimedMessage messages[] = {{programMessage(c.from), 0}, {noteOnMessage(kNote), 10},
                                         {programMessage(c.to), 200}, {noteOffMessage(kNote), 300}};
        const auto sound = renderOffline(messages, 2500);
        const double heldDb = dbfs(rmsOf(excerpt(sound, 100, 100)));
        EXPECT_LT(dbfs(rmsOf(excerpt(sound, 2300, 200))), heldDb - 40) << "the note still sounds";
    }
}

INSTANTIATE_TEST_SUITE_P(Tones, EveryKey, testing::ValuesIn(kTones),
                         [](const auto& info) { return std::to_string(info.param.program); });

} // namespace
} // namespace tw::test
