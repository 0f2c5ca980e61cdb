#include "codecs/score/row_timing.h"
#include "core/editor.h"
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

//! Sounds one note or rest row and waits its length. The row ends at the first
//! poll at which more than its length has passed; between polls the event loop
//! runs (a click on stop comes in there) and sleeps until the first moment that
//! can end the row.
void playRow(Editor& editor, ClockPort& clock, RowCode code)
{
    const std::int64_t start = clock.nowMs();
    const int key = keyOf(code);
    if (key != kNoKey)
        editor.NoteOn(key);
    const std::int64_t end = start + std::int64_t(sixteenthsOf(code)) * sixteenthMs(editor.Tempo);
    while (!(end < clock.nowMs()))
        clock.processEventsUntil(end + 1);
    editor.NoteOff(key);
}

//! Plays the rows from `firstRow` on, the list following the playing row.
//! Returns the row during which stop was requested, or EndRow after the last row.
int playRows(Editor& editor, ClockPort& clock, int firstRow)
{
    for (int row = firstRow; row < editor.EndRow; ++row) {
        const RowCode code = editor.ScoreData[std::size_t(row)].code;
        editor.SelectRow(row);
        // An empty row passes at once; the list still shows it on the way.
        if (code == kEmptyRow)
            continue;
        // A pending row sounds nothing and takes no time, but a stop is honoured there.
        if (code != kPendingRow)
            playRow(editor, clock, code);
        if (editor.StopRequest) {
            editor.StopRequest = false;
            return row;
        }
    }
    return editor.EndRow;
}

} // namespace

void Editor::imgPlay_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Play, Idle ? PictureStore::Play : PictureStore::Stop, button);
}

void Editor::imgPlay_MouseUp(int button, int, double x, double y)
{
    if (button == kRightButton)
        return;
    if (!releasedInside(ToolImage::Play, x, y)) {
        ports_.controls.showToolPicture(ToolImage::Play, Idle ? PictureStore::Play : PictureStore::Stop,
                                        Look::Normal);
        return;
    }
    // Nested in the running playback: the loop stops after the row that sounds now.
    if (!Idle) {
        StopRequest = true;
        return;
    }
    if (EndRow == 1) {
        showMessage(msg::kNoData, MessageIcon::Critical);
        return;
    }
    ports_.controls.showToolPicture(ToolImage::Play, PictureStore::Stop, Look::Normal);
    ports_.controls.setPlayTooltip(kStopTooltip);
    SetCommandStates(after::PlayStart);
    EnableEditing(0);
    Idle = false;

    if (ports_.controls.playStartOption() == 0)
        CurrentRow = 1;
    SelectRow(CurrentRow);
    Tempo = shownTempo(ports_.controls.tempoIndex(), Tempo);

    CurrentRow = playRows(*this, ports_.clock, CurrentRow);
    Idle = true;

    const bool reachedEnd = CurrentRow == EndRow;
    // After a stop the stopped row is selected, so it can be deleted or copied.
    SetCommandStates(after::PlayEnd(!reachedEnd, !Saved));
    // The next play starts over after the end, and resumes at the stopped row after a stop.
    ports_.controls.setPlayStartOption(reachedEnd ? 0 : 1);
    UndoData.reset();
    EnableEditing(1);
    ports_.controls.setPlayTooltip(kStartTooltip);
}

void Editor::EnableEditing(int flag)
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
