#pragma once
// Ringtones in RTTTL, the text of one-voice phone tunes: one tune a line,
// "name:d=4,o=5,b=100:8c6,8p,a#.5,…" with the default length, octave and beats per minute
// between the colons, then the notes: an optional length, the note (c to b, h for b, p for a
// pause), an optional sharp, an optional dot and an optional octave.

#include "import/tune.h"

#include <QByteArray>
#include <QString>
#include <expected>
#include <optional>

namespace tw {

struct Ringtone {
    Tune tune;           //!< the title is the tune's name
    int index = 0;       //!< the tune's place in the file, from 1
    int count = 0;       //!< the tunes the file holds
};

//! The tune named `choice` (any case), or else the one at the place `choice` gives from 1, or
//! the first without a choice. Fails with one sentence naming the line, and the note, that is
//! not RTTTL, or the choice that matches no tune.
std::expected<Ringtone, QString> readRingtone(const QByteArray& bytes, const std::optional<QString>& choice = {});

} // namespace tw
