#pragma once
// The note text: the one-line form in which a melody file stores a row,
// and the verdict on one line of a melody file.

#include "score/tables.h"

#include <QString>
#include <QStringView>

namespace tw {

//! The note text of a row code: "" for an empty row, "R" and a rest length for a rest,
//! otherwise "O", octave, pitch letter and note length (O4C8., O5F16).
//! A code that is no row (the pending 999) gives a text the reader rejects (O11D+).
QString CodeToMml(RowCode code);

//! The verdict on one line of a melody file: "" (an empty row), "999" (a comment), "error",
//! "tempo" followed by 60, 90, 120, 150 or 180, "title" followed by the title, or the decimal
//! row code of a note or rest. Never a code whose row could not be shown: a dotted whole note,
//! a key above 35 and the sixteenth C of octave 3 (whose code would read as an empty row) are
//! "error".
QString ParseMmlLine(QStringView line);

} // namespace tw
