#pragma once
// The title's width limit and the file name made from a title.

#include <QString>
#include <QStringView>

namespace tw {

//! Widest title in code page 932 columns: 32 full-width characters.
inline constexpr int kTitleWidthLimit = 64;


//! The title is wider than kTitleWidthLimit.
bool titleTooWide(QStringView title);

//! The title as a melody file holds it: each character that code page 932 cannot represent
//! becomes "?", as the save writes it. The width does not change: such a character counts 1.
QString titleAsStored(QStringView title);

//! The title without its last character: a whole code point, never half a surrogate pair.
QString dropLastCharacter(QStringView title);

//! The title as the title box leaves it: the last character dropped while the title is too wide.
//! The title box and the melody file reader both cut titles by this one rule.
QString cutTitleToLimit(QStringView title);

//! The title with each of \ / : ; * " < > | + = , . replaced by "-"; every other character,
//! full-width look-alikes and blanks included, stays, so the length does not change.
QString MakeFileName(QStringView title);

} // namespace tw
