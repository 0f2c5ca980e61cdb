// The save command through the fakes, writing into a folder of real files.

#include "file_fixture.h"

namespace tw::test {
namespace {

const Message kNoData{QStringLiteral("データがありません"), MessageIcon::Error};
const Message kOverwrite{QStringLiteral("上書きしてもよろしいですか？"), MessageIcon::None,
                         MessageButtons::OkCancel};

//! The three rows of enterThreeRows, titled テスト曲, at tempo 90.
const QByteArray kThreeRowsFile = sjis(QStringLiteral("'title=テスト曲\r\n'tempo=90\r\nO4C4.\r\n\r\nR4\r\n"));

class SaveCommand : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        enterThreeRows();
        typeTitle(QStringLiteral("テスト曲"));
        chooseTempo(1);
    }
};

TEST_F(SaveCommand, WritesTheTitleTheTempoAndOneLinePerRowAndMarksTheDocumentSaved)
{
    const std::string before = commandStates();
    ASSERT_EQ(before, "Insert Delete Copy Play Tempo Send Open Save Exit New Undo");

    saveAs(path("song.tun"));

    EXPECT_EQ(contentOf(path("song.tun")), kThreeRowsFile);
    EXPECT_EQ(entriesOf(folder()), QStringList{"song.tun"});
    EXPECT_EQ(messages.texts(), QStringList{});
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(editor.FilePath(), path("song.tun"));
    EXPECT_EQ(commandStates(), "Insert Delete Copy Play Tempo Send Open Exit New");
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});  // the current row, the empty one
}

TEST_F(SaveCommand, SelectsTheCurrentRowAgainAlsoWhenItIsTheEndLine)
{
    clickRow(4);
    ASSERT_EQ(editor.CurrentRow(), editor.EndRow());

    saveAs(path("song.tun"));

    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{3});
}

TEST_F(SaveCommand, AnEmptyScoreIsNotSavedAndNoDialogIsShown)
{
    editor.mnuNew_Click();
    messages.takeShown();
    typeTitle(QStringLiteral("題"));
    chooseTempo(0);

    saveAs(path("song.tun"));

    EXPECT_EQ(messages.shown(), std::vector<Message>{kNoData});
    EXPECT_EQ(dialogs.saveShown.size(), 0u);
    EXPECT_EQ(entriesOf(folder()), QStringList{});
}

TEST_F(SaveCommand, CancelInTheDialogWritesNothingAndChangesNothing)
{
    const Document before = document();

    saveAs(QString());

    ASSERT_EQ(dialogs.saveShown.size(), 1u);
    EXPECT_EQ(dialogs.saveShown[0].filter, "(*.tun)");
    EXPECT_EQ(dialogs.saveShown[0].initialFolder, dialogs.programFolder);
    EXPECT_EQ(editor.FilePath(), kUntitled);
    EXPECT_EQ(document(), before);
    EXPECT_EQ(entriesOf(folder()), QStringList{});
}

TEST_F(SaveCommand, TheDialogOffersTheMelodysOwnFileElseItsTitle)
{
    typeTitle(QStringLiteral("Song: A/B.mid"));
    saveAs(path("first"));
    typeTitle(QStringLiteral("Other"));
    saveAs(QString());
    saveAs(QString());
    editor.mnuNew_Click();
    enterNote(12, 4);
    typeTitle(QStringLiteral("New one"));
    saveAs(QString());

    ASSERT_EQ(dialogs.saveShown.size(), 4u);
    // Never saved: the title made into a file name, in the folder the program started in.
    EXPECT_EQ(dialogs.saveShown[0].initialName, "Song- A-B-mid");
    EXPECT_EQ(dialogs.saveShown[0].initialFolder, dialogs.programFolder);
    // Saved once: that file, in its folder, whatever the title says now; a cancel keeps it.
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(dialogs.saveShown[i].initialName, "first.tun");
        EXPECT_EQ(dialogs.saveShown[i].initialFolder, folder());
    }
    // A new melody has no file again.
    EXPECT_EQ(dialogs.saveShown[3].initialName, "New one");
}

TEST_F(SaveCommand, AnOpenedMelodyIsOfferedTheFileItCameFrom)
{
    QDir(folder()).mkdir(QStringLiteral("songs"));
    const QString ode = path(QStringLiteral("songs/ode.tun"));
    writeFile(ode, sjis(QStringLiteral("'title=歓喜の歌 第九\r\n'tempo=120\r\nO4E4\r\n")));
    openPath(ode);
    enterNote(14, 4);
    messages.answerNext(MessageAnswer::Ok);  // the overwrite question

    saveAs(ode);

    ASSERT_EQ(dialogs.saveShown.size(), 1u);
    EXPECT_EQ(dialogs.saveShown[0].initialName, "ode.tun");
    EXPECT_EQ(dialogs.saveShown[0].initialFolder, path(QStringLiteral("songs")));
    EXPECT_EQ(entriesOf(path(QStringLiteral("songs"))), QStringList{"ode.tun"});
    EXPECT_TRUE(editor.Saved());
}

TEST_F(SaveCommand, WritesTheTitleAsTypedAndWhatCodePage932LacksAsAQuestionMark)
{
    typeTitle(QStringLiteral("  曲한 "));

    saveAs(path("song.tun"));

    EXPECT_TRUE(contentOf(path("song.tun")).startsWith(sjis(QStringLiteral("'title=  曲? \r\n"))))
        << contentOf(path("song.tun")).toStdString();
    EXPECT_TRUE(editor.Saved());
}

struct NameCase {
    const char* typed;
    const char* saved;
};

class FileNameEnding : public SaveCommand, public ::testing::WithParamInterface<NameCase> {};

TEST_P(FileNameEnding, OnlyAnExactLowerCaseExtensionIsKept)
{
    saveAs(path(GetParam().typed));

    EXPECT_EQ(editor.FilePath(), path(GetParam().saved));
    EXPECT_EQ(entriesOf(folder()), QStringList{GetParam().saved});
}

INSTANTIATE_TEST_SUITE_P(, FileNameEnding,
                         ::testing::Values(NameCase{"song", "song.tun"}, NameCase{"song.tun", "song.tun"},
                                           NameCase{"song.TUN", "song.TUN.tun"}),
                         [](const auto& info) { return std::to_string(info.index); });

struct OverwriteCase {
    const char* name;
    MessageAnswer answer;
    bool replaced;
};

class Overwrite : public SaveCommand, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(Overwrite, AnExistingFileIsReplacedOnlyWhenTheUserAgrees)
{
    writeFile(path("song.tun"), "old melody\r\n");
    const std::string statesBefore = commandStates();
    messages.answerNext(GetParam().answer);

    saveAs(path("song.tun"));

    EXPECT_EQ(messages.shown(), std::vector<Message>{kOverwrite});
    EXPECT_EQ(contentOf(path("song.tun")), GetParam().replaced ? kThreeRowsFile : "old melody\r\n");
    EXPECT_EQ(entriesOf(folder()), QStringList{"song.tun"});
    EXPECT_EQ(editor.FilePath(), path("song.tun"));
    EXPECT_EQ(editor.Saved(), GetParam().replaced);
    if (!GetParam().replaced)
        EXPECT_EQ(commandStates(), statesBefore);
}

INSTANTIATE_TEST_SUITE_P(, Overwrite,
                         ::testing::Values(OverwriteCase{"Ok", MessageAnswer::Ok, true},
                                           OverwriteCase{"Cancel", MessageAnswer::Cancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
