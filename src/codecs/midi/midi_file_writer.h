#pragma once
// The melody as a Standard MIDI File of format 0: what a sequencer needs to play exactly what
// the editor's player plays. One sixteenth is kTicksPerSixteenth ticks and the file's tempo
// makes a tick last exactly its share of sixteenthMs(tempo), so every row lasts in the file
// the whole milliseconds it lasts in the player.

#include "codecs/files/write_error.h"
#include "codecs/score/tables.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <expected>
#include <span>

namespace tw {

inline constexpr int kTicksPerSixteenth = 120;
inline constexpr int kTicksPerQuarter = 4 * kTicksPerSixteenth;

//! The file's bytes: the title as the track's name (in code page 932, as melody files keep
//! it), the tempo, a program change to `program`, and each row as the player sounds it on
//! channel 1: a note of the keyboard as its note on and note off, a rest or a key off the
//! keyboard as time. `tempo` is one of the tempo list's beats per minute.
QByteArray midiFileBytes(const QString& title, int tempo, int program, std::span<const RowCode> rows);

//! Writes midiFileBytes() into the device, failing as the melody file writer does.
std::expected<void, WriteError> writeMidiFile(QIODevice& device, const QString& title, int tempo,
                                              int program, std::span<const RowCode> rows);

} // namespace tw
