// RTTTL ringtones: the format's own examples, several tunes a file, and what is no ringtone.

#include "import/melody_import.h"
#include "import/ringtone_reader.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// The example with which the format is usually explained.
const QByteArray kSimpsons = "Simpsons:d=4,o=5,b=160:32p,c.6,e6,f#6,8a6,g.6,e6,c6,8a,8f#,8f#,8f#,2g";

TEST(Ringtone, ReadsNotesLengthsAndOctaves)
{
    const auto tone = readRingtone(kSimpsons);
    ASSERT_TRUE(tone.has_value()) << tone.error().toStdString();
    EXPECT_EQ(tone->tune.title, QStringLiteral("Simpsons"));
    EXPECT_EQ(tone->tune.sourceBpm, 160);
    ASSERT_EQ(tone->tune.notes.size(), 12u);
    // A quarter lasts 375 ms at 160: the 32nd pause first, then c6 dotted.
    EXPECT_EQ(tone->tune.notes[0], (TuneNote{46875, 46875 + 562500, 84}));
    EXPECT_EQ(tone->tune.notes[2].midiNote, 90) << "f#6";
    EXPECT_EQ(tone->tune.notes[7].midiNote, 81) << "8a in the default octave 5";
    EXPECT_EQ(tone->tune.notes.back().endUs - tone->tune.notes.back().startUs, 750000) << "2g";
    EXPECT_EQ(tone->tune.endUs, tone->tune.notes.back().endUs);
}

TEST(Ringtone, FitsToTheChip)
{
    const auto scale = importMelody("Scale:d=4,o=5,b=120:c,8d,8e,p,2g");
    ASSERT_TRUE(scale.has_value()) << scale.error().toStdString();
    EXPECT_EQ(scale->fitted.rows, (std::vector<RowCode>{123, 141, 161, 992, 195}));
    EXPECT_EQ(scale->fitted.tempo, 120);
    EXPECT_EQ(scale->title, QStringLiteral("Scale"));
}

TEST(Ringtone, DefaultsAndTheDotAfterTheOctave)
{
    // No settings: d=4, o=6, b=63. The dot may follow the octave as well as the note.
    const auto tone = readRingtone("Defaults::c,8c#6.,8c#.6");
    ASSERT_TRUE(tone.has_value()) << tone.error().toStdString();
    const std::int64_t quarter = 60000000 / 63;
    const std::int64_t dottedEighth = quarter / 2 * 3 / 2;
    EXPECT_EQ(tone->tune.notes, (std::vector<TuneNote>{{0, quarter, 84},
                                                       {quarter, quarter + dottedEighth, 85},
                                                       {quarter + dottedEighth, quarter + 2 * dottedEighth, 85}}));
}

TEST(Ringtone, PicksOneOfSeveralByNameOrPlace)
{
    const QByteArray book = "One:d=4,o=5,b=100:c\r\n\r\nTwo:d=4,o=5,b=100:d\nThree:d=4,o=5,b=100:e\n";
    const struct {
        std::optional<QString> choice;
        int index;
        int note;
    } cases[] = {{{}, 1, 72}, {QStringLiteral("two"), 2, 74}, {QStringLiteral("3"), 3, 76}};
    for (const auto& c : cases) {
        const auto tone = readRingtone(book, c.choice);
        ASSERT_TRUE(tone.has_value()) << tone.error().toStdString();
        EXPECT_EQ(tone->index, c.index);
        EXPECT_EQ(tone->count, 3);
        EXPECT_EQ(tone->tune.notes.at(0).midiNote, c.note);
    }
    EXPECT_EQ(readRingtone(book, QStringLiteral("Four")).error().toStdString(),
              "no tune is named Four and none is number Four; it holds 3 (One, Two, Three)");
}

TEST(Ringtone, SaysWhatIsNoRingtone)
{
    const struct {
        QByteArray text;
        const char* reason;
    } cases[] = {
        {"just words", "line 1 is no ringtone: RTTTL reads name:d=4,o=5,b=100:notes"},
        {QByteArrayLiteral("\x00\x01\xFF binary"), "line 1 is no ringtone: RTTTL reads name:d=4,o=5,b=100:notes"},
        {"Bad:d=4,o=5,b=100:c,8x,d", "line 1 (Bad), note 2 \"8x\" is no RTTTL note"},
        {"Bad:d=4,o=5,b=100:3c", "line 1 (Bad), note 1 \"3c\" is no RTTTL note"},
        {"Zero:d=4,o=5,b=0:c", "line 1 (Zero): b=0 is out of range (d 1 to 32, o 0 to 9, b 1 to 900)"},
        {"Word:d=four:c", "line 1 (Word): the setting \"d=four\" is no key=number"},
        {"Rests:d=4,o=5,b=100:p,8p", "it holds no notes"},
        {"\n \n", "it holds no ringtone"},
    };
    for (const auto& c : cases) {
        const auto melody = importMelody(c.text);
        ASSERT_FALSE(melody.has_value()) << c.text.toStdString();
        EXPECT_EQ(melody.error().toStdString(), c.reason);
    }
}

} // namespace
} // namespace tw
