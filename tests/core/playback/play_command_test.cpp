// Playing the score in time, stopping it, and the editor locked meanwhile.
// The virtual clock moves only while the engine waits, so every time below is exact.

#include "support/editor_fixture.h"

#include <ostream>

namespace tw::test {
namespace {

const QString kStartTooltip = QStringLiteral("演奏を開始する");
const QString kStopTooltip = QStringLiteral("演奏を停止する");

constexpr std::uint32_t noteOn(int note) { return 0x90u | std::uint32_t(note) << 8 | 127u << 16; }
constexpr std::uint32_t noteOff(int note) { return 0x80u | std::uint32_t(note) << 8; }

//! One message as the output received it: when, what, and the row the list showed.
struct Sent {
    std::int64_t ms;
    std::uint32_t message;
    int selectedRow;
    friend bool operator==(const Sent&, const Sent&) = default;
    friend void PrintTo(const Sent& sent, std::ostream* os)
    {
        *os << "{" << sent.ms << " ms, 0x" << std::hex << sent.message << std::dec << ", row "
            << sent.selectedRow << "}";
    }
};

class PlaybackTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        midi.onMessage = [this](std::uint32_t message) {
            sent.push_back({clock.nowMs(), message, selectedRow()});
        };
    }

    //! Rows as an opened file brings them, with the play button available.
    void loadMelody(const std::vector<RowCode>& codes)
    {
        loadRows(codes);
        editor.SetCommandStates(Keep, Keep, Keep, Keep, On, Keep, Keep, Keep, Keep, Keep, Keep, Keep);
    }

    //! A left click on the play button (the stop button while playing).
    void clickPlay()
    {
        editor.imgPlay_MouseDown(kLeftButton, 0, 1.0, 1.0);
        editor.imgPlay_MouseUp(kLeftButton, 0, 1.0, 1.0);
    }

    //! The first selected row, 0 when none.
    int selectedRow() const
    {
        const auto selected = list.selectedIndexes();
        return selected.empty() ? 0 : selected.front() + 1;
    }

    std::vector<Sent> takeSent() { return std::exchange(sent, {}); }

    std::vector<Sent> sent;
};

// ---- Timing -------------------------------------------------------------------

struct TempoCase {
    int tempoIndex;
    int tempo;
    int sixteenthMs;  //!< 15000 / tempo, truncated
    friend void PrintTo(const TempoCase& c, std::ostream* os) { *os << "tempo " << c.tempo; }
};

const TempoCase kTempos[] = {{0, 60, 250}, {1, 90, 166}, {2, 120, 125}, {3, 150, 100}, {4, 180, 83}};

class TempoTest : public PlaybackTest, public ::testing::WithParamInterface<TempoCase> {};

// Middle C quarter, quarter rest, empty row, high F sixteenth, low F whole, sixteenth rest.
// Each timed row ends 1 ms after its length: at the first poll at which more than it has passed.
TEST_P(TempoTest, NotesSoundForTheirLengthRestsWaitAndEmptyRowsPassAtOnce)
{
    loadMelody({123, 992, 0, 290, 57, 990});
    chooseTempo(GetParam().tempoIndex);
    const std::int64_t u = GetParam().sixteenthMs;

    clickPlay();

    EXPECT_EQ(sent, (std::vector<Sent>{
                        {0, noteOn(72), 1},
                        {4 * u + 1, noteOff(72), 1},
                        {8 * u + 2, noteOn(89), 4},
                        {9 * u + 3, noteOff(89), 4},
                        {9 * u + 3, noteOn(65), 5},
                        {25 * u + 4, noteOff(65), 5},
                    }));
    EXPECT_EQ(clock.nowMs(), 26 * u + 5);
    // One sleep per timed row: the wait wakes when the row can end, it does not poll.
    EXPECT_EQ(clock.waits(), 5);
    EXPECT_EQ(editor.Tempo(), GetParam().tempo);
}

INSTANTIATE_TEST_SUITE_P(, TempoTest, ::testing::ValuesIn(kTempos),
                         [](const auto& info) { return "Tempo" + std::to_string(info.param.tempo); });

// ---- Stopping and where the next play starts ----------------------------------

TEST_F(PlaybackTest, StopDuringRow5EndsAfterThatRowAndTheNextPlayResumesThere)
{
    loadMelody({120, 140, 160, 170, 190, 210});
    // Each sixteenth lasts 126 ms at tempo 120: row 5 plays from 504 to 630 ms.
    clock.at(550, [this] { clickPlay(); });

    clickPlay();

    const std::vector<Sent> played = takeSent();
    ASSERT_EQ(played.size(), 10u);
    EXPECT_EQ(played.back(), (Sent{630, noteOff(79), 5}));  // its full length, then stop
    EXPECT_EQ(editor.CurrentRow(), 5);
    EXPECT_EQ(controls.playStartOption(), 1);
    EXPECT_EQ(selectedRow(), 5);
    EXPECT_EQ(commandStates(), "Insert Delete Copy Play Tempo Send Open Exit New");
    EXPECT_FALSE(editor.StopRequest());

    clickPlay();

    EXPECT_EQ(takeSent(), (std::vector<Sent>{{630, noteOn(79), 5}, {756, noteOff(79), 5},
                                              {756, noteOn(81), 6}, {882, noteOff(81), 6}}));
}

TEST_F(PlaybackTest, AStopDuringARestIsHonouredWhenTheRestIsOver)
{
    loadMelody({992, 120});
    clock.at(1, [this] { clickPlay(); });
    clickPlay();
    EXPECT_EQ(sent, std::vector<Sent>{});
    EXPECT_EQ(clock.nowMs(), 501);
    EXPECT_EQ(editor.CurrentRow(), 1);
}

TEST_F(PlaybackTest, PlayingToTheEndStartsOverNextTimeWhateverRowIsSelected)
{
    loadMelody({120, 140, 160});
    clickPlay();
    EXPECT_EQ(editor.CurrentRow(), editor.EndRow());
    EXPECT_EQ(controls.playStartOption(), 0);
    EXPECT_EQ(commandStates(), "Insert Play Tempo Send Open Exit New");

    clickRow(3);
    takeSent();
    clickPlay();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front().message, noteOn(72));
}

TEST_F(PlaybackTest, FromTheSelectedRowWithTheEndLineSelectedEndsAtOnce)
{
    loadMelody({120, 140});
    controls.setPlayStartOption(1);  // the end line is current after loading
    clickPlay();
    EXPECT_EQ(sent, std::vector<Sent>{});
    EXPECT_EQ(clock.nowMs(), 0);
    EXPECT_EQ(editor.CurrentRow(), editor.EndRow());
    EXPECT_EQ(controls.playStartOption(), 0);
    EXPECT_TRUE(editor.Idle());
}

TEST_F(PlaybackTest, FromTheSelectedRowStartsAtTheClickedRow)
{
    loadMelody({120, 140, 160});
    clickRow(2);
    controls.setPlayStartOption(1);
    clickPlay();
    EXPECT_EQ(sent.front(), (Sent{0, noteOn(74), 2}));
    EXPECT_EQ(sent.size(), 4u);
}

TEST_F(PlaybackTest, APendingRowSoundsNothingAndTakesNoTime)
{
    loadMelody({0, 140});
    clickRow(1);
    clickKey(9);  // row 1 now waits for its length
    ASSERT_EQ(editor.ScoreData()[1].code, kPendingRow);
    takeSent();
    clickPlay();
    EXPECT_EQ(sent, (std::vector<Sent>{{0, noteOn(74), 2}, {126, noteOff(74), 2}}));
}

// ---- After playing ---------------------------------------------------------------

struct EndCase {
    const char* name;
    std::int64_t stopAt;  //!< when stop is clicked; -1 plays to the end
    friend void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }
};

const EndCase kEnds[] = {{"PlayedToTheEnd", -1}, {"Stopped", 10}};

class AfterPlayingTest : public PlaybackTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(AfterPlayingTest, UndoIsGoneAndPasteIsDisabled)
{
    loadMelody({120, 140});
    clickRow(1);
    editor.mnuCopy_Click();
    editor.mnuInsert_Click();
    ASSERT_TRUE(controls.isToolEnabled(ToolImage::Undo));
    ASSERT_TRUE(controls.isToolEnabled(ToolImage::Paste));
    const std::vector<RowCode> rowsBefore = rows();
    if (GetParam().stopAt >= 0)
        clock.at(GetParam().stopAt, [this] { clickPlay(); });

    clickPlay();

    EXPECT_FALSE(controls.isToolEnabled(ToolImage::Undo));
    EXPECT_FALSE(controls.isMenuEntryEnabled(MenuEntry::Undo));
    EXPECT_FALSE(controls.isToolEnabled(ToolImage::Paste));
    EXPECT_FALSE(controls.isMenuEntryEnabled(MenuEntry::Paste));
    EXPECT_EQ(editor.UndoData(), std::nullopt);
    editor.mnuUndo_Click();
    EXPECT_EQ(rows(), rowsBefore);
    // The insert is not saved yet, so Save stays available.
    EXPECT_TRUE(controls.isToolEnabled(ToolImage::Save));
}

TEST_P(AfterPlayingTest, EditingIsUnlockedAgain)
{
    loadMelody({120, 140});
    if (GetParam().stopAt >= 0)
        clock.at(GetParam().stopAt, [this] { clickPlay(); });
    clickPlay();

    EXPECT_TRUE(editor.Idle());
    for (Menu menu : {Menu::File, Menu::Edit, Menu::ToneMenu, Menu::Help})
        EXPECT_TRUE(controls.isMenuVisible(menu));
    EXPECT_TRUE(controls.isKeyEnabled(kFirstKey));
    EXPECT_TRUE(controls.isKeyEnabled(kLastKey));
    EXPECT_TRUE(controls.isTitleEnabled());
    EXPECT_EQ(controls.playTooltip(), kStartTooltip);
    EXPECT_EQ(controls.toolPicture(ToolImage::Play), (ShownPicture{PictureStore::Play, Look::Normal}));
    // Saved before playing, so Save stays off.
    EXPECT_FALSE(controls.isToolEnabled(ToolImage::Save));
}

INSTANTIATE_TEST_SUITE_P(, AfterPlayingTest, ::testing::ValuesIn(kEnds),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- While playing ----------------------------------------------------------------

TEST_F(PlaybackTest, WhilePlayingEditingIsLockedAndOnlyStopIsOffered)
{
    loadMelody({120, 140});
    bool looked = false;
    clock.at(100, [&] {
        looked = true;
        EXPECT_FALSE(editor.Idle());
        EXPECT_EQ(commandStates(), "Play");
        EXPECT_EQ(controls.toolPicture(ToolImage::Play), (ShownPicture{PictureStore::Stop, Look::Normal}));
        EXPECT_EQ(controls.playTooltip(), kStopTooltip);
        for (Menu menu : {Menu::File, Menu::Edit, Menu::ToneMenu, Menu::Help})
            EXPECT_FALSE(controls.isMenuVisible(menu));
        EXPECT_FALSE(controls.isTitleEnabled());
        for (int key = kFirstKey; key <= kLastKey; ++key)
            EXPECT_FALSE(controls.isKeyEnabled(key)) << "key " << key;
        for (int index = 0; index < kLengthCount; ++index)
            EXPECT_FALSE(controls.isLengthEnabled(index)) << "length " << index;
        for (int index = 0; index < kRestCount; ++index)
            EXPECT_FALSE(controls.isRestEnabled(index)) << "rest " << index;
    });
    clickPlay();
    EXPECT_TRUE(looked);
}

TEST_F(PlaybackTest, ListClicksEntriesAndClosingAreRefusedWhilePlaying)
{
    loadMelody({120, 140});
    Closing closing = Closing::Proceed;
    clock.at(100, [&] {
        clickRow(2);
        enterNote(20, 3);
        enterRest(2);
        closing = editor.Form_Unload();
    });

    clickPlay();

    EXPECT_EQ(closing, Closing::Refused);
    EXPECT_EQ(controls.endApplicationCount(), 0);
    EXPECT_EQ(rows(), (std::vector<RowCode>{120, 140}));
    EXPECT_EQ(editor.CurKey(), kNoKey);
    EXPECT_EQ(editor.CurLength(), kNoLength);
    // Only the melody sounded: the refused key made no sound.
    EXPECT_EQ(midi.messages,
              (std::vector<std::uint32_t>{noteOn(72), noteOff(72), noteOn(74), noteOff(74)}));
    EXPECT_EQ(messages.shown(), std::vector<Message>{});
}

TEST_F(PlaybackTest, TheStopButtonShowsItsOwnPictures)
{
    loadMelody({120});
    std::vector<std::optional<ShownPicture>> seen;
    clock.at(10, [&] {
        editor.imgPlay_MouseDown(kLeftButton, 0, 1.0, 1.0);
        seen.push_back(controls.toolPicture(ToolImage::Play));
        editor.imgPlay_MouseUp(kLeftButton, 0, -1.0, 1.0);  // released beside it: no stop
        seen.push_back(controls.toolPicture(ToolImage::Play));
    });
    clickPlay();
    EXPECT_EQ(seen, (std::vector<std::optional<ShownPicture>>{ShownPicture{PictureStore::Stop, Look::Pressed},
                                                              ShownPicture{PictureStore::Stop, Look::Normal}}));
    EXPECT_EQ(clock.nowMs(), 126);  // the melody played on to its end
}

// ---- Clicks that do not play ------------------------------------------------------

struct ClickCase {
    const char* name;
    int button;
    double x;
    std::optional<ShownPicture> picture;  //!< imgPlay's picture after the click
    friend void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }
};

const ClickCase kNoPlayClicks[] = {
    {"RightButton", kRightButton, 1.0, ShownPicture{PictureStore::Play, Look::Normal}},
    {"ReleasedOutside", kLeftButton, 800.0, ShownPicture{PictureStore::Play, Look::Normal}},
};

class NoPlayTest : public PlaybackTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(NoPlayTest, NothingPlays)
{
    loadMelody({120});
    controls.clearPictureLog();
    editor.imgPlay_MouseDown(GetParam().button, 0, 1.0, 1.0);
    editor.imgPlay_MouseUp(GetParam().button, 0, GetParam().x, 1.0);
    EXPECT_EQ(sent, std::vector<Sent>{});
    EXPECT_EQ(controls.toolPicture(ToolImage::Play), GetParam().picture);
    EXPECT_EQ(controls.playTooltip(), QString());
    EXPECT_TRUE(editor.Idle());
}

INSTANTIATE_TEST_SUITE_P(, NoPlayTest, ::testing::ValuesIn(kNoPlayClicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlaybackTest, AnEmptyScoreIsReportedAndNotPlayed)
{
    editor.imgPlay_MouseUp(kLeftButton, 0, 1.0, 1.0);
    const Message noData{QStringLiteral("データがありません"), MessageIcon::Critical};
    EXPECT_EQ(messages.shown(), std::vector<Message>{noData});
    EXPECT_TRUE(editor.Idle());
    EXPECT_EQ(commandStates(), kStartUpStates);
    EXPECT_EQ(controls.playTooltip(), QString());
}

TEST_F(PlaybackTest, EnableEditingActsOnlyOn0And1)
{
    editor.EnableEditing(0);
    editor.EnableEditing(2);
    EXPECT_FALSE(controls.isMenuVisible(Menu::Help));
    EXPECT_FALSE(controls.isRestEnabled(4));
    editor.EnableEditing(1);
    EXPECT_TRUE(controls.isMenuVisible(Menu::Help));
    EXPECT_TRUE(controls.isRestEnabled(4));
}

} // namespace
} // namespace tw::test
