#include "core/editor.h"
#include "core/message_catalogue.h"

namespace tw {
namespace {

bool holdsNote(int code) { return code > kEmptyRow && code < kRestBase; }
bool takesPending(int code) { return code == kEmptyRow || (code >= kRestBase && code <= kPendingRow); }

} // namespace

// ---- Keys -----------------------------------------------------------------

void Editor::imgKey_MouseDown(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    for (int key = kFirstKey; key <= kLastKey; ++key)
        ports_.controls.showKeyPicture(key, false);
    ports_.controls.showKeyPicture(index, true);
    // The key sounds while the button is held, whatever its release then does.
    NoteOff(CurKey);
    NoteOn(index);
}

void Editor::imgKey_MouseUp(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    NoteOff(index);
    enterNoteHalf(NoteHalf::Key, index);
}

// ---- Lengths --------------------------------------------------------------

void Editor::imgLen_MouseDown(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    for (int length = 0; length < kLengthCount; ++length)
        ports_.controls.showLengthPicture(length, false);
    ports_.controls.showLengthPicture(index, true);
}

void Editor::imgLen_MouseUp(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    enterNoteHalf(NoteHalf::Length, index);
}

// ---- Rests ----------------------------------------------------------------

void Editor::imgRest_MouseDown(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    ports_.controls.showRestPicture(index, true);
}

void Editor::imgRest_MouseUp(int index, int button)
{
    if (!Idle || button == kRightButton)
        return;
    ports_.controls.showRestPicture(index, false);
    // Unlike a key or a length, a refused rest keeps the key and length chosen.
    if (refusedBeyondLastRow())
        return;
    // A rest replaces whatever the row held, a pending key or length included.
    writeAndMoveOn(Row{RowCode(kRestBase + index)}, after::RestAppended, after::RestOnRow);
    Saved = false;
}

// ---- Entry steps shared by keys and lengths ---------------------------------

void Editor::enterNoteHalf(NoteHalf half, int index)
{
    if (refusedBeyondLastRow()) {
        ClearKeySelection();
        ClearLengthSelection();
        return;
    }
    const bool key = half == NoteHalf::Key;
    (key ? CurKey : CurLength) = index;
    Saved = false;
    // With the other half chosen before, the note is complete.
    if (CurKey != kNoKey && CurLength != kNoLength) {
        writeAndMoveOn(Row{RowCode(CurKey * 10 + CurLength)}, after::NoteAppended, after::NoteOnRow);
        return;
    }
    // Alone, the half makes the row wait for the other one, or replaces that half of a note.
    const int row = CurrentRow;
    const int code = ScoreData[std::size_t(row)].code;
    if (takesPending(code))
        makePending(row, key ? pendingWithKey(index) : pendingWithLength(index));
    else if (holdsNote(code))
        changeNote(row, key ? index : keyOf(code), key ? lengthOf(code) : index);
}

bool Editor::refusedBeyondLastRow()
{
    if (CurrentRow <= kMaxRows)
        return false;
    showMessage(msg::kEntryRowLimit, MessageIcon::Error);
    return true;
}

void Editor::makePending(int row, const Row& pending)
{
    // The chosen key or length stays drawn pressed until the row is complete.
    ScoreData[std::size_t(row)] = pending;
    const RowFields fields = rowFields(pending);
    PutRowText(row, fields.mark, fields.pitch, fields.length);
    SelectRow(row);
    if (row == EndRow)
        ports_.list.moveCaretDown();
    SetCommandStates(after::RowPending);
    EntryOpen = true;
}

void Editor::changeNote(int row, int key, int length)
{
    // CurrentRow stays on the note, so the next key or length tries again on it.
    ScoreData[std::size_t(row)] = Row{RowCode(key * 10 + length)};
    const RowFields fields = fieldsForCode(ScoreData[std::size_t(row)].code);
    PutRowText(row, fields.mark, fields.pitch, fields.length);
    SelectRow(row);
    if (row == EndRow)
        ports_.list.moveCaretDown();
    SetCommandStates(after::NoteOnRow);
    EntryOpen = false;
    ClearKeySelection();
    ClearLengthSelection();
}

void Editor::writeAndMoveOn(const Row& written, const CommandSettings& appended,
                            const CommandSettings& onRow)
{
    const int row = CurrentRow;
    ScoreData[std::size_t(row)] = written;
    const RowFields fields = fieldsForCode(written.code);
    PutRowText(row, fields.mark, fields.pitch, fields.length);
    CurrentRow = row + 1;
    if (CurrentRow > EndRow) {
        EndRow = CurrentRow;
        ports_.list.insertItem(CurrentRow - 1, QString());
        SetCommandStates(appended);
    } else {
        SetCommandStates(onRow);
    }
    selectAfterEntry(row);
    // The entry is over: no key or length stays chosen.
    ClearKeySelection();
    ClearLengthSelection();
}

void Editor::selectAfterEntry(int row)
{
    // Selecting the written row and moving down leaves the next row selected,
    // also when that is the end line.
    SelectRow(row);
    ports_.list.moveCaretDown();
}

// ---- List clicks ------------------------------------------------------------

void Editor::lstScore_MouseUp(int button)
{
    if (!Idle || button == kRightButton)
        return;
    const int caret = ports_.list.caretIndex();
    if (EntryOpen && caret + 1 != CurrentRow) {
        returnToPendingRow(caret);
        return;
    }
    const int rowBefore = CurrentRow;
    if (caret + 1 >= EndRow) {
        SelectRow(EndRow);
        CurrentRow = EndRow;
        ports_.list.moveCaretDown();
        SetCommandStates(after::ClickOnEndLine);
    } else {
        CurrentRow = caret + 1;
        SetCommandStates(after::ClickOnRow);
    }
    const SelectedRange range = GetSelectedRange();
    if (range.first == range.last)
        SetCommandStates(EntryOpen ? after::OneRowPending : after::OneRow);
    else
        SetCommandStates(after::SeveralRows);
    // A control-click can leave nothing selected; there is no row 0 to enter into.
    CurrentRow = range.first > 0 ? range.first : rowBefore;
}

void Editor::returnToPendingRow(int caret)
{
    // One step at a time, each selecting only the caret item, as the arrow keys move.
    ports_.list.setFocus();
    const int target = CurrentRow - 1;
    for (int i = caret; i > target; --i)
        ports_.list.moveCaretUp();
    for (int i = caret; i < target; ++i)
        ports_.list.moveCaretDown();
    showMessage(CurKey == kNoKey ? msg::kNoPitch : msg::kNoLength);
}

} // namespace tw
