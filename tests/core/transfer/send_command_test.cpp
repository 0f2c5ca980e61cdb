// The send command through the fakes: its checks and messages, the file it
// writes into the temporary folder, the confirmation, the sending window and
// the steps that close every send.

#include "send_fixture.h"

#include "core/transfer/temp_wave_file.h"

#include <QDir>
#include <functional>

namespace tw::test {
namespace {

// ---- What each way through the command leaves behind ------------------------

struct Outcome {
    const char* name;
    std::function<void(FakeTransfer&, ScriptedMessageBox&)> arrange;
    std::vector<Message> messages;
    bool fileWritten;
    int windowShows;
    bool closingSteps;
    friend void PrintTo(const Outcome& c, std::ostream* os) { *os << c.name; }
};

const std::vector<RowCode> kThreeRows{53, 0, 991};

void asScripted(FakeTransfer&, ScriptedMessageBox&) {}

const Outcome kOutcomes[] = {
    {"Ok", asScripted, {kConfirm}, true, 1, true},
    {"Cancel", [](auto&, ScriptedMessageBox& m) { m.answerNext(MessageAnswer::Cancel); },
     {kConfirm}, true, 0, true},
    {"PlaybackFails", [](FakeTransfer& t, auto&) { t.playResult = false; },
     {kConfirm, kSoundDevice}, true, 1, true},
    {"NoTemporaryFolder", [](FakeTransfer& t, auto&) { t.folder.reset(); },
     {kNoTempFolder}, false, 0, false},
    {"TemporaryFolderEmptyBeforeItsNul",
     [](FakeTransfer& t, auto&) { t.folder = QString(QChar(u'\0')) + *t.folder; },
     {kNoTempFolder}, false, 0, false},
};

class SendOutcome : public SendFixture, public ::testing::WithParamInterface<Outcome> {};

TEST_P(SendOutcome, ShowsItsMessagesAndRunsTheClosingStepsWhereTheSendGotFarEnough)
{
    loadRows(kThreeRows);
    disturbRowAndChoice(2);
    const QString folder = *transfer.folder;
    GetParam().arrange(transfer, messages);
    const int repaints = controls.repaintCount();

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), GetParam().messages);
    EXPECT_EQ(QFileInfo::exists(folder + "temp.wav"), GetParam().fileWritten);
    EXPECT_EQ(transfer.sendingWindowShows, GetParam().windowShows);
    EXPECT_EQ(transfer.played.size(), std::size_t(GetParam().windowShows));
    EXPECT_TRUE(editor.Idle());
    if (GetParam().closingSteps) {
        EXPECT_TRUE(closingStepsRan(repaints));
    } else {
        EXPECT_EQ(controls.repaintCount(), repaints);
        EXPECT_EQ(controls.pressedKeys(), std::vector<int>{12});
    }
}

INSTANTIATE_TEST_SUITE_P(, SendOutcome, ::testing::ValuesIn(kOutcomes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SendFixture, AnEmptyScoreIsNotSent)
{
    const int repaints = controls.repaintCount();

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), std::vector<Message>{kNoData});
    EXPECT_FALSE(waveWritten());
    EXPECT_EQ(transfer.sendingWindowShows, 0);
    EXPECT_EQ(controls.repaintCount(), repaints);
}

// ---- Invalid rows ---------------------------------------------------------------

struct InvalidScore {
    const char* name;
    std::vector<RowCode> rows;
    friend void PrintTo(const InvalidScore& c, std::ostream* os) { *os << c.name; }
};

const InvalidScore kInvalidScores[] = {
    {"KeyBelowTheKeyboard", {53, 40, 297}},
    {"KeyAboveTheKeyboard", {300}},
    {"PendingRow", {53, 999}},
};

class InvalidRows : public SendFixture, public ::testing::WithParamInterface<InvalidScore> {};

TEST_P(InvalidRows, AreToldAndNothingIsWrittenButTheSendClosesAsUsual)
{
    loadRows(GetParam().rows);
    disturbRowAndChoice(1);
    const int repaints = controls.repaintCount();

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), std::vector<Message>{kInvalidData});
    EXPECT_FALSE(waveWritten());
    EXPECT_EQ(transfer.sendingWindowShows, 0);
    EXPECT_TRUE(closingStepsRan(repaints));
}

INSTANTIATE_TEST_SUITE_P(, InvalidRows, ::testing::ValuesIn(kInvalidScores),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- What the file carries ---------------------------------------------------------

struct Score {
    const char* name;
    std::vector<RowCode> rows;
    int tempoIndex;
    std::vector<Message> messages;
    std::vector<RowCode> sent;  //!< the row frames of the file
    int tempoItemData;
    friend void PrintTo(const Score& c, std::ostream* os) { *os << c.name; }
};

std::vector<RowCode> withoutEmptyRows(std::vector<RowCode> rows)
{
    std::erase(rows, kEmptyRow);
    return rows;
}

std::vector<RowCode> firstRows(std::vector<RowCode> rows, std::size_t count)
{
    rows.resize(count);
    return rows;
}

std::vector<RowCode> withRow128(RowCode code)
{
    std::vector<RowCode> rows = melody(127);
    rows.push_back(code);
    return rows;
}

const Score kScores[] = {
    {"OneRow", {53}, 2, {kConfirm}, {53}, 101},
    {"EmptyRowsLeaveNoFrame", {53, 0, 297, 0}, 0, {kConfirm}, {53, 297}, 11},
    {"OnlyEmptyRows", {0, 0}, 4, {kConfirm}, {}, 111},
    {"Exactly127RowsWithoutNotice", melody(127), 1, {kConfirm}, melody(127), 100},
    {"200RowsSendRows1To127", melody(200, 10), 3, {kRowLimit, kConfirm},
     withoutEmptyRows(firstRows(melody(200, 10), 127)), 110},
    {"AnInvalidRowAfterRow127IsNeverLookedAt", withRow128(300), 2, {kRowLimit, kConfirm}, melody(127), 101},
};

class SentFile : public SendFixture, public ::testing::WithParamInterface<Score> {};

TEST_P(SentFile, CarriesTheRowFramesAndTheTempoTheChipShouldGet)
{
    loadRows(GetParam().rows);
    chooseTempo(GetParam().tempoIndex);
    messages.takeShown();

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), GetParam().messages);
    EXPECT_EQ(editor.WavePath(), wavePath());
    const auto decoded = decodeFile(wavePath());
    ASSERT_TRUE(decoded.has_value()) << decoded.error();
    EXPECT_EQ(decoded->rows, GetParam().sent);
    EXPECT_EQ(decoded->tempoItemData, GetParam().tempoItemData);
}

INSTANTIATE_TEST_SUITE_P(, SentFile, ::testing::ValuesIn(kScores),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The sending window ----------------------------------------------------------------

TEST_F(SendFixture, OkPlaysTheWholeWrittenFileWhileTheWindowIsShownAndTheEditorIsBusy)
{
    loadRows(kThreeRows);
    messages.whileShown([&](const Message&) { EXPECT_TRUE(waveWritten()) << "asked before the file was written"; });
    bool idleWhilePlaying = true;
    std::expected<DecodedTransfer, std::string> heard = std::unexpected("nothing played");
    transfer.whilePlaying = [&](const QString& path) {
        idleWhilePlaying = editor.Idle();
        heard = decodeFile(path);
    };

    clickSend();

    ASSERT_EQ(transfer.played.size(), 1u);
    EXPECT_EQ(transfer.played[0].path, wavePath());
    EXPECT_TRUE(transfer.played[0].whileWindowShown);
    EXPECT_FALSE(idleWhilePlaying);
    ASSERT_TRUE(heard.has_value()) << heard.error();
    EXPECT_EQ(heard->rows, (std::vector<RowCode>{53, 991}));
    EXPECT_TRUE(editor.Idle());
    EXPECT_FALSE(transfer.windowOpen);
}

TEST_F(SendFixture, APlaybackFailureIsToldOnceTheWindowHasClosed)
{
    loadRows(kThreeRows);
    transfer.playResult = false;
    bool windowOpenAtMessage = true;
    bool idleAtMessage = false;
    messages.whileShown([&](const Message& message) {
        if (message == kSoundDevice) {
            windowOpenAtMessage = transfer.windowOpen;
            idleAtMessage = editor.Idle();
        }
    });

    editor.mnuSent_Click();

    EXPECT_EQ(messages.shown(), (std::vector<Message>{kConfirm, kSoundDevice}));
    EXPECT_FALSE(windowOpenAtMessage);
    EXPECT_TRUE(idleAtMessage);
}

// ---- The button and the menu entry ------------------------------------------------------

struct Release {
    const char* name;
    int button;
    double x;
    double y;
    bool sends;
    friend void PrintTo(const Release& c, std::ostream* os) { *os << c.name; }
};

// The fake's images are 720 x 720 twips; their edges count as inside.
const Release kReleases[] = {
    {"TopLeftCorner", kLeftButton, 0, 0, true},
    {"BottomRightCorner", kLeftButton, 720, 720, true},
    {"MiddleButton", kMiddleButton, 360, 360, true},
    {"LeftOfTheButton", kLeftButton, -0.5, 360, false},
    {"AboveTheButton", kLeftButton, 360, -1, false},
    {"RightOfTheButton", kLeftButton, 720.5, 360, false},
    {"BelowTheButton", kLeftButton, 360, 721, false},
};

class SendRelease : public SendFixture, public ::testing::WithParamInterface<Release> {};

TEST_P(SendRelease, RestoresTheNormalPictureAndSendsOnlyOverTheButton)
{
    loadRows(kThreeRows);

    editor.imgSent_MouseDown(GetParam().button, 0, 360, 360);
    editor.imgSent_MouseUp(GetParam().button, 0, GetParam().x, GetParam().y);

    using Shown = std::pair<ToolImage, ShownPicture>;
    EXPECT_EQ(controls.pictureLog(), (std::vector<Shown>{{ToolImage::Sent, {PictureStore::Sent, Look::Pressed}},
                                                         {ToolImage::Sent, {PictureStore::Sent, Look::Normal}}}));
    EXPECT_EQ(transfer.sendingWindowShows, GetParam().sends ? 1 : 0);
    EXPECT_EQ(messages.shown().size(), GetParam().sends ? 1u : 0u);
    EXPECT_EQ(waveWritten(), GetParam().sends);
}

INSTANTIATE_TEST_SUITE_P(, SendRelease, ::testing::ValuesIn(kReleases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SendFixture, TheRightButtonNeitherPressesNorSends)
{
    loadRows(kThreeRows);

    editor.imgSent_MouseDown(kRightButton, 0, 1, 1);
    editor.imgSent_MouseUp(kRightButton, 0, 1, 1);

    EXPECT_TRUE(controls.pictureLog().empty());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_FALSE(waveWritten());
}

TEST_F(SendFixture, TheMenuEntrySendsWithoutEverShowingThePressedPicture)
{
    loadRows(kThreeRows);

    editor.mnuSent_Click();

    using Shown = std::pair<ToolImage, ShownPicture>;
    EXPECT_EQ(controls.pictureLog(), (std::vector<Shown>{{ToolImage::Sent, {PictureStore::Sent, Look::Normal}}}));
    EXPECT_EQ(transfer.sendingWindowShows, 1);
}

// ---- The temporary folder's text --------------------------------------------------------

TEST(CutAtNul, EndsTheTextAtItsFirstNul)
{
    using namespace Qt::StringLiterals;
    EXPECT_EQ(CutAtNul(u"/tmp/"_s), u"/tmp/"_s);
    EXPECT_EQ(CutAtNul(u"/tmp/\0rest\0more"_s), u"/tmp/"_s);
    EXPECT_EQ(CutAtNul(u"\0/tmp/"_s), QString());
    EXPECT_EQ(CutAtNul(QString()), QString());
}

TEST_F(SendFixture, AFolderTextWithANulIsCutThere)
{
    loadRows(kThreeRows);
    const QString folder = *transfer.folder;
    transfer.folder = folder + QChar(u'\0') + QStringLiteral("junk/");

    editor.mnuSent_Click();

    EXPECT_EQ(editor.WavePath(), folder + "temp.wav");
    EXPECT_TRUE(decodeFile(folder + "temp.wav").has_value());
}

} // namespace
} // namespace tw::test
