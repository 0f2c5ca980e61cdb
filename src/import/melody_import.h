#pragma once
// Importing a melody from another program's file: a Standard MIDI File or RTTTL ringtones,
// told apart by their first bytes, read into one line and fitted to the chip.

#include "import/chip_fitting.h"
#include "import/midi_file_reader.h"
#include "import/ringtone_reader.h"

#include <QByteArray>
#include <QString>
#include <expected>
#include <optional>
#include <variant>

namespace tw {

//! Larger files are refused unread: the largest MIDI files of whole orchestral scores stay
//! far below it, and memory stays bounded whatever a file claims.
inline constexpr qsizetype kMaxImportBytes = 16 * 1024 * 1024;

struct ImportChoice {
    std::optional<int> track;       //!< the MIDI file's track to take the line from
    std::optional<QString> tune;    //!< the ringtone's name or place
};

struct ImportedMelody {
    QString title;                  //!< the file's own name for the tune, empty for none
    FittedMelody fitted;
    std::variant<MidiLineFacts, Ringtone> source;  //!< the ringtone without its notes
};

//! The melody in `bytes`; fails with one sentence saying what is wrong with them.
std::expected<ImportedMelody, QString> importMelody(const QByteArray& bytes, const ImportChoice& choice = {});

} // namespace tw
