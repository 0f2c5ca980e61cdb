#include "support/printers.h"
#include "codecs/transfer/symbols.h"
#include "codecs/transfer/transfer_code.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace tw {
namespace {

std::string bitsOf(RowWord word) { return bitText(word, kWordBits).toStdString(); }

struct WordCase {
    RowCode code;
    const char* bits;  // pitch code, then length code
};

class RowWordTest : public testing::TestWithParam<WordCase> {};

TEST_P(RowWordTest, CodeGivesPitchThenLengthBits)
{
    const auto word = rowWord(GetParam().code);
    ASSERT_TRUE(word.has_value());
    EXPECT_EQ(bitsOf(*word), GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(Examples, RowWordTest, testing::Values(
    WordCase{53, "00010101"},    // F low, quarter
    WordCase{297, "11110000"},   // F high, whole
    WordCase{120, "01010001"},   // C middle, sixteenth
    WordCase{991, "00001111"},   // eighth rest
    WordCase{994, "00001000"},   // whole rest
    WordCase{114, "01000100"},   // B low, dotted quarter
    WordCase{172, "10000110"},   // F middle, dotted eighth: the code after E skips 01111
    WordCase{236, "10110010"},   // B middle, dotted half
    WordCase{240, "11000001"},   // C high, sixteenth: the code after B skips 10111
    WordCase{285, "11100011"},   // E high, half
    WordCase{990, "00001001"},   // sixteenth rest
    WordCase{992, "00001101"},   // quarter rest
    WordCase{993, "00001011"})); // half rest

TEST(PitchCodes, RiseWithTheKeyAndSkipTheValueAfterEachBAndE)
{
    const std::set<int> skipped{9, 15, 23, 29};
    int expected = 2;
    for (int key = kFirstKey; key <= kLastKey; ++key, ++expected) {
        while (skipped.contains(expected))
            ++expected;
        EXPECT_EQ(PitchCodes[std::size_t(key)], expected)
            << "key " << key;
    }
}

struct ValidityCase {
    RowCode code;
    bool passesKeyTest;
    bool encodes;
};

class ValidityTest : public testing::TestWithParam<ValidityCase> {};

TEST_P(ValidityTest, KeyTestAndEncoding)
{
    const auto [code, passesKeyTest, encodes] = GetParam();
    EXPECT_EQ(isValidRowCode(code), passesKeyTest) << code;
    SendBitTable bits(1, RowWord(0b11111111));
    const auto encoded = EncodeRow(code, 0, bits);
    EXPECT_EQ(encoded.has_value(), encodes) << code;
    if (!encoded) {
        EXPECT_EQ(encoded.error(), InvalidData{code});
        EXPECT_EQ(bitsOf(bits[0]), "11111111") << "an invalid code writes nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, ValidityTest, testing::Values(
    ValidityCase{40, false, false},    // key 4
    ValidityCase{300, false, false},   // key 30
    ValidityCase{50, true, true},      // lowest key
    ValidityCase{297, true, true},     // highest key, longest note
    ValidityCase{58, true, false},     // spare note length slot
    ValidityCase{59, true, false},
    ValidityCase{995, true, false},    // rest index past the rest table
    ValidityCase{998, true, false},
    ValidityCase{999, true, false},    // a pending row has no length code
    ValidityCase{0, false, false},     // an empty row is skipped, never encoded
    ValidityCase{-53, false, false},
    ValidityCase{9999, false, false}));

TEST(EncodeRow, GrowsTheTableAndKeepsWhatItHeld)
{
    SendBitTable bits(1, *rowWord(991));
    ASSERT_TRUE(EncodeRow(53, 3, bits).has_value());
    ASSERT_EQ(bits.size(), 4u);
    EXPECT_EQ(bitsOf(bits[0]), "00001111");
    EXPECT_EQ(bitsOf(bits[3]), "00010101");
}

std::vector<std::string> wordsOf(const SendTable& table)
{
    std::vector<std::string> words;
    for (int i = 0; i < table.SendRowCount; ++i)
        words.push_back(bitsOf(table.SendBits.at(std::size_t(i))));
    return words;
}

TEST(EncodeMelody, SkipsEmptyRowsWithoutGapsInTheNumbering)
{
    const std::vector<RowCode> rows{53, 0, 297};
    const auto table = EncodeMelody(rows);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->SendRowCount, 2);
    EXPECT_EQ(wordsOf(*table), (std::vector<std::string>{"00010101", "11110000"}));
}

TEST(EncodeMelody, OnlyEmptyRowsEncodeNothing)
{
    const std::vector<RowCode> rows(5, kEmptyRow);
    const auto table = EncodeMelody(rows);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->SendRowCount, 0);
}

TEST(EncodeMelody, SendsRowsOneTo127Only)
{
    struct Case {
        int rows;
        int sent;
        bool notice;
    };
    for (const auto [rowCount, sent, notice] :
         {Case{126, 126, false}, Case{127, 127, false}, Case{128, 127, true}, Case{500, 127, true}}) {
        std::vector<RowCode> rows(std::size_t(rowCount), 120);
        rows.back() = 40;  // past row 127 this invalid row is never examined
        if (rowCount <= kMaxSendRows)
            rows.back() = 297;
        const auto table = EncodeMelody(rows);
        ASSERT_TRUE(table.has_value()) << rowCount;
        EXPECT_EQ(table->SendRowCount, sent) << rowCount;
        EXPECT_EQ(exceedsSendLimit(rowCount), notice) << rowCount;
    }
}

TEST(EncodeMelody, StopsAtTheFirstInvalidRow)
{
    const std::vector<RowCode> rows{53, 0, 999, 40};
    const auto table = EncodeMelody(rows);
    ASSERT_FALSE(table.has_value());
    EXPECT_EQ(table.error().code, 999);
}

TEST(TempoCode, ItemDataWithAtLeastThreeDigitsAfterFiveOnes)
{
    for (const auto& [itemData, code, frame] :
         {std::tuple{11, "011", "11111011"}, std::tuple{100, "100", "11111100"},
          std::tuple{101, "101", "11111101"}, std::tuple{110, "110", "11111110"},
          std::tuple{111, "111", "11111111"}, std::tuple{1, "001", "11111001"}}) {
        EXPECT_EQ(TempoCode(itemData), QString::fromLatin1(code));
        EXPECT_EQ(bitText(tempoFrameWord(itemData), kTempoBits), QString::fromLatin1(frame));
    }
}

} // namespace
} // namespace tw
