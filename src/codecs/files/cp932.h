#pragma once
// Code page 932, the encoding of melody files and the measure of the title's width.
// Conversion goes through glibc iconv under the name "CP932": plain Shift_JIS lacks the
// Windows extensions (①, 髙, ...) and maps ～ differently from the files people have.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tw::cp932 {

//! Decodes bytes. An invalid byte becomes U+FFFD and decoding goes on with the next byte,
//! so no input is ever thrown away; a lead byte at the very end is invalid too.
QString decode(QByteArrayView bytes);

//! Encodes text. A character that code page 932 cannot represent is written as "?".
QByteArray encode(QStringView text);

//! Width in code page 932: 2 for each double-byte character, 1 for every other code point,
//! 1 for one that cannot be represented.
int width(QStringView text);

//! Decodes a byte stream that arrives in pieces, as decode() would decode it whole:
//! a double-byte character split between two pieces comes out as one character.
class Decoder {
public:
    QString decode(QByteArrayView piece);
    //! The end of the stream: a lead byte still waiting for its partner becomes U+FFFD.
    QString finish();

private:
    QByteArray pending_;   //!< the start of a character cut off at the end of the last piece
};

} // namespace tw::cp932
