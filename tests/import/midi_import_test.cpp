// MIDI files written by csvmidi, imported: the line chosen, the rows, the tempo and the report.

#include "csvmidi.h"
#include "import/melody_import.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace tw {
namespace {

using test::csvMidi;

// A track's records: Start_track, the events ("time, Note_on_c, ..."), End_track at `end`.
QString track(int number, const QStringList& events, int end)
{
    QString records = QStringLiteral("%1, 0, Start_track\n").arg(number);
    for (const QString& event : events)
        records += QStringLiteral("%1, %2\n").arg(number).arg(event);
    return records + QStringLiteral("%1, %2, End_track\n").arg(number).arg(end);
}

// A note on channel `channel` (0 is MIDI channel 1) from tick `on` to tick `off`.
QStringList note(int channel, int key, int on, int off)
{
    return {QStringLiteral("%1, Note_on_c, %2, %3, 100").arg(on).arg(channel).arg(key),
            QStringLiteral("%1, Note_off_c, %2, %3, 0").arg(off).arg(channel).arg(key)};
}

// Events in time order, as a track must list them.
QStringList sorted(QStringList events)
{
    std::ranges::stable_sort(events, {}, [](const QString& e) { return e.section(u',', 0, 0).toInt(); });
    return events;
}

QStringList notes(std::initializer_list<QStringList> parts)
{
    QStringList all;
    for (const QStringList& part : parts)
        all += part;
    return sorted(all);
}

const QString kTempo120 = QStringLiteral("0, Tempo, 500000");

struct ImportCase {
    const char* name;
    QString header;
    QString records;
    std::optional<int> track;
    std::vector<RowCode> rows;
    int tempo;
    FittingReport report;   // tempo, rows and timing error are checked apart
    MidiVoice chosen;
    int drumNotes;
    int notesBeneath;
    int tempoChanges;
};

TEST(MidiImport, FitsTheChosenLine)
{
    // 480 ticks a quarter: at 120 beats per minute a sixteenth is 120 ticks, 125 ms.
    const ImportCase cases[] = {
        {"format 0 with running status: C quarter, D and E eighths, a quarter rest, G half",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120, QStringLiteral("0, Time_signature, 3, 2, 24, 8")}
                      + notes({note(0, 60, 0, 480), note(0, 62, 480, 720), note(0, 64, 720, 960),
                               note(0, 67, 1440, 2400)}), 2400),
         {}, {123, 141, 161, 992, 195}, 120, {.octaveShift = 1}, {1, 1, 4}, 0, 0, 0},
        {"format 1: the tempo track, a melody, chords on channel 2 and drums: the melody has most notes",
         QStringLiteral("1, 4, 480"),
         track(1, {kTempo120}, 0)
             + track(2, notes({note(0, 72, 0, 240), note(0, 74, 240, 480), note(0, 76, 480, 960)}), 960)
             + track(3, notes({note(1, 48, 0, 960), note(1, 52, 0, 960)}), 960)
             + track(4, notes({note(9, 36, 0, 60), note(9, 38, 240, 300), note(9, 36, 480, 540),
                               note(9, 38, 720, 780)}), 960),
         {}, {121, 141, 163}, 120, {}, {2, 1, 3}, 4, 0, 0},
        {"format 1 with the chords' track picked: the highest of each chord",
         QStringLiteral("1, 3, 480"),
         track(1, {kTempo120}, 0)
             + track(2, notes({note(0, 72, 0, 240), note(0, 74, 240, 480), note(0, 76, 480, 960)}), 960)
             + track(3, notes({note(1, 48, 0, 960), note(1, 52, 0, 960), note(1, 55, 0, 960)}), 960),
         3, {75}, 120, {.octaveShift = 1}, {3, 2, 3}, 0, 2, 0},
        {"overlaps: the top of a chord, a lower note under a held one left out, a legato step down",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120}
                      + notes({note(0, 60, 0, 480), note(0, 64, 0, 480), note(0, 67, 0, 480),
                               note(0, 69, 480, 1440), note(0, 65, 720, 960),
                               note(0, 64, 1440, 1930), note(0, 62, 1920, 2400)}), 2400),
         {}, {193, 215, 163, 143}, 120, {.octaveShift = 1}, {1, 1, 7}, 0, 3, 0},
        {"a tempo change: quarters at 120, then at 60 beats per minute",
         QStringLiteral("0, 1, 480"),
         track(1, sorted(QStringList{kTempo120, QStringLiteral("960, Tempo, 1000000")}
                      + notes({note(0, 72, 0, 480), note(0, 72, 480, 960), note(0, 72, 960, 1440),
                               note(0, 72, 1440, 1920)})), 1920),
         {}, {123, 123, 125, 125}, 120, {}, {1, 1, 4}, 0, 0, 1},
        {"notes off the keyboard: the low ones move up as a whole, the one high note by itself",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120}
                      + notes({note(0, 36, 0, 480), note(0, 38, 480, 960), note(0, 40, 960, 1440),
                               note(0, 96, 1440, 1920)}), 1920),
         {}, {123, 143, 163, 243}, 120, {.octaveShift = 3, .notesMovedByOctave = 1}, {1, 1, 4}, 0, 0, 0},
        {"a note of three whole notes: the slowest tempo, a whole note and a half rest",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120} + notes({note(0, 72, 0, 5760)}), 5760),
         {}, {127, 993}, 60, {.notesShortened = 1}, {1, 1, 1}, 0, 0, 0},
        {"a grace note on the same sixteenth as the next note merges into the higher one",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120} + notes({note(0, 74, 0, 20), note(0, 72, 20, 480)}), 480),
         {}, {143}, 120, {.notesMerged = 1}, {1, 1, 2}, 0, 0, 0},
        {"clicks of 20 ticks: each a sixteenth at 180, with rests up to the next",
         QStringLiteral("0, 1, 480"),
         track(1, QStringList{kTempo120} + notes({note(0, 72, 0, 20), note(0, 72, 480, 500)}), 960),
         {}, {120, 992, 990, 120, 992, 990}, 180, {.notesLengthened = 2}, {1, 1, 2}, 0, 0, 0},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto melody = importMelody(csvMidi(c.header, c.records), {.track = c.track});
        ASSERT_TRUE(melody.has_value()) << melody.error().toStdString();
        EXPECT_EQ(melody->fitted.rows, c.rows);
        EXPECT_EQ(melody->fitted.tempo, c.tempo);
        FittingReport report = melody->fitted.report;
        EXPECT_EQ(report.rows, int(c.rows.size()));
        EXPECT_EQ(report.tempo, c.tempo);
        report.rows = 0;
        report.tempo = 0;
        report.timingErrorMs = 0;
        EXPECT_EQ(report, c.report);
        const auto& facts = std::get<MidiLineFacts>(melody->source);
        EXPECT_EQ(facts.chosen, c.chosen);
        EXPECT_EQ(facts.drumNotes, c.drumNotes);
        EXPECT_EQ(facts.notesBeneath, c.notesBeneath);
        EXPECT_EQ(facts.tempoChanges, c.tempoChanges);
    }
}

TEST(MidiImport, ReportsTheFileAndItsVoices)
{
    const auto melody = importMelody(csvMidi(QStringLiteral("1, 3, 96"),
        track(1, {kTempo120, QStringLiteral("0, Title_t, \"Ode\""), QStringLiteral("0, Time_signature, 3, 2, 24, 8")}, 0)
            + track(2, notes({note(0, 72, 0, 96), note(3, 74, 96, 192)}), 192)
            + track(3, notes({note(1, 72, 0, 96)}), 96)));
    ASSERT_TRUE(melody.has_value()) << melody.error().toStdString();
    EXPECT_EQ(melody->title, QStringLiteral("Ode"));
    const auto& facts = std::get<MidiLineFacts>(melody->source);
    EXPECT_EQ(facts.format, 1);
    EXPECT_EQ(facts.tracks, 3);
    EXPECT_EQ(facts.voices, (std::vector<MidiVoice>{{2, 1, 1}, {2, 4, 1}, {3, 2, 1}}));
    EXPECT_EQ(facts.chosen, (MidiVoice{2, 1, 1})) << "of equal voices the first in the file";
    EXPECT_EQ(facts.timeSignature, (std::pair{3, 4}));
}

TEST(MidiImport, RefusesWhatHoldsNoLine)
{
    const struct {
        const char* name;
        QString records;
        std::optional<int> track;
        const char* reason;
    } cases[] = {
        {"an empty track", track(1, {kTempo120}, 0), {}, "it holds no notes outside the drums (channel 10)"},
        {"drums only", track(1, notes({note(9, 36, 0, 60)}), 60), {}, "it holds no notes outside the drums (channel 10)"},
        {"a track that is not there", track(1, notes({note(0, 60, 0, 60)}), 60), 2, "there is no track 2: the file has 1"},
        {"a track without notes", track(1, notes({note(0, 60, 0, 60)}), 60) + track(2, {}, 0), 2,
         "track 2 holds no notes outside the drums (channel 10)"},
    };
    for (const auto& c : cases) {
        const QString header = QStringLiteral("1, %1, 96").arg(c.records.count(QStringLiteral("Start_track")));
        const auto melody = importMelody(csvMidi(header, c.records), {.track = c.track});
        ASSERT_FALSE(melody.has_value()) << c.name;
        EXPECT_EQ(melody.error().toStdString(), c.reason) << c.name;
    }
}

} // namespace
} // namespace tw
