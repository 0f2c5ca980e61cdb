#include "codecs/files/title.h"

#include "support/printers.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

QString repeat(QStringView piece, int times)
{
    return piece.toString().repeated(times);
}

struct Cut {
    const char* name;
    QString title;
    QString kept;
};

class CutTitleToLimit : public ::testing::TestWithParam<Cut> {};

TEST_P(CutTitleToLimit, DropsTheLastCharacterWhileTheTitleIsWiderThan64)
{
    EXPECT_EQ(cutTitleToLimit(GetParam().title), GetParam().kept);
    EXPECT_EQ(titleTooWide(GetParam().title), GetParam().kept != GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Titles, CutTitleToLimit, ::testing::Values(
    Cut{"ThirtyTwoFullWidth", repeat(u"曲", 32), repeat(u"曲", 32)},
    Cut{"ThirtyThreeFullWidth", repeat(u"曲", 33), repeat(u"曲", 32)},
    Cut{"ThirtySevenFullWidth", repeat(u"あ", 37), repeat(u"あ", 32)},
    Cut{"SixtyFourAscii", repeat(u"a", 64), repeat(u"a", 64)},
    Cut{"SixtyFiveAscii", repeat(u"a", 65), repeat(u"a", 64)},
    Cut{"ThirtyOneFullWidthAndTwoAscii", repeat(u"曲", 31) + QStringLiteral("ab"),
        repeat(u"曲", 31) + QStringLiteral("ab")},
    Cut{"FullWidthPastTheLimitByOne", repeat(u"a", 63) + u'曲', repeat(u"a", 63)},
    // An emoji counts 1, as any character code page 932 lacks, and goes as one character.
    Cut{"EmojiAtTheEnd", repeat(u"曲", 32) + QString::fromUtf16(u"\U0001F600"), repeat(u"曲", 32)},
    Cut{"EmojiInside", repeat(u"a", 63) + QString::fromUtf16(u"\U0001F600") + u'b',
        repeat(u"a", 63) + QString::fromUtf16(u"\U0001F600")},
    Cut{"Empty", QString(), QString()},
    Cut{"Huge", repeat(u"曲", 1'000'000), repeat(u"曲", 32)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DropLastCharacter, RemovesAWholeCharacter)
{
    EXPECT_EQ(dropLastCharacter(u"ab"), QStringLiteral("a"));
    EXPECT_EQ(dropLastCharacter(QString::fromUtf16(u"a\U0001F600")), QStringLiteral("a"));
    EXPECT_EQ(dropLastCharacter(u""), QString());
}

struct FileName {
    const char16_t* title;
    const char16_t* name;
};

class MakeFileNameTest : public ::testing::TestWithParam<FileName> {};

TEST_P(MakeFileNameTest, ReplacesTheThirteenAsciiSigns)
{
    EXPECT_EQ(MakeFileName(QString::fromUtf16(GetParam().title)),
              QString::fromUtf16(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Titles, MakeFileNameTest, ::testing::Values(
    FileName{u"Song: A/B.mid", u"Song- A-B-mid"},
    FileName{u"\\/:;*\"<>|+=,.", u"-------------"},
    FileName{u"春の小川", u"春の小川"},
    // Full-width look-alikes and the yen sign stay: only the ASCII signs are replaced.
    FileName{u"＼／：；＊＂＜＞｜＋＝，．¥", u"＼／：；＊＂＜＞｜＋＝，．¥"},
    FileName{u" a?b_c-d ", u" a?b_c-d "},
    FileName{u"", u""}));

} // namespace
} // namespace tw
