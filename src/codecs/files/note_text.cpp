#include "codecs/files/note_text.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <optional>

namespace tw {
namespace {

// Pitch letters by pitch index (key mod 12), "+" is the sharp.
constexpr std::array<std::u16string_view, 12> PitchLetters{
    u"C", u"C+", u"D", u"D+", u"E", u"F", u"F+", u"G", u"G+", u"A", u"A+", u"B"};
// Length tokens by note length index and by rest index.
constexpr std::array<std::u16string_view, kLengthCount> NoteLengthTokens{
    u"16", u"8", u"8.", u"4", u"4.", u"2", u"2.", u"1"};
constexpr std::array<std::u16string_view, kRestCount> RestLengthTokens{
    u"16", u"8", u"4", u"2", u"1"};

constexpr int kLowestOctave = 3;
// Note text names keys 0 to 35 (octaves 3 to 5); the row display has octave marks for no more.
constexpr int kHighestTextKey = 35;
constexpr qsizetype kMaxTempoValueLength = 99;
constexpr double kLowestTempo = 60;
constexpr double kHighestTempo = 180;
constexpr double kTempoStep = 30;

bool isOneOf(QStringView text, std::initializer_list<QStringView> choices)
{
    return std::ranges::find(choices, text) != choices.end();
}

QStringView trimBlanks(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// An optionally signed decimal number with an optional fraction between blanks, and nothing
// else: no exponent, hexadecimal prefix, digit grouping or currency sign. "5." and ".5" count.
std::optional<double> tempoValue(QStringView text)
{
    // Anchored at the very end: a lone LF stays in a line and must not pass as a blank.
    static const QRegularExpression kNumber(QRegularExpression::anchoredPattern(
        QStringLiteral(" *([+-]?)([0-9]+\\.?[0-9]*|\\.[0-9]+) *")));
    const QRegularExpressionMatch match = kNumber.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QByteArray digits = match.capturedView(2).toLatin1();
    double value = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), value,
                                              std::chars_format::fixed);
    if (error != std::errc() || end != digits.end())
        return std::nullopt;
    return match.capturedView(1) == u"-" ? -value : value;
}

LineVerdict parseTempo(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return line::Invalid{};
    const auto value = tempoValue(line.mid(equals + 1, kMaxTempoValueLength));
    if (!value)
        return line::Invalid{};
    // Round to the nearest tempo of the list; an exact half goes up (75 gives 90).
    const double clamped = std::clamp(*value, kLowestTempo, kHighestTempo);
    return line::Tempo{int(kTempoStep * std::floor(clamped / kTempoStep + 0.5))};
}

LineVerdict parseTitle(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return line::Invalid{};
    // Only the ordinary blank is trimmed: an ideographic space may be part of the title.
    return line::Title{trimBlanks(line.sliced(equals + 1)).toString()};
}

// A line starting with an apostrophe: a tempo line, a title line or a comment.
LineVerdict parseHeaderOrComment(QStringView line)
{
    const QStringView keyword = line.mid(1, 5);
    if (isOneOf(keyword, {u"TEMPO", u"Tempo", u"tempo"}))
        return parseTempo(line);
    if (isOneOf(keyword, {u"TITLE", u"Title", u"title"}))
        return parseTitle(line);
    return line::Comment{};
}

LineVerdict parseRest(QStringView length)
{
    const auto token = std::ranges::find(RestLengthTokens, length);
    if (token == RestLengthTokens.end())
        return line::Invalid{};
    return line::Row{restCode(int(token - RestLengthTokens.begin()))};
}

std::optional<int> letterValue(int c)
{
    switch (c) {
    case u'C': case u'c': return 0;
    case u'D': case u'd': return 20;
    case u'E': case u'e': return 40;
    case u'F': case u'f': return 50;
    case u'G': case u'g': return 70;
    case u'A': case u'a': return 90;
    case u'B': case u'b': return 110;
    default: return std::nullopt;
    }
}

std::optional<int> lengthDigitValue(int c)
{
    switch (c) {
    case u'8': return 1;
    case u'4': return 3;
    case u'2': return 5;
    case u'1': return 7;
    default: return std::nullopt;
    }
}

// A note line: "O", octave digit, letter, optional "+", length digit, optional "." or "6".
// Positions count from 1; characters after the length are not examined.
LineVerdict parseNote(QStringView line)
{
    const auto at = [line](qsizetype position) -> int {
        return position <= line.size() ? line[position - 1].unicode() : -1;
    };
    const int octave = at(2);
    if (octave < u'0' || octave > u'9')
        return line::Invalid{};
    bool malformed = false;
    int code = (octave - u'0' - kLowestOctave) * 120;
    if (code < 0 || code > 240)
        malformed = true;

    const auto letter = letterValue(at(3));
    if (letter)
        code += *letter;
    else
        malformed = true;

    const int shift = at(4) == u'+' ? 1 : 0;
    code += shift * 10;

    const auto digit = lengthDigitValue(at(4 + shift));
    int length = digit.value_or(0);
    if (!digit)
        malformed = true;

    switch (at(5 + shift)) {
    case -1: break;
    case u'.': length += 1; break;
    case u'6': length = 0; break;
    default: malformed = true;
    }
    if (malformed)
        return line::Invalid{};

    // Codes no row can hold: a dotted whole note (length index 8 has no name or duration),
    // a key above the last one with an octave mark (O5B+), and the sixteenth C of octave 3,
    // whose code 0 would turn a note into an empty row.
    const int key = code / 10;
    if (length >= kLengthCount || key > kHighestTextKey || code + length == kEmptyRow)
        return line::Invalid{};
    return line::Row{RowCode(code + length)};
}

} // namespace

QString CodeToMml(RowCode code)
{
    if (code == kEmptyRow)
        return {};
    const int key = keyOf(code);
    const int length = lengthOf(code);
    if (key == kNoKey && length != lengthOf(kPendingRow))
        return QStringLiteral("R") + lookup(RestLengthTokens, length);
    // Every other code, the pending 999 included, is written as a note; a digit without a
    // length token writes none, so the reader rejects the line (999 gives O11D+).
    return QStringLiteral("O") + QString::number(key / 12 + kLowestOctave) + lookup(PitchLetters, key % 12)
        + lookup(NoteLengthTokens, length);
}

LineVerdict ParseMmlLine(QStringView line)
{
    if (line.isEmpty())
        return line::EmptyRow{};
    switch (line.front().unicode()) {
    case u'\'': return parseHeaderOrComment(line);
    case u'R': case u'r': return parseRest(line.sliced(1));
    case u'O': case u'o': return parseNote(line);
    default: return line::Invalid{};
    }
}

} // namespace tw
