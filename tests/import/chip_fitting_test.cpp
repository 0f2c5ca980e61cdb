// The fitting's choices where the MIDI and ringtone cases leave them open: ties between
// tempos, the row limit, and notes far off the keyboard.

#include "import/chip_fitting.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// `count` notes of middle C's octave above, each `lengthUs` long, one after the other.
Tune evenNotes(int count, std::int64_t lengthUs, double sourceBpm)
{
    Tune tune;
    for (int i = 0; i < count; ++i)
        tune.notes.push_back({i * lengthUs, (i + 1) * lengthUs, 72});
    tune.endUs = count * lengthUs;
    tune.sourceBpm = sourceBpm;
    return tune;
}

TEST(ChipFitting, OfEquallyExactTemposTheNearestToTheSourceWins)
{
    // 332 ms is two sixteenths at 90 and four at 180: both exact, one row a note either way.
    const struct {
        double sourceBpm;
        int tempo;
        RowCode row;
    } cases[] = {{90.36, 90, 121}, {170, 180, 123}};
    for (const auto& c : cases) {
        const FittedMelody fitted = fitToChip(evenNotes(3, 332000, c.sourceBpm));
        EXPECT_EQ(fitted.tempo, c.tempo) << c.sourceBpm;
        EXPECT_EQ(fitted.rows, std::vector<RowCode>(3, c.row));
        EXPECT_EQ(fitted.report.timingErrorMs, 0);
    }
}

TEST(ChipFitting, StopsAtTheRowLimit)
{
    const FittedMelody fitted = fitToChip(evenNotes(600, 500000, 120));
    EXPECT_EQ(fitted.rows, std::vector<RowCode>(kMaxRows, 123));
    EXPECT_TRUE(fitted.report.rowsCut);
    EXPECT_EQ(fitted.report.notesCut, 100);
    EXPECT_EQ(fitted.report.rows, kMaxRows);
}

TEST(ChipFitting, LongSilencesBecomeWholeRestsWithinTheLimit)
{
    // A note, an hour of silence, a note: the rests fill the rows up to the limit, no further.
    Tune tune = evenNotes(1, 500000, 120);
    tune.notes.push_back({3600000000, 3600500000, 72});
    tune.endUs = 3600500000;
    const FittedMelody fitted = fitToChip(tune);
    ASSERT_EQ(fitted.rows.size(), std::size_t(kMaxRows));
    EXPECT_EQ(fitted.rows[1], kRestBase + kRestCount - 1);
    EXPECT_EQ(fitted.report.notesCut, 1);
}

TEST(ChipFitting, NotesFarOffTheKeyboardComeOnByOctaves)
{
    Tune tune = evenNotes(3, 500000, 120);
    tune.notes[0].midiNote = 0;
    tune.notes[1].midiNote = 127;
    const FittedMelody fitted = fitToChip(tune);
    EXPECT_EQ(fitted.report.octaveShift, 0);
    EXPECT_EQ(fitted.report.notesMovedByOctave, 2);
    for (const RowCode code : fitted.rows)
        EXPECT_TRUE(keyOf(code) >= kFirstKey && keyOf(code) <= kLastKey) << code;
}

} // namespace
} // namespace tw
