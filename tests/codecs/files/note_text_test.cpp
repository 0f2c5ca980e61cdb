#include "codecs/files/note_text.h"

#include "support/printers.h"

#include <gtest/gtest.h>

#include <limits>

namespace tw {

void PrintTo(const LineVerdict& verdict, std::ostream* os)
{
    std::visit(
        [os](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, line::EmptyRow>) *os << "empty row";
            else if constexpr (std::is_same_v<V, line::Comment>) *os << "comment";
            else if constexpr (std::is_same_v<V, line::Invalid>) *os << "invalid";
            else if constexpr (std::is_same_v<V, line::Tempo>) *os << "tempo " << v.bpm;
            else if constexpr (std::is_same_v<V, line::Title>) *os << "title " << v.text.toStdString();
            else *os << "row " << v.code;
        },
        verdict);
}

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

struct LineCase {
    const char16_t* line;
    LineVerdict verdict;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << QString::fromUtf16(c.line).toStdString(); }

line::Title title(const char16_t* text) { return {QString::fromUtf16(text)}; }

class ParseMmlLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseMmlLineTest, ClassifiesTheLine)
{
    EXPECT_EQ(ParseMmlLine(QString::fromUtf16(GetParam().line)), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ParseMmlLineTest, ::testing::Values(
    LineCase{u"O4C8", line::Row{121}},
    LineCase{u"o4c8", line::Row{121}},
    LineCase{u"O4C+8.", line::Row{132}},
    LineCase{u"O3F4", line::Row{53}},
    LineCase{u"O5F16", line::Row{290}},
    LineCase{u"O4C16", line::Row{120}},
    LineCase{u"O4C8.x", line::Row{122}},
    LineCase{u"O4C8 ", line::Invalid{}},
    LineCase{u"O6C8", line::Invalid{}},
    LineCase{u"O4H8", line::Invalid{}},
    LineCase{u"O4C", line::Invalid{}},
    LineCase{u"O", line::Invalid{}},
    LineCase{u"R8", line::Row{991}},
    LineCase{u"r16", line::Row{990}},
    LineCase{u"R8.", line::Invalid{}},
    LineCase{u"'title=  My song ", title(u"My song")},
    LineCase{u"'Tempo=100", line::Tempo{90}},
    LineCase{u"'tempo=74", line::Tempo{60}},
    LineCase{u"'tempo=200", line::Tempo{180}},
    LineCase{u"'tempo=abc", line::Invalid{}},
    LineCase{u"'tempo 120", line::Invalid{}},
    LineCase{u"'TeMpO=120", line::Comment{}},
    LineCase{u"'any remark", line::Comment{}},
    LineCase{u"", line::EmptyRow{}},
    LineCase{u" O4C8", line::Invalid{}}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, ParseMmlLineTest, ::testing::Values(
    LineCase{u"O3C8", line::Row{1}},
    LineCase{u"O5B8", line::Row{351}},
    LineCase{u"O4E+8", line::Row{171}},
    LineCase{u"O4B+8", line::Row{241}},
    LineCase{u"O4C86", line::Row{120}},
    LineCase{u"o4C8", line::Row{121}},
    LineCase{u"O4c8", line::Row{121}},
    LineCase{u"O4C6", line::Invalid{}},
    LineCase{u"O4C8+", line::Invalid{}},
    LineCase{u"Ox", line::Invalid{}},
    LineCase{u"O４C8", line::Invalid{}},
    LineCase{u"'", line::Comment{}},
    LineCase{u"'titl", line::Comment{}},
    LineCase{u"'title=", title(u"")},
    LineCase{u"'TITLE=a=b", title(u"a=b")},
    LineCase{u"'Title xyz = b", title(u"b")},
    LineCase{u"'title", line::Invalid{}},
    LineCase{u"'tempo=", line::Invalid{}},
    LineCase{u"'tempoXX=150", line::Tempo{150}},
    LineCase{u"R16 ", line::Invalid{}},
    LineCase{u"R", line::Invalid{}},
    LineCase{u"R32", line::Invalid{}},
    LineCase{u"ROC8", line::Invalid{}},
    LineCase{u"121", line::Invalid{}},
    LineCase{u"\nO4C8", line::Invalid{}}));

// Lines whose code no row could show: a dotted whole note (length index 8), key 36 (O5B+) and
// the sixteenth C of octave 3 (code 0, the empty row). The ideographic space is kept in a title.
INSTANTIATE_TEST_SUITE_P(CodesNoRowHolds, ParseMmlLineTest, ::testing::Values(
    LineCase{u"O4C1.", line::Invalid{}},
    LineCase{u"O3C1.", line::Invalid{}},
    LineCase{u"O5B+8", line::Invalid{}},
    LineCase{u"O5B+16", line::Invalid{}},
    LineCase{u"O3C16", line::Invalid{}},
    LineCase{u"O3C86", line::Invalid{}},
    LineCase{u"O3C+16", line::Row{10}},
    LineCase{u"O5B16", line::Row{350}},
    LineCase{u"O5B1", line::Row{357}},
    LineCase{u"'title=　曲　", title(u"　曲　")},
    LineCase{u"'title= 　曲 ", title(u"　曲")}));

// The tempo value: an optionally signed decimal number with an optional fraction between
// blanks, clamped to 60..180 and rounded to a step of 30, exact halves upwards.
INSTANTIATE_TEST_SUITE_P(TempoValues, ParseMmlLineTest, ::testing::Values(
    LineCase{u"'tempo=120", line::Tempo{120}},
    LineCase{u"'TEMPO=  150  ", line::Tempo{150}},
    LineCase{u"'tempo=+120", line::Tempo{120}},
    LineCase{u"'tempo=-5", line::Tempo{60}},
    LineCase{u"'tempo=0", line::Tempo{60}},
    LineCase{u"'tempo=75", line::Tempo{90}},
    LineCase{u"'tempo=104.99", line::Tempo{90}},
    LineCase{u"'tempo=105", line::Tempo{120}},
    LineCase{u"'tempo=135", line::Tempo{150}},
    LineCase{u"'tempo=165", line::Tempo{180}},
    LineCase{u"'tempo=164.5", line::Tempo{150}},
    LineCase{u"'tempo=150.", line::Tempo{150}},
    LineCase{u"'tempo=.5", line::Tempo{60}},
    LineCase{u"'tempo=0090", line::Tempo{90}},
    LineCase{u"'tempo=99999999999999999999999999", line::Tempo{180}},
    LineCase{u"'tempo=.", line::Invalid{}},
    LineCase{u"'tempo=+", line::Invalid{}},
    LineCase{u"'tempo=+-90", line::Invalid{}},
    LineCase{u"'tempo= ", line::Invalid{}},
    LineCase{u"'tempo=1e2", line::Invalid{}},
    LineCase{u"'tempo=0x78", line::Invalid{}},
    LineCase{u"'tempo=&H78", line::Invalid{}},
    LineCase{u"'tempo=1,200", line::Invalid{}},
    LineCase{u"'tempo=$120", line::Invalid{}},
    LineCase{u"'tempo=¥120", line::Invalid{}},
    LineCase{u"'tempo=１２０", line::Invalid{}},
    LineCase{u"'tempo=12 0", line::Invalid{}},
    LineCase{u"'tempo=120bpm", line::Invalid{}},
    LineCase{u"'tempo=\t120", line::Invalid{}},
    LineCase{u"'tempo=120\n", line::Invalid{}},
    LineCase{u"'tempo=inf", line::Invalid{}},
    LineCase{u"'tempo=nan", line::Invalid{}}));

// Only the first 99 characters after the "=" are the value.
TEST(ParseMmlLineTempo, ReadsNoMoreThan99CharactersOfTheValue)
{
    const QString cutAfterTheNumber = QStringLiteral("'tempo=150") + QString(96, u' ') + u'x';
    EXPECT_EQ(ParseMmlLine(cutAfterTheNumber), LineVerdict(line::Tempo{150}));
    const QString cutInsideTheNumber = QStringLiteral("'tempo=") + QString(97, u' ') + QStringLiteral("150");
    EXPECT_EQ(ParseMmlLine(cutInsideTheNumber), LineVerdict(line::Tempo{60}));
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
        const LineVerdict expected = !isRow(code) ? LineVerdict(line::Invalid{})
            : code == kEmptyRow                   ? LineVerdict(line::EmptyRow{})
                                                  : LineVerdict(line::Row{RowCode(code)});
        ASSERT_EQ(ParseMmlLine(text), expected) << "code " << code << ", text " << text.toStdString();
        rows += isRow(code);
    }
    EXPECT_EQ(rows, 1 + 36 * 8 - 1 + kRestCount);
}

} // namespace
} // namespace tw
