// The title's width limit and the tempo choice.

#include "support/editor_fixture.h"

namespace tw::test {
namespace {

const QString kTitleMessage = QStringLiteral("タイトルは全角32文字分までです。");

QString fullWidth(int count) { return QString(count, QChar(u'曲')); }
QString ascii(int count) { return QString(count, QChar(u'a')); }

struct TitleCase {
    const char* name;
    QString typed;
    QString kept;
    int messages;
};

const TitleCase kTitleCases[] = {
    {"FullWidth33rd", fullWidth(33), fullWidth(32), 1},
    {"Ascii65th", ascii(65), ascii(64), 1},
    {"Ascii64", ascii(64), ascii(64), 0},
    {"Width64Mixed", fullWidth(31) + ascii(2), fullWidth(31) + ascii(2), 0},
    {"Pasted37FullWidth", fullWidth(37), fullWidth(32), 5},
    {"TypedInFront", QStringLiteral("a") + fullWidth(32), QStringLiteral("a") + fullWidth(31), 1},
    {"MixedEndingAscii", fullWidth(32) + ascii(3), fullWidth(32), 3},
};

class TitleTest : public EditorFixture, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(TitleTest, TheTitleIsCutToWidth64OneMessagePerRemovedCharacter)
{
    typeTitle(GetParam().typed);

    EXPECT_EQ(controls.titleText(), GetParam().kept);
    EXPECT_EQ(messages.shown(), std::vector<Message>(std::size_t(GetParam().messages), Message{kTitleMessage}));
    EXPECT_EQ(commandStates(), "Insert Tempo Open Save Exit New");
    EXPECT_FALSE(editor.Saved());
}

INSTANTIATE_TEST_SUITE_P(, TitleTest, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

const QString kCharactersMessage = QStringLiteral("タイトルに使えない文字を「?」に置き換えました。");

struct StoredCase {
    const char* name;
    QString typed;
    QString kept;
    std::vector<QString> messages;
};

// The box never shows what the file would not hold; the width is counted as before, a
// character code page 932 lacks counting 1 like the "?" it becomes.
const StoredCase kStoredCases[] = {
    {"Unrepresentable", QStringLiteral("Café ♫ 😀"), QStringLiteral("Caf? ? ?"), {kCharactersMessage}},
    {"Representable", QStringLiteral("歓喜の歌 ①"), QStringLiteral("歓喜の歌 ①"), {}},
    {"EmojiAtTheLimit", ascii(63) + QStringLiteral("😀"), ascii(63) + u'?', {kCharactersMessage}},
    {"ThenTooWide", ascii(64) + QStringLiteral("é"), ascii(64), {kCharactersMessage, kTitleMessage}},
};

class StoredTitleTest : public EditorFixture, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(StoredTitleTest, ACharacterTheFileCannotHoldBecomesAQuestionMarkAtOnce)
{
    typeTitle(GetParam().typed);

    EXPECT_EQ(controls.titleText(), GetParam().kept);
    EXPECT_EQ(messages.texts(), QStringList(GetParam().messages.begin(), GetParam().messages.end()));
    EXPECT_FALSE(editor.Saved());
}

INSTANTIATE_TEST_SUITE_P(, StoredTitleTest, ::testing::ValuesIn(kStoredCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, ChoosingATempoIsAnEditEvenOfAnEmptyScore)
{
    chooseTempo(0);

    EXPECT_EQ(controls.tempoIndex(), 0);
    EXPECT_EQ(commandStates(), "Insert Tempo Open Save Exit New");
    EXPECT_FALSE(editor.Saved());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(editor.Tempo(), 120);  // read from the list when it is used
}

} // namespace
} // namespace tw::test
