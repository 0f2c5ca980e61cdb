// Start-up, ResetDocument, New and closing.

#include "support/editor_fixture.h"

namespace tw::test {
namespace {

const QString kSoundDeviceMessage = QStringLiteral(
    "サウンドデバイスが不正です。\r\n\r\nサウンドカードが装着されていないか、ドライバが不正です。"
    "\r\nまたは、DirectX7以降がインストールされていません。");
const QString kNewQuestion = QStringLiteral("編集中のデータが初期化されます。よろしいですか？");
const QString kExitQuestion =
    QStringLiteral("編集中のデータは保存されていません。\r\n終了してもよろしいですか？");

const QStringList kEmptyList{QString()};

TEST_F(EditorFixture, StartUpOpensMidiSelectsTheFirstToneAndShowsAnEmptySavedDocument)
{
    EXPECT_EQ(dialogs.programFolderCalls, 1);
    EXPECT_TRUE(startUpMessages.empty());
    EXPECT_EQ(startUpMidi, std::vector<std::uint32_t>{67 * 256 + 192});
    EXPECT_TRUE(editor.MidiReady());
    EXPECT_EQ(editor.NoteOnBase(), 8323072u);
    EXPECT_EQ(editor.ToneTable(), (std::array<int, 8>{67, 12, 0, 36, 56, 19, 0, 0}));

    EXPECT_EQ(commandStates(), kStartUpStates);
    EXPECT_EQ(list.texts(), kEmptyList);
    EXPECT_EQ(controls.titleText(), kUntitled);
    EXPECT_EQ(controls.tempoIndex(), kDefaultTempoIndex);
    EXPECT_EQ(controls.playStartOption(), 0);
    EXPECT_EQ(editor.CurrentRow(), 1);
    EXPECT_EQ(editor.EndRow(), 1);
    EXPECT_EQ(editor.CurKey(), kNoKey);
    EXPECT_EQ(editor.CurLength(), kNoLength);
    EXPECT_EQ(editor.Tempo(), 120);
    EXPECT_FALSE(editor.EntryOpen());
    EXPECT_TRUE(editor.Idle());
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(editor.Title(), kUntitled);
    EXPECT_EQ(editor.FilePath(), kUntitled);
}

TEST_F(SilentEditorFixture, StartUpWithoutMidiReportsTheDeviceAndStaysSilent)
{
    EXPECT_EQ(startUpMessages, (std::vector<Message>{{kSoundDeviceMessage, MessageIcon::Error}}));
    EXPECT_TRUE(startUpMidi.empty());
    EXPECT_FALSE(editor.MidiReady());
    EXPECT_EQ(editor.NoteOnBase(), 0u);
    EXPECT_EQ(editor.ToneTable(), (std::array<int, 8>{}));
    EXPECT_EQ(commandStates(), kStartUpStates);
    EXPECT_EQ(list.texts(), kEmptyList);

    EXPECT_EQ(editor.Form_Unload(), Closing::Proceed);
    EXPECT_EQ(midi.closeCalls, 0);
}

TEST_F(EditorFixture, ResetDocumentEmptiesTheScoreAndLeavesTheEntryStateToItsCaller)
{
    loadRows({123, 994, 50});
    document().ScoreData[501] = Row{70};
    document().Saved = false;
    document().Title = document().FilePath = QStringLiteral("歌.tun");
    entryState().CurKey = 12;
    entryState().CurLength = 3;
    entryState().EntryOpen = true;
    controls.setTitleText(QStringLiteral("歌"));
    controls.setTempoIndex(0);
    controls.setPlayStartOption(1);
    editor.SetCommandStates(CommandSettings{On, On, On, On, On, Off, On, On, On, On, On, On});

    editor.ResetDocument();

    EXPECT_EQ(editor.ScoreData(), (std::array<Row, kScoreSize>{}));
    EXPECT_EQ(list.texts(), kEmptyList);
    EXPECT_EQ(editor.Title(), kUntitled);
    EXPECT_EQ(editor.FilePath(), kUntitled);
    EXPECT_EQ(controls.titleText(), kUntitled);
    EXPECT_EQ(controls.tempoIndex(), kDefaultTempoIndex);
    EXPECT_EQ(controls.playStartOption(), 0);
    EXPECT_TRUE(editor.Saved());
    EXPECT_EQ(commandStates(), kStartUpStates);
    // Left for the caller.
    EXPECT_EQ(editor.EndRow(), 4);
    EXPECT_EQ(editor.CurrentRow(), 4);
    EXPECT_EQ(editor.CurKey(), 12);
    EXPECT_EQ(editor.CurLength(), 3);
    EXPECT_TRUE(editor.EntryOpen());
}

// New and closing ask only when rows exist that were not saved.
struct QuestionCase {
    const char* name;
    std::vector<RowCode> rows;
    bool saved;
    MessageAnswer answer;
    bool asks;
    bool proceeds;
};

const QuestionCase kQuestionCases[] = {
    {"UnsavedRowsOk", {123, 994}, false, MessageAnswer::Ok, true, true},
    {"UnsavedRowsCancel", {123, 994}, false, MessageAnswer::Cancel, true, false},
    {"SavedRows", {123, 994}, true, MessageAnswer::Cancel, false, true},
    {"UnsavedEmptyScore", {}, false, MessageAnswer::Cancel, false, true},
};

class QuestionTest : public EditorFixture, public ::testing::WithParamInterface<QuestionCase> {
protected:
    void prepare()
    {
        loadRows(GetParam().rows);
        document().Saved = GetParam().saved;
        messages.answerNext(GetParam().answer);
    }
    std::vector<Message> expectedQuestion(const QString& text) const
    {
        if (!GetParam().asks)
            return {};
        return {{text, MessageIcon::None, MessageButtons::OkCancel}};
    }
};

TEST_P(QuestionTest, NewClearsTheDocumentUnlessCancelled)
{
    prepare();
    entryState().CurKey = 12;
    entryState().EntryOpen = true;
    controls.showKeyPicture(12, true);
    const auto before = editor.ScoreData();

    editor.mnuNew_Click();

    EXPECT_EQ(messages.shown(), expectedQuestion(kNewQuestion));
    if (GetParam().proceeds) {
        EXPECT_EQ(editor.ScoreData(), (std::array<Row, kScoreSize>{}));
        EXPECT_EQ(list.texts(), kEmptyList);
        EXPECT_EQ(editor.CurrentRow(), 1);
        EXPECT_EQ(editor.EndRow(), 1);
        EXPECT_EQ(editor.CurKey(), kNoKey);
        EXPECT_FALSE(editor.EntryOpen());
        EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
        EXPECT_TRUE(editor.Saved());
        EXPECT_EQ(commandStates(), kStartUpStates);
    } else {
        EXPECT_EQ(editor.ScoreData(), before);
        EXPECT_EQ(list.count(), int(GetParam().rows.size()) + 1);
        EXPECT_EQ(editor.CurKey(), 12);
        EXPECT_TRUE(editor.EntryOpen());
        EXPECT_FALSE(editor.Saved());
    }
}

TEST_P(QuestionTest, ClosingEndsTheApplicationUnlessCancelled)
{
    prepare();

    const Closing result = editor.Form_Unload();

    EXPECT_EQ(messages.shown(), expectedQuestion(kExitQuestion));
    EXPECT_EQ(result, GetParam().proceeds ? Closing::Proceed : Closing::Refused);
    EXPECT_EQ(controls.endApplicationCount(), GetParam().proceeds ? 1 : 0);
    EXPECT_EQ(midi.closeCalls, GetParam().proceeds ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(, QuestionTest, ::testing::ValuesIn(kQuestionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, ClosingWhilePlayingOrSendingIsRefusedSilently)
{
    loadRows({123});
    document().Saved = false;
    const Activity::Busy playing(activity());

    EXPECT_EQ(editor.Form_Unload(), Closing::Refused);
    editor.mnuEnd_Click();

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(controls.endApplicationCount(), 0);
    EXPECT_EQ(midi.closeCalls, 0);
    EXPECT_TRUE(midi.isOpen);
}

} // namespace
} // namespace tw::test
