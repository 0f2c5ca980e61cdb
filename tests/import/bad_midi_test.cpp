// Bytes that are no good MIDI file: one sentence on what is wrong, no crash, no hang.

#include "import/melody_import.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace tw {
namespace {

QByteArray bigEndian(quint32 v, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char(v >> (8 * i)));
    return out;
}
QByteArray be32(quint32 v) { return bigEndian(v, 4); }

QByteArray header(int format, int tracks, int division)
{
    return QByteArray("MThd", 4) + be32(6) + bigEndian(format, 2) + bigEndian(tracks, 2) + bigEndian(division, 2);
}

QByteArray chunk(const QByteArray& events, quint32 claimed)
{
    return QByteArray("MTrk", 4) + be32(claimed) + events;
}
QByteArray chunk(const QByteArray& events) { return chunk(events, quint32(events.size())); }

const QByteArray kNote("\x00\x90\x3C\x64\x60\x80\x3C\x00", 8);
const QByteArray kEnd("\x00\xFF\x2F\x00", 4);

TEST(BadMidi, SaysWhatIsWrong)
{
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"a track that claims 4 GB", header(0, 1, 96) + chunk(kNote + kEnd, 0xFFFFFFFF),
         "the file ends inside track 1, which claims more bytes than the file has left"},
        {"a chunk cut short", header(0, 1, 96) + chunk(kNote + kEnd).chopped(3),
         "the file ends inside track 1, which claims more bytes than the file has left"},
        {"a header cut short", header(0, 1, 96).first(10), "the file ends inside its header"},
        {"more tracks announced than held", header(1, 65535, 96) + chunk(kNote + kEnd),
         "the header announces 65535 tracks, the file holds 1"},
        {"a tempo of zero", header(0, 1, 96) + chunk(QByteArray("\x00\xFF\x51\x03\x00\x00\x00", 7) + kNote + kEnd),
         "a tempo of 0 microseconds per quarter note in track 1"},
        // portSMF reads a tempo's three bytes even from an empty event; they read as zero here.
        {"an empty tempo event first", header(0, 1, 96) + chunk(QByteArray("\x00\xFF\x51\x00", 4) + kNote + kEnd),
         "a tempo of 0 microseconds per quarter note in track 1"},
        {"no ticks per quarter", header(0, 1, 0) + chunk(kNote + kEnd), "its time division is 0 ticks per quarter note"},
        {"format 2", header(2, 1, 96) + chunk(kNote + kEnd), "format 2 (independent patterns) is not supported"},
        {"a status byte where a note belongs", header(0, 1, 96) + chunk(QByteArray("\x00\x90\x90\x64", 4) + kEnd),
         "a data byte above 127 in track 1"},
        {"running status with no status", header(0, 1, 96) + chunk(QByteArray("\x00\x3C\x64", 3) + kEnd),
         "unexpected running status in track 1"},
        {"a second chunk that is no track", header(1, 2, 96) + chunk(kNote + kEnd) + QByteArray("XXXX\0\0\0\0", 8),
         "track 2 does not begin with MTrk"},
        {"empty", QByteArray(), "it is empty"},
        {"too large", QByteArray(kMaxImportBytes + 1, 'x'), "it is larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        const auto melody = importMelody(c.bytes);
        ASSERT_FALSE(melody.has_value()) << c.name;
        EXPECT_EQ(melody.error().toStdString(), c.reason) << c.name;
    }
}

// Every cut and every single-byte change of a small file ends in a melody or a reason.
TEST(BadMidi, AnyCutOrChangedByteEndsInAnswer)
{
    const QByteArray file = header(1, 2, 96) + chunk(QByteArray("\x00\xFF\x03\x03Ode\x00\xFF\x51\x03\x07\xA1\x20"
                                                                "\x00\xFF\x58\x04\x04\x02\x18\x08", 21) + kEnd)
        + chunk(kNote + QByteArray("\x00\x90\x3E\x64\x60\x3E\x00", 7) + kEnd);
    for (qsizetype size = 0; size <= file.size(); ++size)
        (void)importMelody(file.first(size));
    for (qsizetype at = 0; at < file.size(); ++at)
        for (const char value : {'\x00', '\x7F', '\x80', '\xFF'}) {
            QByteArray changed = file;
            changed[at] = value;
            const auto melody = importMelody(changed);
            EXPECT_TRUE(melody.has_value() || !melody.error().isEmpty()) << at;
        }
}

// A million notes in running status: read within moments, cut at the row limit.
TEST(BadMidi, AMillionNotesAreCutAtTheRowLimit)
{
    QByteArray events("\x00\x90", 2);
    events.reserve(6 * 1000000 + 16);
    for (int i = 0; i < 1000000; ++i)
        events.append("\x3C\x64\x30\x3C\x00\x30", 6);  // on, an eighth's 48 ticks later off, and on
    events.append("\xFF\x2F\x00", 3);  // the last off's delta is already written
    QElapsedTimer timer;
    timer.start();
    const auto melody = importMelody(header(0, 1, 96) + chunk(events));
    ASSERT_TRUE(melody.has_value()) << melody.error().toStdString();
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(melody->fitted.rows.size(), std::size_t(kMaxRows));
    EXPECT_TRUE(melody->fitted.report.rowsCut);
    EXPECT_EQ(melody->fitted.report.notesCut, 1000000 - 250);
}

} // namespace
} // namespace tw
