#include "codecs/score/row_text.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct RowTextCase {
    int row;
    RowCode code;
    const char16_t* expected;
};

class RowTextTest : public ::testing::TestWithParam<RowTextCase> {};

TEST_P(RowTextTest, ComposesNumberMarkPitchAndLength)
{
    const auto& c = GetParam();
    EXPECT_EQ(composeRowText(c.row, fieldsForCode(c.code)), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, RowTextTest, ::testing::Values(
    RowTextCase{7, 173, u" 007  　 ファ　     4分音符\r\n"},
    RowTextCase{12, 991, u" 012                8分休符\r\n"},
    RowTextCase{500, 297, u" 500  ↑ ファ　      全音符\r\n"},
    RowTextCase{3, 0, u" 003            \r\n"},
    RowTextCase{1, 50, u" 001  ↓ ファ　    16分音符\r\n"},
    RowTextCase{3, 994, u" 003                 全休符\r\n"},
    RowTextCase{9, 123, u" 009  　 ド　　     4分音符\r\n"},
    // A spare slot of the name tables shows an empty length.
    RowTextCase{4, 128, u" 004  　 ド　　 \r\n"}));

TEST(TempoTable, FindsItemsByBeatsPerMinute)
{
    EXPECT_EQ(tempoIndexOf(60), 0);
    EXPECT_EQ(tempoIndexOf(180), 4);
    EXPECT_EQ(tempoIndexOf(100), -1);
    for (const TempoItem& item : TempoItems)
        EXPECT_EQ(text(item.text), QString::number(item.bpm)) << "the list shows the tempo it plays";
}

} // namespace
} // namespace tw
