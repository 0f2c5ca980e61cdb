// The score list's columns line up only if the font draws every double-byte
// character exactly twice as wide as an ASCII character.

#include "codecs/score/row_text.h"
#include "gui/row_font.h"
#include "support/printers.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <span>

namespace tw::gui {
namespace {

//! Every character the row texts can hold.
QString rowCharacters()
{
    QString all = QStringLiteral(" 0123456789");
    for (const auto& table : {std::span<const std::u16string_view>(PitchNames),
                              std::span<const std::u16string_view>(OctaveMarks),
                              std::span<const std::u16string_view>(NoteLengthNames),
                              std::span<const std::u16string_view>(RestNames)})
        for (const auto name : table)
            all += text(name);
    return all;
}

TEST(RowFont, IsIpaGothicAtTwelvePixels)
{
    const QFontInfo info(rowFont());
    EXPECT_EQ(info.family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(info.pixelSize(), 12);
}

TEST(RowFont, DoubleByteCharactersAreTwoColumnsAndAsciiOne)
{
    const QFontMetrics metrics(rowFont());
    const int column = metrics.horizontalAdvance(QLatin1Char('0'));
    ASSERT_GT(column, 0);
    for (const QChar c : rowCharacters()) {
        const int columns = c.unicode() < 0x80 ? 1 : 2;
        EXPECT_EQ(metrics.horizontalAdvance(c), columns * column) << QString(c).toStdString();
    }
}

TEST(RowFont, NoteAndRestRowsEndInTheSameColumn)
{
    const QFontMetrics metrics(rowFont());
    const int column = metrics.horizontalAdvance(QLatin1Char('0'));
    std::vector<RowCode> codes;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        for (int length = 0; length < kLengthCount; ++length)
            codes.push_back(RowCode(key * 10 + length));
    for (int rest = 0; rest < kRestCount; ++rest)
        codes.push_back(RowCode(kRestBase + rest));
    for (const RowCode code : codes) {
        QString row = composeRowText(500, fieldsForCode(code));
        row.chop(2);  // the CR LF is not drawn
        EXPECT_EQ(metrics.horizontalAdvance(row), 27 * column) << row.toStdString();
    }
}

} // namespace
} // namespace tw::gui
