#pragma once
// MIDI files written by an independent tool: csvmidi turns midicsv's text form into a file,
// with running status wherever MIDI allows it. midicsv reads one back into that text.

#include <QByteArray>
#include <QString>

namespace tw::test {

//! The MIDI file of these CSV records (one a line, without the header and end-of-file records:
//! "1, 0, Note_on_c, 0, 60, 100"); `header` is "format, tracks, division".
QByteArray csvMidi(const QString& header, const QString& records);

//! midicsv's text of a MIDI file.
QString midiCsv(const QByteArray& file);

} // namespace tw::test
