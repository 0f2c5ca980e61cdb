#include "core/playback/player.h"

#include "codecs/score/row_timing.h"
#include "core/message_catalogue.h"

namespace tw {
namespace {

const QString kStartTooltip = QStringLiteral("演奏を開始する");
const QString kStopTooltip = QStringLiteral("演奏を停止する");

//! The tempo the tempo list shows, or `fallback` when it shows none.
int shownTempo(int index, int fallback)
{
    if (index < 0 || index >= int(TempoItems.size()))
        return fallback;
    return TempoItems[std::size_t(index)].bpm;
}

} // namespace

Player::Player(Document& document, Activity& activity, ScoreView& view, ScoreEdits& edits,
               NoteOutput& voice, CommandStates& commands, Toolbar& toolbar, const Ports& ports)
    : document_(document), activity_(activity), view_(view), edits_(edits), voice_(voice),
      commands_(commands), toolbar_(toolbar), ports_(ports)
{
}

void Player::press(int button)
{
    toolbar_.press(ToolImage::Play, activity_.idle() ? PictureStore::Play : PictureStore::Stop, button);
}

void Player::release(int button, double x, double y)
{
    if (button == kRightButton)
        return;
    if (!toolbar_.releasedInside(ToolImage::Play, x, y)) {
        ports_.controls.showToolPicture(ToolImage::Play,
                                        activity_.idle() ? PictureStore::Play : PictureStore::Stop,
                                        Look::Normal);
        return;
    }
    // Nested in the running playback: the loop stops after the row that sounds now.
    if (!activity_.idle()) {
        stopRequest_ = true;
        return;
    }
    if (document_.EndRow == 1) {
        ports_.messages.tell(msg::kNoData, MessageIcon::Critical);
        return;
    }
    play();
}

void Player::play()
{
    ports_.controls.showToolPicture(ToolImage::Play, PictureStore::Stop, Look::Normal);
    ports_.controls.setPlayTooltip(kStopTooltip);
    commands_.set(after::PlayStart);
    enableEditing(0);
    {
        const Activity::Busy busy(activity_);
        if (ports_.controls.playStartOption() == 0)
            document_.CurrentRow = 1;
        view_.selectRow(document_.CurrentRow);
        document_.Tempo = shownTempo(ports_.controls.tempoIndex(), document_.Tempo);
        document_.CurrentRow = playRows(document_.CurrentRow);
    }

    const bool reachedEnd = document_.CurrentRow == document_.EndRow;
    // After a stop the stopped row is selected, so it can be deleted or copied.
    commands_.set(after::PlayEnd(!reachedEnd, !document_.Saved));
    // The next play starts over after the end, and resumes at the stopped row after a stop.
    ports_.controls.setPlayStartOption(reachedEnd ? 0 : 1);
    edits_.dropUndo();
    enableEditing(1);
    ports_.controls.setPlayTooltip(kStartTooltip);
}

int Player::playRows(int firstRow)
{
    for (int row = firstRow; row < document_.EndRow; ++row) {
        const Row& current = document_.ScoreData[std::size_t(row)];
        view_.selectRow(row);
        // An empty row passes at once; the list still shows it on the way.
        if (current.isEmpty())
            continue;
        // A pending row sounds nothing and takes no time, but a stop is honoured there.
        if (!current.isPending())
            playRow(current.code);
        if (stopRequest_) {
            stopRequest_ = false;
            return row;
        }
    }
    return document_.EndRow;
}

void Player::playRow(RowCode code)
{
    // The row ends at the first poll at which more than its length has passed;
    // between polls the event loop runs (a click on stop comes in there) and
    // sleeps until the first moment that can end the row.
    ClockPort& clock = ports_.clock;
    const std::int64_t start = clock.nowMs();
    const int key = keyOf(code);
    if (key != kNoKey)
        voice_.noteOn(key);
    const std::int64_t end = start + std::int64_t(sixteenthsOf(code)) * sixteenthMs(document_.Tempo);
    while (!(end < clock.nowMs()))
        clock.processEventsUntil(end + 1);
    voice_.noteOff(key);
}

void Player::enableEditing(int flag)
{
    if (flag != 0 && flag != 1)
        return;
    const bool enabled = flag != 0;
    for (Menu menu : {Menu::File, Menu::Edit, Menu::ToneMenu, Menu::Help})
        ports_.controls.setMenuVisible(menu, enabled);
    ports_.controls.setTitleEnabled(enabled);
    for (int key = kFirstKey; key <= kLastKey; ++key)
        ports_.controls.setKeyEnabled(key, enabled);
    for (int index = 0; index < kLengthCount; ++index)
        ports_.controls.setLengthEnabled(index, enabled);
    for (int index = 0; index < kRestCount; ++index)
        ports_.controls.setRestEnabled(index, enabled);
}

} // namespace tw
