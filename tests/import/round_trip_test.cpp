// A melody written as a MIDI file and imported again: the same rows at the same tempo, for
// every note length and rest at every tempo. csvmidi's reader, independent of both, checks
// the file's events.

#include "codecs/midi/midi_file_writer.h"
#include "codecs/midi/midi_messages.h"
#include "codecs/score/row_timing.h"
#include "csvmidi.h"
#include "import/melody_import.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// Every key at a length, the lengths in turn, a rest after each run of keys: every row kind
// the player times. Rests stand alone: two in a row come back as the longest first.
std::vector<RowCode> everyRowKind()
{
    std::vector<RowCode> rows;
    for (int length = 0; length < kLengthCount; ++length) {
        for (int key = kFirstKey; key <= kLastKey; key += 3)
            rows.push_back(RowCode(key * 10 + length));
        rows.push_back(RowCode(kRestBase + length % kRestCount));
    }
    rows.push_back(RowCode(kLastKey * 10 + 7));
    return rows;
}

TEST(RoundTrip, MidiFileGivesBackTheRowsAndTheTempo)
{
    const std::vector<RowCode> rows = everyRowKind();
    for (const TempoItem& tempo : TempoItems) {
        const auto melody = importMelody(midiFileBytes(QStringLiteral("歓喜の歌"), tempo.bpm, TonePrograms[0], rows));
        ASSERT_TRUE(melody.has_value()) << melody.error().toStdString();
        EXPECT_EQ(melody->fitted.rows, rows) << tempo.bpm;
        EXPECT_EQ(melody->fitted.tempo, tempo.bpm);
        EXPECT_EQ(melody->fitted.report.timingErrorMs, 0) << tempo.bpm;
        EXPECT_EQ(melody->title, QStringLiteral("歓喜の歌"));
    }
}

TEST(RoundTrip, TheFileHoldsWhatThePlayerSends)
{
    // Key 5 a quarter, a keyless row (as a file may hold one below the keyboard), a rest,
    // key 29 a sixteenth; at 90 a sixteenth is 166 ms, 120 ticks.
    const std::vector<RowCode> rows{53, 13, 991, 290};
    const QString csv = test::midiCsv(midiFileBytes(QStringLiteral("Ode"), 90, TonePrograms[2], rows));
    EXPECT_EQ(csv.toStdString(),
              "0, 0, Header, 0, 1, 480\n"
              "1, 0, Start_track\n"
              "1, 0, Title_t, \"Ode\"\n"
              "1, 0, Tempo, 664000\n"
              "1, 0, Program_c, 0, 0\n"
              "1, 0, Note_on_c, 0, 65, 127\n"
              "1, 480, Note_off_c, 0, 65, 0\n"
              "1, 1200, Note_on_c, 0, 89, 127\n"
              "1, 1320, Note_off_c, 0, 89, 0\n"
              "1, 1320, End_track\n"
              "0, 0, End_of_file\n");
    // The note numbers and the velocity are the player's own messages.
    EXPECT_EQ(noteOnMessage(5, kNoteOnBase), 0x7F4190u);
}

} // namespace
} // namespace tw
