#include "codecs/files/cp932.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray out;
    for (unsigned char v : values)
        out.append(char(v));
    return out;
}

struct Pair {
    const char16_t* text;
    QByteArray encoded;
};

class Cp932BothWays : public ::testing::TestWithParam<Pair> {};

TEST_P(Cp932BothWays, EncodesAndDecodes)
{
    const QString text = QString::fromUtf16(GetParam().text);
    EXPECT_EQ(cp932::encode(text), GetParam().encoded);
    EXPECT_EQ(cp932::decode(GetParam().encoded), text);
}

// The Windows extensions and the Windows mapping of the wave dash are why the code page is
// CP932 and not plain Shift_JIS.
INSTANTIATE_TEST_SUITE_P(Characters, Cp932BothWays, ::testing::Values(
    Pair{u"①", bytes({0x87, 0x40})},
    Pair{u"髙", bytes({0xFB, 0xFC})},
    Pair{u"～", bytes({0x81, 0x60})},
    Pair{u"テスト曲", bytes({0x83, 0x65, 0x83, 0x58, 0x83, 0x67, 0x8B, 0xC8})},
    Pair{u"A\\~ｱ", bytes({0x41, 0x5C, 0x7E, 0xB1})},
    Pair{u"", QByteArray()}));

struct Invalid {
    QByteArray encoded;
    const char16_t* text;
};

class Cp932InvalidBytes : public ::testing::TestWithParam<Invalid> {};

// Each invalid byte becomes one U+FFFD and decoding goes on with the very next byte, so a
// broken lead byte never swallows a line end or the character after it.
TEST_P(Cp932InvalidBytes, BecomeReplacementCharacters)
{
    EXPECT_EQ(cp932::decode(GetParam().encoded), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Bytes, Cp932InvalidBytes, ::testing::Values(
    Invalid{bytes({0x80}), u"\uFFFD"},
    Invalid{bytes({0xFF, 0xFE, 0x41}), u"\uFFFD\uFFFDA"},
    Invalid{bytes({0x81, 0x0D, 0x0A}), u"\uFFFD\r\n"},
    Invalid{bytes({0x85, 0x40, 0x7A}), u"\uFFFD@z"},
    Invalid{bytes({0x61, 0x81}), u"a\uFFFD"},
    Invalid{bytes({0x81, 0x7F, 0x82}), u"\uFFFD\x7F\uFFFD"}));

TEST(Cp932Decoder, GivesTheSameTextWhenTheBytesArriveOneByOne)
{
    const QByteArray whole = bytes({0x87, 0x40, 0x0D, 0xFB, 0xFC, 0x80, 0x83, 0x65, 0x81});
    cp932::Decoder decoder;
    QString pieces;
    for (char byte : whole)
        pieces += decoder.decode(QByteArrayView(&byte, 1));
    pieces += decoder.finish();
    EXPECT_EQ(pieces, cp932::decode(whole));
    EXPECT_EQ(pieces, QString::fromUtf16(u"①\r髙\uFFFDテ\uFFFD"));
}

TEST(Cp932Encode, WritesAQuestionMarkForEachCharacterItCannotRepresent)
{
    // An emoji (a surrogate pair), a Hangul syllable and a lone surrogate.
    const QString text = QString::fromUtf16(u"a\U0001F600b한c") + QChar(0xD800) + u'd';
    EXPECT_EQ(cp932::encode(text), QByteArray("a?b?c?d"));
}

struct Width {
    const char16_t* text;
    int width;
};

class Cp932Width : public ::testing::TestWithParam<Width> {};

TEST_P(Cp932Width, CountsTwoForDoubleByteCharactersAndOneOtherwise)
{
    EXPECT_EQ(cp932::width(QString::fromUtf16(GetParam().text)), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Texts, Cp932Width, ::testing::Values(
    Width{u"", 0},
    Width{u"無題", 4},
    Width{u"①髙～", 6},
    Width{u"Song 1", 6},
    Width{u"ｱｲｳ", 3},
    Width{u"\U0001F600", 1},
    Width{u"한글", 2}));

} // namespace
} // namespace tw
