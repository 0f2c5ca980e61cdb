#include "codecs/midi/midi_file_writer.h"

#include "codecs/files/cp932.h"
#include "codecs/midi/midi_messages.h"
#include "codecs/score/row_timing.h"

#include <QFileDevice>
#include <QtEndian>
#include <cerrno>

namespace tw {
namespace {

constexpr char kEndOfTrack[] = {'\xFF', '\x2F', '\x00'};
constexpr int kTrackNameMeta = 0x03;
constexpr int kTempoMeta = 0x51;
// Data bytes of text events: anything longer than this is no title of ours.
constexpr int kMaxTextLength = 127;

void appendVariableLength(QByteArray& out, quint32 value)
{
    char groups[5];
    int count = 0;
    do {
        groups[count++] = char(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.append(char(groups[--count] | 0x80));
    out.append(groups[0]);
}

// A short message as the editor hands it to the synthesizer: status in the lowest byte.
void appendShortMessage(QByteArray& out, quint32 delta, std::uint32_t message, int dataBytes)
{
    appendVariableLength(out, delta);
    for (int i = 0; i <= dataBytes; ++i)
        out.append(char((message >> (8 * i)) & 0xFF));
}

void appendBigEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray trackEvents(const QString& title, int tempo, int program, std::span<const RowCode> rows)
{
    QByteArray events;
    if (const QByteArray name = cp932::encode(title).left(kMaxTextLength); !name.isEmpty()) {
        events.append('\x00').append('\xFF').append(char(kTrackNameMeta)).append(char(name.size()));
        events.append(name);
    }
    events.append('\x00').append('\xFF').append(char(kTempoMeta)).append('\x03');
    appendBigEndian(events, quint32(4 * sixteenthMs(tempo) * 1000), 3);
    appendShortMessage(events, 0, programChangeMessage(program), 1);

    // Time passes in rests and in keys the player does not sound, and goes into the next event.
    quint32 pending = 0;
    for (const RowCode code : rows) {
        const quint32 ticks = quint32(sixteenthsOf(code) * kTicksPerSixteenth);
        const int key = keyOf(code);
        if (!isSoundingKey(key) || ticks == 0) {
            pending += ticks;
            continue;
        }
        appendShortMessage(events, pending, noteOnMessage(key, kNoteOnBase), 2);
        appendShortMessage(events, ticks, noteOffMessage(key), 2);
        pending = 0;
    }
    appendVariableLength(events, pending);
    events.append(kEndOfTrack, sizeof kEndOfTrack);
    return events;
}

} // namespace

QByteArray midiFileBytes(const QString& title, int tempo, int program, std::span<const RowCode> rows)
{
    QByteArray file("MThd\0\0\0\x06\0\0\0\x01", 12);
    appendBigEndian(file, kTicksPerQuarter, 2);
    const QByteArray events = trackEvents(title, tempo, program, rows);
    file.append("MTrk", 4);
    appendBigEndian(file, quint32(events.size()), 4);
    return file + events;
}

std::expected<void, WriteError> writeMidiFile(QIODevice& device, const QString& title, int tempo,
                                              int program, std::span<const RowCode> rows)
{
    return writeAll(device, midiFileBytes(title, tempo, program, rows));
}

} // namespace tw
