#pragma once
// Standard MIDI Files (format 0 and 1) read into one line of notes. The file is parsed by
// portSMF's event reader; here the events become voices, a tempo map and the line.

#include "import/tune.h"

#include <QByteArray>
#include <QString>
#include <expected>
#include <optional>
#include <vector>

namespace tw {

//! The notes of one channel in one track; tracks count from 1 as the file has them, channels
//! from 1 as MIDI names them.
struct MidiVoice {
    int track = 0;
    int channel = 0;
    int notes = 0;
    friend bool operator==(const MidiVoice&, const MidiVoice&) = default;
};

//! What was read of the file and what of it became the line.
struct MidiLineFacts {
    int format = 0;
    int tracks = 0;
    std::vector<MidiVoice> voices;   //!< every voice outside the drums that has notes, in file order
    MidiVoice chosen;                //!< the voice the line was taken from
    int drumNotes = 0;               //!< notes on channel 10, which are never taken
    int notesBeneath = 0;            //!< notes of the chosen voice under a higher one
    int tempoChanges = 0;            //!< tempo events after the first
    std::optional<std::pair<int, int>> timeSignature;  //!< the first one: beats, beat note
};

struct MidiLine {
    Tune tune;
    MidiLineFacts facts;
};

//! The line of the voice with the most notes outside the drums, or of the voice with the
//! most notes in `track` when one is asked for. Fails with one sentence saying what is wrong
//! with the bytes: not a MIDI file, cut short, an unsupported format, no notes, ...
//! Memory holds one voice's notes, whatever the file claims.
std::expected<MidiLine, QString> readMidiLine(const QByteArray& bytes, std::optional<int> track = {});

} // namespace tw
