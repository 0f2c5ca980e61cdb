// Note entry with the keys, the length and rest buttons, and list clicks.

#include "support/editor_fixture.h"

#include <functional>
#include <sstream>

namespace tw::test {
namespace {

const QString kRowLimitMessage = QStringLiteral("500行を超えるので、追加することが出来ません。");
const QString kNoPitchMessage = QStringLiteral("音階が未入力です。");
const QString kNoLengthMessage = QStringLiteral("音符が未入力です。");

QString rowText(int row, RowCode code) { return composeRowText(row, fieldsForCode(code)); }

// ---- Command states ---------------------------------------------------------

class StateTest;

struct StateCase {
    const char* name;
    std::vector<RowCode> rows;
    std::function<void(StateTest&)> before;  //!< steps that lead up to the case
    std::function<void(StateTest&)> action;  //!< the step whose command states are checked
    //! The settings it makes, one text per SetCommandStates call, in the order
    //! Insert Delete Copy Paste Play Tempo Send Open Save Exit New Undo ("-" unchanged).
    std::vector<std::string> settings;
};

class StateTest : public EditorFixture, public ::testing::WithParamInterface<StateCase> {
public:
    using EditorFixture::clickKey;
    using EditorFixture::clickLength;
    using EditorFixture::clickRow;
    using EditorFixture::enterNote;
    using EditorFixture::enterRest;
    using EditorFixture::shiftClickRow;

protected:
    //! What commandStates() shows after the settings are applied to every command set to `from`.
    static std::string expected(const std::vector<std::string>& settings, bool from)
    {
        static const char* const kNames[] = {"Insert", "Delete", "Copy", "Paste", "Play", "Tempo",
                                             "Send", "Open", "Save", "Exit", "New", "Undo"};
        std::array<bool, 12> enabled;
        enabled.fill(from);
        for (const auto& call : settings) {
            std::istringstream words(call);
            for (bool& state : enabled) {
                std::string word;
                words >> word;
                if (word != "-")
                    state = word == "on";
            }
        }
        std::string out;
        for (std::size_t i = 0; i < enabled.size(); ++i)
            if (enabled[i])
                out += (out.empty() ? "" : " ") + std::string(kNames[i]);
        return out;
    }
};

const std::string A = "off on off off off on off on off on on off";
const std::string B = "on off off off on on on on on on on off";
const std::string C = "on on on off on on on on on on on off";
const std::string D = "on off off off on - - - on - on off";
const std::string E = "on on on off on - - - on - on off";
const std::string F = "on off off - - - - - - - on -";
const std::string G = "- on on - - - - - - - on -";
const std::string H = "on on off off off on off on off on on -";
const std::string I = "on - - - - - - - - - on -";
const std::string J = "off - - - - - - - - - on -";

void nothing(StateTest&) {}

const StateCase kStateCases[] = {
    {"A_KeyOnTheEndLine", {}, nothing, [](StateTest& t) { t.clickKey(12); }, {A}},
    {"A_LengthOnARest", {123, 994}, [](StateTest& t) { t.clickRow(2); },
     [](StateTest& t) { t.clickLength(3); }, {A}},
    {"B_NoteAppended", {123}, [](StateTest& t) { t.clickKey(14); },
     [](StateTest& t) { t.clickLength(3); }, {B}},
    {"C_NoteOnAnEmptyRow", {123, 0, 50}, [](StateTest& t) { t.clickRow(2); t.clickLength(1); },
     [](StateTest& t) { t.clickKey(20); }, {C}},
    {"C_KeyOfANoteChanged", {123}, [](StateTest& t) { t.clickRow(1); },
     [](StateTest& t) { t.clickKey(17); }, {C}},
    {"C_LengthOfANoteChanged", {123}, [](StateTest& t) { t.clickRow(1); },
     [](StateTest& t) { t.clickLength(7); }, {C}},
    {"D_RestAppended", {}, nothing, [](StateTest& t) { t.enterRest(1); }, {D}},
    {"E_RestOnARow", {123, 50}, [](StateTest& t) { t.clickRow(1); },
     [](StateTest& t) { t.enterRest(4); }, {E}},
    {"FI_ClickOnTheEndLine", {123}, nothing, [](StateTest& t) { t.clickRow(2); }, {F, I}},
    {"FH_ClickOnThePendingEndLine", {123}, [](StateTest& t) { t.clickKey(12); },
     [](StateTest& t) { t.clickRow(2); }, {F, H}},
    {"GI_ClickOnARow", {123, 994}, nothing, [](StateTest& t) { t.clickRow(2); }, {G, I}},
    {"GH_ClickOnThePendingRow", {123, 994}, [](StateTest& t) { t.clickRow(2); t.clickLength(2); },
     [](StateTest& t) { t.clickRow(2); }, {G, H}},
    {"GJ_BlockSelected", {123, 994, 50}, [](StateTest& t) { t.clickRow(1); },
     [](StateTest& t) { t.shiftClickRow(3); }, {G, J}},
};

TEST_P(StateTest, EachEntryAndClickSetsItsCommandStates)
{
    for (const bool from : {true, false}) {
        SCOPED_TRACE(from ? "every command enabled before" : "every command disabled before");
        loadRows(GetParam().rows);
        GetParam().before(*this);
        editor.SetCommandStates(CommandSettings{Setting(from), Setting(from), Setting(from),
                                                Setting(from), Setting(from), Setting(from),
                                                Setting(from), Setting(from), Setting(from),
                                                Setting(from), Setting(from), Setting(from)});

        GetParam().action(*this);

        EXPECT_EQ(commandStates(), expected(GetParam().settings, from));
        EXPECT_EQ(messages.texts(), QStringList{});
    }
}

INSTANTIATE_TEST_SUITE_P(, StateTest, ::testing::ValuesIn(kStateCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Writing notes and rests --------------------------------------------------

TEST_F(EditorFixture, AKeyAndALengthInEitherOrderWriteOneNoteAndMoveToTheEndLine)
{
    for (const bool keyFirst : {true, false}) {
        SCOPED_TRACE(keyFirst ? "key first" : "length first");
        editor.mnuNew_Click();
        if (keyFirst) {
            clickKey(12);
            clickLength(3);
        } else {
            clickLength(3);
            clickKey(12);
        }

        EXPECT_EQ(rows(), std::vector<RowCode>{123});
        EXPECT_EQ(list.texts(), (QStringList{QStringLiteral(" 001  　 ド　　     4分音符\r\n"), QString()}));
        EXPECT_EQ(editor.CurrentRow(), 2);
        EXPECT_EQ(editor.EndRow(), 2);
        EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});
        EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
        EXPECT_EQ(controls.pressedLengths(), std::vector<int>{});
        EXPECT_EQ(editor.CurKey(), kNoKey);
        EXPECT_EQ(editor.CurLength(), kNoLength);
        EXPECT_FALSE(editor.EntryOpen());
        EXPECT_FALSE(editor.Saved());
    }
}

TEST_F(EditorFixture, APendingRowShowsWhatIsKnownAndKeepsItsButtonPressed)
{
    loadRows({123});
    clickKey(17);
    EXPECT_EQ(editor.ScoreData()[2].code, kPendingRow);
    EXPECT_EQ(list.texts().at(1), composeRowText(2, {QStringLiteral("　"), QStringLiteral("ファ　"), {}}));
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{17});
    EXPECT_TRUE(editor.EntryOpen());

    // Another key keeps the row pending with the new key.
    clickKey(24);
    EXPECT_EQ(list.texts().at(1), composeRowText(2, {QStringLiteral("↑"), QStringLiteral("ド　　"), {}}));
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{24});
    EXPECT_EQ(editor.CurKey(), 24);

    editor.mnuNew_Click();
    clickLength(6);
    EXPECT_EQ(list.texts(), QStringList{composeRowText(1, {{}, {}, QStringLiteral("付点2分音符")})});
    EXPECT_EQ(controls.pressedLengths(), std::vector<int>{6});
}

TEST_F(EditorFixture, AKeyOrALengthAloneChangesANoteInPlace)
{
    loadRows({123, 994});
    clickRow(1);

    clickKey(17);
    EXPECT_EQ(rows(), (std::vector<RowCode>{173, 994}));
    clickLength(7);
    EXPECT_EQ(rows(), (std::vector<RowCode>{177, 994}));

    EXPECT_EQ(list.texts().at(0), rowText(1, 177));
    EXPECT_EQ(editor.CurrentRow(), 1);
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{0});
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
    EXPECT_EQ(controls.pressedLengths(), std::vector<int>{});
    EXPECT_FALSE(editor.EntryOpen());
}

TEST_F(EditorFixture, ARestEndsAPendingRowAndDropsItsKeyOrLength)
{
    for (const bool key : {true, false}) {
        SCOPED_TRACE(key ? "key pending" : "length pending");
        loadRows({123, 50});
        clickRow(2);
        key ? clickKey(12) : clickLength(5);

        editor.imgRest_MouseDown(2, kLeftButton);
        EXPECT_EQ(controls.pressedRests(), std::vector<int>{2});
        editor.imgRest_MouseUp(2, kLeftButton);

        EXPECT_EQ(rows(), (std::vector<RowCode>{123, 992}));
        EXPECT_EQ(list.texts().at(1), rowText(2, 992));
        EXPECT_EQ(controls.pressedRests(), std::vector<int>{});
        EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
        EXPECT_EQ(controls.pressedLengths(), std::vector<int>{});
        EXPECT_EQ(editor.CurKey(), kNoKey);
        EXPECT_EQ(editor.CurLength(), kNoLength);
        EXPECT_FALSE(editor.EntryOpen());
        EXPECT_EQ(editor.CurrentRow(), 3);
        EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2});
    }
}

// ---- The 500-row limit --------------------------------------------------------

class FullScoreTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        loadRows(std::vector<RowCode>(kMaxRows, 123));
        document().Saved = true;
        listBefore = list.texts();
    }
    QStringList listBefore;
};

TEST_F(FullScoreTest, EveryEntryBeyondRow500IsRefused)
{
    const std::vector<Message> refusal{{kRowLimitMessage, MessageIcon::Error}};
    struct Entry {
        const char* name;
        std::function<void()> enter;
        bool choiceKept;
    };
    const Entry entries[] = {
        {"key", [&] { clickKey(12); }, false},
        {"length", [&] { clickLength(3); }, false},
        {"rest", [&] { enterRest(0); }, true},
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.name);
        // A choice left over from before the limit was reached.
        entryState().CurKey = 20;
        controls.showKeyPicture(20, true);

        entry.enter();

        EXPECT_EQ(messages.takeShown(), refusal);
        EXPECT_EQ(list.texts(), listBefore);
        EXPECT_EQ(editor.ScoreData()[501].code, 0);
        EXPECT_EQ(editor.EndRow(), 501);
        EXPECT_EQ(editor.CurrentRow(), 501);
        EXPECT_TRUE(editor.Saved());
        EXPECT_EQ(editor.CurKey(), entry.choiceKept ? 20 : kNoKey);
        EXPECT_EQ(controls.pressedKeys(), entry.choiceKept ? std::vector<int>{20} : std::vector<int>{});
    }
}

TEST_F(FullScoreTest, Row500CanStillBeOverwritten)
{
    clickRow(500);
    clickKey(29);  // a key alone changes the note
    enterRest(4);

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(editor.ScoreData()[499].code, 123);
    EXPECT_EQ(editor.ScoreData()[500].code, 994);
    EXPECT_EQ(list.texts().at(499), rowText(500, 994));
    EXPECT_EQ(editor.CurrentRow(), 501);
    EXPECT_EQ(editor.EndRow(), 501);
    EXPECT_EQ(list.count(), 501);
}

// ---- List clicks ----------------------------------------------------------------

struct GuardCase {
    const char* name;
    int pendingRow;
    bool keyGiven;
    int clickedRow;
    QString message;
};

// Rows 1 to 3 and the end line 4.
const GuardCase kGuardCases[] = {
    {"KeyOnTheEndLineClickAbove", 4, true, 1, kNoLengthMessage},
    {"LengthOnARowClickBelow", 2, false, 4, kNoPitchMessage},
    {"KeyOnARowClickAbove", 3, true, 2, kNoLengthMessage},
};

class GuardTest : public EditorFixture, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(GuardTest, AClickAwayFromAPendingRowBringsTheSelectionBack)
{
    const GuardCase& c = GetParam();
    loadRows({123, 994, 0});
    clickRow(c.pendingRow);
    c.keyGiven ? clickKey(12) : clickLength(3);
    const auto before = editor.ScoreData();
    const QStringList listBefore = list.texts();
    controls.clearPictureLog();

    clickRow(c.clickedRow);

    EXPECT_EQ(messages.shown(), std::vector<Message>{{c.message}});
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{c.pendingRow - 1});
    EXPECT_EQ(list.caretIndex(), c.pendingRow - 1);
    EXPECT_EQ(editor.CurrentRow(), c.pendingRow);
    EXPECT_TRUE(editor.EntryOpen());
    EXPECT_EQ(editor.ScoreData(), before);
    EXPECT_EQ(list.texts(), listBefore);
    EXPECT_TRUE(controls.pictureLog().empty());

    // The pending row then still takes the missing half.
    c.keyGiven ? clickLength(3) : clickKey(12);
    EXPECT_EQ(editor.ScoreData()[std::size_t(c.pendingRow)].code, 123);
}

INSTANTIATE_TEST_SUITE_P(, GuardTest, ::testing::ValuesIn(kGuardCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, ABlockSelectionEntersAtItsFirstRow)
{
    loadRows({123, 994, 50, 70});
    clickRow(4);
    shiftClickRow(2);
    EXPECT_EQ(editor.CurrentRow(), 2);

    enterRest(0);
    EXPECT_EQ(rows(), (std::vector<RowCode>{123, 990, 50, 70}));
}

TEST_F(EditorFixture, AClickThatLeavesNothingSelectedKeepsTheEntryRow)
{
    loadRows({123, 994, 50});
    clickRow(1);
    list.arrowDown();  // the keyboard moves the selection, not the entry row
    ctrlClickRow(2);   // and a control-click takes that selection away
    ASSERT_EQ(list.selectedIndexes(), std::vector<int>{});

    EXPECT_EQ(editor.CurrentRow(), 1);
    enterRest(3);
    EXPECT_EQ(rows(), (std::vector<RowCode>{993, 994, 50}));
}

TEST_F(EditorFixture, APendingRowLeftByTheKeyboardIsRebuiltAsItWasShown)
{
    for (const bool key : {true, false}) {
        SCOPED_TRACE(key ? "key pending" : "length pending");
        loadRows({123, 994, 50});
        clickRow(2);
        key ? clickKey(5) : clickLength(0);
        const QString pendingText = list.itemText(1);
        list.arrowDown();

        list.clear();
        editor.RebuildScoreList();

        EXPECT_EQ(list.itemText(1), pendingText);
        EXPECT_EQ(list.count(), 4);
    }
}

// Each row left pending keeps what was chosen for it: a later pending entry elsewhere, and the
// rebuilds of the Deletes between, show each its own key or length.
TEST_F(EditorFixture, RowsLeftPendingEachKeepTheirOwnChoice)
{
    loadRows({994, 994, 50, 994, 50});
    clickRow(2);
    clickKey(5);
    list.arrowDown();
    editor.mnuDel_Click();  // the selected row 3 goes; the entry on row 2 ends, its code stays
    clickRow(3);
    clickLength(0);
    list.arrowDown();
    editor.mnuDel_Click();

    ASSERT_EQ(rows(), (std::vector<RowCode>{994, kPendingRow, kPendingRow}));
    EXPECT_EQ(list.itemText(1), composeRowText(2, {text(OctaveMarks[0]), text(PitchNames[5]), {}}));
    EXPECT_EQ(list.itemText(2), composeRowText(3, {{}, {}, text(NoteLengthNames[0])}));
}

// ---- Sound, the right button and busy times ---------------------------------------

std::uint32_t noteOn(int note) { return 0x7F0090u | std::uint32_t(note) << 8; }
std::uint32_t noteOff(int note) { return 0x80u | std::uint32_t(note) << 8; }

TEST_F(EditorFixture, AKeySoundsWhileItIsHeldWhateverItsReleaseDoes)
{
    editor.imgKey_MouseDown(12, kLeftButton);
    EXPECT_EQ(midi.takeMessages(), std::vector<std::uint32_t>{noteOn(72)});
    editor.imgKey_MouseUp(12, kLeftButton);
    EXPECT_EQ(midi.takeMessages(), std::vector<std::uint32_t>{noteOff(72)});

    // With key 12 pending, the next press first ends the pending key's note.
    editor.imgKey_MouseDown(29, kLeftButton);
    EXPECT_EQ(midi.takeMessages(), (std::vector<std::uint32_t>{noteOff(72), noteOn(89)}));
    EXPECT_EQ(controls.pressedKeys(), std::vector<int>{29});

    // A refused entry still ends the note.
    document().CurrentRow = 501;
    editor.imgKey_MouseUp(29, kLeftButton);
    EXPECT_EQ(midi.takeMessages(), std::vector<std::uint32_t>{noteOff(89)});
}

TEST_F(SilentEditorFixture, KeysAreSilentWithoutMidi)
{
    enterNote(12, 3);
    EXPECT_EQ(midi.messages, std::vector<std::uint32_t>{});
    EXPECT_EQ(rows(), std::vector<RowCode>{123});
}

TEST_F(EditorFixture, TheRightButtonAndEveryEntryWhileBusyAreIgnored)
{
    loadRows({123, 994});
    const auto entries = [&](int button) {
        editor.imgKey_MouseDown(12, button);
        editor.imgKey_MouseUp(12, button);
        editor.imgLen_MouseDown(3, button);
        editor.imgLen_MouseUp(3, button);
        editor.imgRest_MouseDown(1, button);
        editor.imgRest_MouseUp(1, button);
        list.click(0);
        editor.lstScore_MouseUp(button);
    };
    for (const bool busy : {false, true}) {
        SCOPED_TRACE(busy ? "busy, left button" : "right button");
        std::optional<Activity::Busy> playing;
        if (busy)
            playing.emplace(activity());
        entries(busy ? kLeftButton : kRightButton);

        EXPECT_EQ(rows(), (std::vector<RowCode>{123, 994}));
        EXPECT_EQ(editor.CurrentRow(), 3);
        EXPECT_EQ(controls.pressedKeys(), std::vector<int>{});
        EXPECT_EQ(controls.pressedLengths(), std::vector<int>{});
        EXPECT_EQ(controls.pressedRests(), std::vector<int>{});
        EXPECT_EQ(midi.messages, std::vector<std::uint32_t>{});
        EXPECT_EQ(commandStates(), kStartUpStates);
    }
}

} // namespace
} // namespace tw::test
