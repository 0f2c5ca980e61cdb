// The open command through the fakes, reading from a folder of real files.

#include "file_fixture.h"
#include "core/message_catalogue.h"

#include "codecs/files/title.h"

namespace tw::test {
namespace {

const Message kDiscardQuestion{QStringLiteral("編集中のデータが初期化されます。よろしいですか？"),
                               MessageIcon::None, MessageButtons::OkCancel};
const Message kMissingFile{QStringLiteral("ファイルが存在しません。")};
const Message kOpened{QStringLiteral("ファイルを開きました。")};
const Message kRowLimit{QStringLiteral("500行を超えた部分は読み込まれません。"), MessageIcon::Error};
const Message kTitleLimit{msg::kTitleLimit};

Message invalidLines(const QString& lastLine)
{
    return {QStringLiteral("ファイルに不正な行が含まれています。\r\n\r\n") + lastLine};
}

const QByteArray kThreeRowsFile = sjis(QStringLiteral("'title=三行\r\n'tempo=150\r\nO4C4.\r\n\r\nR4\r\n"));
const std::vector<RowCode> kThreeRows{124, 0, 992};
constexpr const char* kOpenedStates = "Insert Delete Copy Play Tempo Send Open Exit New";

class OpenCommand : public FileFixture {};

TEST_F(OpenCommand, EndsWithRowOneSelectedTheEntryClearedAndTheDocumentSaved)
{
    enterNote(12, 4);
    clickKey(14);  // a row pending, and the document modified
    ASSERT_TRUE(editor.EntryOpen());
    writeFile(path("three.tun"), kThreeRowsFile);

    openPath(path("three.tun"));

    EXPECT_EQ(messages.shown(), (std::vector<Message>{kDiscardQuestion, kOpened}));
    EXPECT_EQ(rows(), kThreeRows);
    EXPECT_EQ(editor.EndRow(), 4);
    EXPECT_EQ(editor.CurrentRow(), 1);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.itemText(3), "");
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{0});
    EXPECT_EQ(controls.titleText(), "三行");
    EXPECT_EQ(controls.tempoIndex(), 3);
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
    EXPECT_FALSE(editor.EntryOpen());
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(editor.FilePath(), path("three.tun"));
    EXPECT_EQ(commandStates(), kOpenedStates);
}

TEST_F(OpenCommand, AMelodySavedByTheEditorLoadsBackTheSame)
{
    enterThreeRows();
    typeTitle(QStringLiteral("  往復 "));
    chooseTempo(4);
    saveAs(path("round.tun"));
    editor.mnuNew_Click();
    messages.takeShown();

    openPath(path("round.tun"));

    EXPECT_EQ(rows(), kThreeRows);
    EXPECT_EQ(controls.titleText(), "往復");  // the reader trims the blanks the save kept
    EXPECT_EQ(controls.tempoIndex(), 4);
    EXPECT_EQ(messages.shown(), std::vector<Message>{kOpened});
}

TEST_F(OpenCommand, ATitleWithALoneLineFeedKeepsItThroughOpenAndSave)
{
    // A lone LF does not end a line, so it belongs to the title; the title box keeps it in
    // its text and the save writes it back where it was.
    const QByteArray file = sjis(QStringLiteral("'title=上\n下\r\n'tempo=60\r\nO4C8\r\n"));
    writeFile(path("lf.tun"), file);

    openPath(path("lf.tun"));
    ASSERT_EQ(controls.titleText(), QStringLiteral("上\n下"));
    saveAs(path("again.tun"));

    EXPECT_EQ(contentOf(path("again.tun")), file);
}

TEST_F(OpenCommand, CancelInTheDialogChangesNothing)
{
    enterNote(12, 4);
    const Document before = document();

    openPath(QString());

    ASSERT_EQ(dialogs.openShown.size(), 1u);
    EXPECT_EQ(dialogs.openShown[0].filter, "(*.tun)");
    EXPECT_EQ(dialogs.openShown[0].initialFolder, dialogs.programFolder);
    EXPECT_EQ(messages.shown(), std::vector<Message>{kDiscardQuestion});
    EXPECT_EQ(document(), before);
    EXPECT_EQ(editor.FilePath(), kUntitled);
}

TEST_F(OpenCommand, AMissingFileIsReportedAndChangesNothing)
{
    enterNote(12, 4);
    const Document before = document();

    openPath(path("gone.tun"));

    EXPECT_EQ(messages.shown(), (std::vector<Message>{kDiscardQuestion, kMissingFile}));
    EXPECT_EQ(document(), before);
    EXPECT_EQ(editor.FilePath(), kUntitled);
}

// ---- The question before the document is replaced ---------------------------------

enum class Before { UnsavedRows, OnlyTitleAndTempoChanged, SavedRows };

struct QuestionCase {
    const char* name;
    Before before;
    MessageAnswer answer;
    bool asked;
    bool opened;
};

class OpenQuestion : public FileFixture, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(OpenQuestion, IsAskedOnlyForUnsavedRowsAndCancelKeepsTheDocument)
{
    switch (GetParam().before) {
    case Before::UnsavedRows:
        enterNote(12, 4);
        break;
    case Before::OnlyTitleAndTempoChanged:
        typeTitle(QStringLiteral("題"));
        chooseTempo(0);
        break;
    case Before::SavedRows:
        loadRows({121, 991});
        break;
    }
    const Document before = document();
    writeFile(path("three.tun"), kThreeRowsFile);
    messages.answerNext(GetParam().answer);

    openPath(path("three.tun"));

    EXPECT_EQ(!messages.shown().empty() && messages.shown().front() == kDiscardQuestion,
              GetParam().asked);
    EXPECT_EQ(dialogs.openShown.size(), GetParam().opened ? 1u : 0u);
    if (GetParam().opened)
        EXPECT_EQ(rows(), kThreeRows);
    else
        EXPECT_EQ(document(), before);
}

INSTANTIATE_TEST_SUITE_P(
    , OpenQuestion,
    ::testing::Values(
        QuestionCase{"UnsavedRowsOk", Before::UnsavedRows, MessageAnswer::Ok, true, true},
        QuestionCase{"UnsavedRowsCancel", Before::UnsavedRows, MessageAnswer::Cancel, true, false},
        QuestionCase{"OnlyTitleAndTempoChanged", Before::OnlyTitleAndTempoChanged,
                     MessageAnswer::Cancel, false, true},
        QuestionCase{"SavedRows", Before::SavedRows, MessageAnswer::Cancel, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- What a file holds, as the document shows it ----------------------------------------

struct Loading {
    const char* name;
    QByteArray bytes;
    std::vector<RowCode> rows;
    QString title;
    int tempoIndex;
    std::vector<Message> messages;
};

void PrintTo(const Loading& loading, std::ostream* os) { *os << loading.name; }

std::vector<RowCode> times(int count, RowCode code) { return std::vector<RowCode>(std::size_t(count), code); }

const QString kLongTitle = QString(33, u'あ');

const Loading kLoadings[] = {
    {"Exactly500Rows", QByteArray("O4C8\r\n").repeated(500), times(500, 121), kUntitled, 2,
     {kRowLimit}},
    {"SixHundredRowsThenATitle",
     "'tempo=60\r\n" + QByteArray("R4\r\n").repeated(600) + "'title=late\r\n", times(500, 992),
     kUntitled, 0, {kRowLimit}},
    {"OnlyComments", "'a remark\r\n'\r\n'TeMpO=60\r\n", {}, kUntitled, 2, {kOpened}},
    {"Empty", "", {}, kUntitled, 2, {kOpened}},
    {"BlankLinesAreEmptyRows", "\r\nO4C8\r\n\r\n\r\nR16", {0, 121, 0, 0, 990}, kUntitled, 2,
     {kOpened}},
    {"TwoInvalidLines", "O4C8\r\nbad one\r\nR4\r\nO6C8\r\n", {121, 992}, kUntitled, 2,
     {invalidLines("O6C8")}},
    {"TempoIsRoundedToTheList", "'tempo=100\r\nO4C8\r\n", {121}, kUntitled, 1, {kOpened}},
    {"TitleWiderThanTheLimit", sjis("'title=" + kLongTitle + "\r\nO4C8\r\n"), {121},
     kLongTitle.chopped(1), 2, {kTitleLimit, kOpened}},
    {"NoteOutsideTheKeyboard", "O3C8\r\n", {1}, kUntitled, 2, {kOpened}},
    {"LastTitleAndTempoWin", "'title=one\r\n'tempo=60\r\n'title=two\r\n'tempo=180\r\n", {}, "two",
     4, {kOpened}},
};

class OpenLoading : public FileFixture, public ::testing::WithParamInterface<Loading> {};

TEST_P(OpenLoading, MakesTheRowsTitleAndTempoAndTellsWhatItFound)
{
    writeFile(path("melody.tun"), GetParam().bytes);

    openPath(path("melody.tun"));

    EXPECT_EQ(rows(), GetParam().rows);
    EXPECT_EQ(list.count(), editor.EndRow());
    EXPECT_EQ(list.itemText(editor.EndRow() - 1), "");
    EXPECT_EQ(controls.titleText(), GetParam().title);
    EXPECT_EQ(controls.tempoIndex(), GetParam().tempoIndex);
    EXPECT_EQ(messages.shown(), GetParam().messages);
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(commandStates(), kOpenedStates);
}

TEST_F(OpenCommand, TellsWhatReadingMetBeforeTheDocumentIsSettledAndTheClosingMessageAfter)
{
    writeFile(path("long.tun"),
              sjis("'title=" + kLongTitle + "\r\n") + QByteArray("O4C8\r\n").repeated(501));
    writeFile(path("short.tun"), sjis("'title=" + kLongTitle + "\r\nO4C8\r\n"));
    struct Seen {
        QString text;
        int listCount;
        bool saved;
    };
    std::vector<Seen> seen;
    messages.whileShown([&](const Message& message) {
        seen.push_back({message.text, list.count(), editor.Saved()});
    });

    openPath(path("long.tun"));
    openPath(path("short.tun"));

    // The rows are in the list while reading tells its findings, but the document is
    // not yet marked saved; the closing message comes once it is.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].text, msg::kTitleLimit);
    EXPECT_EQ(seen[1].text, kRowLimit.text);
    EXPECT_EQ(seen[1].listCount, 501);
    EXPECT_FALSE(seen[1].saved);
    EXPECT_EQ(seen[2].text, msg::kTitleLimit);
    EXPECT_FALSE(seen[2].saved);
    EXPECT_EQ(seen[3].text, kOpened.text);
    EXPECT_TRUE(seen[3].saved);
}

INSTANTIATE_TEST_SUITE_P(, OpenLoading, ::testing::ValuesIn(kLoadings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
