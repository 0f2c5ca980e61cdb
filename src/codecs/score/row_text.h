#pragma once
// The text with which a row is shown in the score list.

#include "codecs/score/tables.h"

namespace tw {

//! The three variable fields of a row text.
struct RowFields {
    QString mark;
    QString pitch;
    QString length;
};

//! Fields by row code: empty row, note (code below 990) or rest (990 and above).
RowFields fieldsForCode(RowCode code);

//! " 000  " row number, mark, blank, pitch (eight blanks when empty), blank, length, CR LF.
QString composeRowText(int row, const RowFields& fields);

} // namespace tw
