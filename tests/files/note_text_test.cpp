#include "files/note_text.h"

#include "support/printers.h"

#include <gtest/gtest.h>

#include <limits>

namespace tw {
namespace {

struct CodeText {
    RowCode code;
    const char16_t* text;
};

class CodeToMmlTest : public ::testing::TestWithParam<CodeText> {};

TEST_P(CodeToMmlTest, WritesTheNoteText)
{
    EXPECT_EQ(CodeToMml(GetParam().code), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeToMmlTest, ::testing::Values(
    CodeText{121, u"O4C8"},
    CodeText{52, u"O3F8."},
    CodeText{130, u"O4C+16"},
    CodeText{290, u"O5F16"},
    CodeText{297, u"O5F1"},
    CodeText{990, u"R16"},
    CodeText{992, u"R4"},
    CodeText{0, u""},
    // A row still pending when saved: a text the reader refuses.
    CodeText{999, u"O11D+"}));

struct LineVerdict {
    const char16_t* line;
    const char16_t* verdict;
};

class ParseMmlLineTest : public ::testing::TestWithParam<LineVerdict> {};

TEST_P(ParseMmlLineTest, ClassifiesTheLine)
{
    EXPECT_EQ(ParseMmlLine(QString::fromUtf16(GetParam().line)),
              QString::fromUtf16(GetParam().verdict));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ParseMmlLineTest, ::testing::Values(
    LineVerdict{u"O4C8", u"121"},
    LineVerdict{u"o4c8", u"121"},
    LineVerdict{u"O4C+8.", u"132"},
    LineVerdict{u"O3F4", u"53"},
    LineVerdict{u"O5F16", u"290"},
    LineVerdict{u"O4C16", u"120"},
    LineVerdict{u"O4C8.x", u"122"},
    LineVerdict{u"O4C8 ", u"error"},
    LineVerdict{u"O6C8", u"error"},
    LineVerdict{u"O4H8", u"error"},
    LineVerdict{u"O4C", u"error"},
    LineVerdict{u"O", u"error"},
    LineVerdict{u"R8", u"991"},
    LineVerdict{u"r16", u"990"},
    LineVerdict{u"R8.", u"error"},
    LineVerdict{u"'title=  My song ", u"titleMy song"},
    LineVerdict{u"'Tempo=100", u"tempo90"},
    LineVerdict{u"'tempo=74", u"tempo60"},
    LineVerdict{u"'tempo=200", u"tempo180"},
    LineVerdict{u"'tempo=abc", u"error"},
    LineVerdict{u"'tempo 120", u"error"},
    LineVerdict{u"'TeMpO=120", u"999"},
    LineVerdict{u"'any remark", u"999"},
    LineVerdict{u"", u""},
    LineVerdict{u" O4C8", u"error"}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, ParseMmlLineTest, ::testing::Values(
    LineVerdict{u"O3C8", u"1"},
    LineVerdict{u"O5B8", u"351"},
    LineVerdict{u"O4E+8", u"171"},
    LineVerdict{u"O4B+8", u"241"},
    LineVerdict{u"O4C86", u"120"},
    LineVerdict{u"o4C8", u"121"},
    LineVerdict{u"O4c8", u"121"},
    LineVerdict{u"O4C6", u"error"},
    LineVerdict{u"O4C8+", u"error"},
    LineVerdict{u"Ox", u"error"},
    LineVerdict{u"O４C8", u"error"},
    LineVerdict{u"'", u"999"},
    LineVerdict{u"'titl", u"999"},
    LineVerdict{u"'title=", u"title"},
    LineVerdict{u"'TITLE=a=b", u"titlea=b"},
    LineVerdict{u"'Title xyz = b", u"titleb"},
    LineVerdict{u"'title", u"error"},
    LineVerdict{u"'tempo=", u"error"},
    LineVerdict{u"'tempoXX=150", u"tempo150"},
    LineVerdict{u"R16 ", u"error"},
    LineVerdict{u"R", u"error"},
    LineVerdict{u"R32", u"error"},
    LineVerdict{u"ROC8", u"error"},
    LineVerdict{u"121", u"error"},
    LineVerdict{u"\nO4C8", u"error"}));

// Lines whose code no row could show: a dotted whole note (length index 8), key 36 (O5B+) and
// the sixteenth C of octave 3 (code 0, the empty row). The ideographic space is kept in a title.
INSTANTIATE_TEST_SUITE_P(CodesNoRowHolds, ParseMmlLineTest, ::testing::Values(
    LineVerdict{u"O4C1.", u"error"},
    LineVerdict{u"O3C1.", u"error"},
    LineVerdict{u"O5B+8", u"error"},
    LineVerdict{u"O5B+16", u"error"},
    LineVerdict{u"O3C16", u"error"},
    LineVerdict{u"O3C86", u"error"},
    LineVerdict{u"O3C+16", u"10"},
    LineVerdict{u"O5B16", u"350"},
    LineVerdict{u"O5B1", u"357"},
    LineVerdict{u"'title=　曲　", u"title　曲　"},
    LineVerdict{u"'title= 　曲 ", u"title　曲"}));

// The tempo value: an optionally signed decimal number with an optional fraction between
// blanks, clamped to 60..180 and rounded to a step of 30, exact halves upwards.
INSTANTIATE_TEST_SUITE_P(TempoValues, ParseMmlLineTest, ::testing::Values(
    LineVerdict{u"'tempo=120", u"tempo120"},
    LineVerdict{u"'TEMPO=  150  ", u"tempo150"},
    LineVerdict{u"'tempo=+120", u"tempo120"},
    LineVerdict{u"'tempo=-5", u"tempo60"},
    LineVerdict{u"'tempo=0", u"tempo60"},
    LineVerdict{u"'tempo=75", u"tempo90"},
    LineVerdict{u"'tempo=104.99", u"tempo90"},
    LineVerdict{u"'tempo=105", u"tempo120"},
    LineVerdict{u"'tempo=135", u"tempo150"},
    LineVerdict{u"'tempo=165", u"tempo180"},
    LineVerdict{u"'tempo=164.5", u"tempo150"},
    LineVerdict{u"'tempo=150.", u"tempo150"},
    LineVerdict{u"'tempo=.5", u"tempo60"},
    LineVerdict{u"'tempo=0090", u"tempo90"},
    LineVerdict{u"'tempo=99999999999999999999999999", u"tempo180"},
    LineVerdict{u"'tempo=.", u"error"},
    LineVerdict{u"'tempo=+", u"error"},
    LineVerdict{u"'tempo=+-90", u"error"},
    LineVerdict{u"'tempo= ", u"error"},
    LineVerdict{u"'tempo=1e2", u"error"},
    LineVerdict{u"'tempo=0x78", u"error"},
    LineVerdict{u"'tempo=&H78", u"error"},
    LineVerdict{u"'tempo=1,200", u"error"},
    LineVerdict{u"'tempo=$120", u"error"},
    LineVerdict{u"'tempo=¥120", u"error"},
    LineVerdict{u"'tempo=１２０", u"error"},
    LineVerdict{u"'tempo=12 0", u"error"},
    LineVerdict{u"'tempo=120bpm", u"error"},
    LineVerdict{u"'tempo=\t120", u"error"},
    LineVerdict{u"'tempo=120\n", u"error"},
    LineVerdict{u"'tempo=inf", u"error"},
    LineVerdict{u"'tempo=nan", u"error"}));

// Only the first 99 characters after the "=" are the value.
TEST(ParseMmlLineTempo, ReadsNoMoreThan99CharactersOfTheValue)
{
    const QString cutAfterTheNumber = QStringLiteral("'tempo=150") + QString(96, u' ') + u'x';
    EXPECT_EQ(ParseMmlLine(cutAfterTheNumber), QStringLiteral("tempo150"));
    const QString cutInsideTheNumber = QStringLiteral("'tempo=") + QString(97, u' ') + QStringLiteral("150");
    EXPECT_EQ(ParseMmlLine(cutInsideTheNumber), QStringLiteral("tempo60"));
}

// Every row the editor can hold comes back as the same code; every other code is written as
// a line the reader refuses, so no saved text turns into a row of another meaning.
TEST(NoteTextRoundTrip, GivesBackEveryRowCodeAndRefusesEveryOtherCode)
{
    const auto isRow = [](int code) {
        const bool note = code > 0 && code / 10 <= 35 && code % 10 <= 7;
        const bool rest = code >= kRestBase && code < kRestBase + kRestCount;
        return code == kEmptyRow || note || rest;
    };
    int rows = 0;
    for (int code = std::numeric_limits<RowCode>::min(); code <= std::numeric_limits<RowCode>::max();
         ++code) {
        const QString text = CodeToMml(RowCode(code));
        const QString expected = !isRow(code) ? QStringLiteral("error")
            : code == kEmptyRow               ? QString()
                                              : QString::number(code);
        ASSERT_EQ(ParseMmlLine(text), expected) << "code " << code << ", text " << text.toStdString();
        rows += isRow(code);
    }
    EXPECT_EQ(rows, 1 + 36 * 8 - 1 + kRestCount);
}

} // namespace
} // namespace tw
