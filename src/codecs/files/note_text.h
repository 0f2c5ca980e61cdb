#pragma once
// The note text: the one-line form in which a melody file stores a row,
// and the verdict on one line of a melody file.

#include "codecs/score/tables.h"

#include <QString>
#include <QStringView>
#include <variant>

namespace tw {

//! The note text of a row code: "" for an empty row, "R" and a rest length for a rest,
//! otherwise "O", octave, pitch letter and note length (O4C8., O5F16).
//! A code that is no row (the pending 999) gives a text the reader rejects (O11D+).
QString CodeToMml(RowCode code);

//! What one line of a melody file is.
namespace line {
struct EmptyRow {     //!< an empty line
    friend bool operator==(const EmptyRow&, const EmptyRow&) = default;
};
struct Comment {      //!< a line after an apostrophe that is no title or tempo line
    friend bool operator==(const Comment&, const Comment&) = default;
};
struct Invalid {      //!< a line of no form the file has
    friend bool operator==(const Invalid&, const Invalid&) = default;
};
struct Tempo {        //!< the melody's tempo: 60, 90, 120, 150 or 180 beats per minute
    int bpm;
    friend bool operator==(const Tempo&, const Tempo&) = default;
};
struct Title {        //!< the melody's title, without blanks around it
    QString text;
    friend bool operator==(const Title&, const Title&) = default;
};
struct Row {          //!< a note or a rest row
    RowCode code;
    friend bool operator==(const Row&, const Row&) = default;
};
} // namespace line

using LineVerdict = std::variant<line::EmptyRow, line::Comment, line::Invalid, line::Tempo,
                                 line::Title, line::Row>;

//! The verdict on one line of a melody file. Never a row code that could not be shown: a
//! dotted whole note, a key above 35 and the sixteenth C of octave 3 (whose code would read as
//! an empty row) are invalid.
LineVerdict ParseMmlLine(QStringView line);

} // namespace tw
