#include "core/score/note_entry.h"

#include "core/message_catalogue.h"

namespace tw {

NoteEntry::NoteEntry(Document& document, const Activity& activity, ScoreView& view,
                     CommandStates& commands, const Ports& ports)
    : document_(document), activity_(activity), view_(view), commands_(commands), ports_(ports)
{
}

bool NoteEntry::answers(int button) const { return activity_.idle() && button != kRightButton; }

// ---- Keys, lengths, rests ----------------------------------------------------------------

int NoteEntry::pressKey(int key)
{
    for (int other = kFirstKey; other <= kLastKey; ++other)
        ports_.controls.showKeyPicture(other, false);
    ports_.controls.showKeyPicture(key, true);
    return state_.CurKey;
}

void NoteEntry::releaseKey(int key) { enterNoteHalf(NoteHalf::Key, key); }

void NoteEntry::pressLength(int index)
{
    for (int length = 0; length < kLengthCount; ++length)
        ports_.controls.showLengthPicture(length, false);
    ports_.controls.showLengthPicture(index, true);
}

void NoteEntry::releaseLength(int index) { enterNoteHalf(NoteHalf::Length, index); }

void NoteEntry::pressRest(int index) { ports_.controls.showRestPicture(index, true); }

void NoteEntry::releaseRest(int index)
{
    ports_.controls.showRestPicture(index, false);
    // Unlike a key or a length, a refused rest keeps the key and length chosen.
    if (refusedBeyondLastRow())
        return;
    // A rest replaces whatever the row held, a pending key or length included.
    writeAndMoveOn(Row::rest(index), after::RestAppended, after::RestOnRow);
    document_.Saved = false;
}

// ---- Entry steps shared by keys and lengths -----------------------------------------------

void NoteEntry::enterNoteHalf(NoteHalf half, int index)
{
    if (refusedBeyondLastRow()) {
        clearKeySelection();
        clearLengthSelection();
        return;
    }
    const bool key = half == NoteHalf::Key;
    (key ? state_.CurKey : state_.CurLength) = index;
    document_.Saved = false;
    // With the other half chosen before, the note is complete.
    if (state_.CurKey != kNoKey && state_.CurLength != kNoLength) {
        writeAndMoveOn(Row::note(state_.CurKey, state_.CurLength), after::NoteAppended, after::NoteOnRow);
        return;
    }
    // Alone, the half makes the row wait for the other one, or replaces that half of a note.
    // An empty row, a rest or a row waiting already waits for the other half now.
    const int row = document_.CurrentRow;
    const Row& current = document_.ScoreData[std::size_t(row)];
    if (current.isNote())
        changeNote(row, key ? index : current.key(), key ? current.length() : index);
    else
        makePending(row, key ? pendingWithKey(index) : pendingWithLength(index));
}

bool NoteEntry::refusedBeyondLastRow()
{
    if (document_.CurrentRow <= kMaxRows)
        return false;
    ports_.messages.tell(msg::kEntryRowLimit, MessageIcon::Error);
    return true;
}

void NoteEntry::makePending(int row, const Row& pending)
{
    // The chosen key or length stays drawn pressed until the row is complete.
    document_.ScoreData[std::size_t(row)] = pending;
    view_.putRowText(row, ScoreView::rowFields(pending));
    view_.selectRow(row);
    if (row == document_.EndRow)
        ports_.list.moveCaretDown();
    commands_.set(after::RowPending);
    state_.EntryOpen = true;
}

void NoteEntry::changeNote(int row, int key, int length)
{
    // CurrentRow stays on the note, so the next key or length tries again on it.
    const Row note = Row::note(key, length);
    document_.ScoreData[std::size_t(row)] = note;
    view_.putRowText(row, fieldsForCode(note.code));
    view_.selectRow(row);
    if (row == document_.EndRow)
        ports_.list.moveCaretDown();
    commands_.set(after::NoteOnRow);
    state_.EntryOpen = false;
    clearKeySelection();
    clearLengthSelection();
}

void NoteEntry::writeAndMoveOn(const Row& written, const CommandSettings& appended,
                               const CommandSettings& onRow)
{
    const int row = document_.CurrentRow;
    document_.ScoreData[std::size_t(row)] = written;
    view_.putRowText(row, fieldsForCode(written.code));
    document_.CurrentRow = row + 1;
    if (document_.CurrentRow > document_.EndRow) {
        document_.EndRow = document_.CurrentRow;
        ports_.list.insertItem(document_.CurrentRow - 1, QString());
        commands_.set(appended);
    } else {
        commands_.set(onRow);
    }
    // Selecting the written row and moving down leaves the next row selected,
    // also when that is the end line.
    view_.selectRow(row);
    ports_.list.moveCaretDown();
    // The entry is over: no key or length stays chosen.
    clearKeySelection();
    clearLengthSelection();
}

void NoteEntry::clearKeySelection()
{
    for (int key = kFirstKey; key <= kLastKey; ++key)
        ports_.controls.showKeyPicture(key, false);
    state_.CurKey = kNoKey;
    state_.EntryOpen = false;
}

void NoteEntry::clearLengthSelection()
{
    for (int index = 0; index < kLengthCount; ++index)
        ports_.controls.showLengthPicture(index, false);
    state_.CurLength = kNoLength;
    state_.EntryOpen = false;
}

// ---- List clicks ----------------------------------------------------------------------------

void NoteEntry::listClicked()
{
    const int caret = ports_.list.caretIndex();
    if (state_.EntryOpen && caret + 1 != document_.CurrentRow) {
        returnToPendingRow(caret);
        return;
    }
    const int rowBefore = document_.CurrentRow;
    if (caret + 1 >= document_.EndRow) {
        view_.selectRow(document_.EndRow);
        document_.CurrentRow = document_.EndRow;
        ports_.list.moveCaretDown();
        commands_.set(after::ClickOnEndLine);
    } else {
        document_.CurrentRow = caret + 1;
        commands_.set(after::ClickOnRow);
    }
    const SelectedRange range = view_.selectedRange();
    if (range.first == range.last)
        commands_.set(state_.EntryOpen ? after::OneRowPending : after::OneRow);
    else
        commands_.set(after::SeveralRows);
    // A control-click can leave nothing selected; there is no row 0 to enter into.
    document_.CurrentRow = range.first > 0 ? range.first : rowBefore;
}

void NoteEntry::returnToPendingRow(int caret)
{
    // One step at a time, each selecting only the caret item, as the arrow keys move.
    ports_.list.setFocus();
    const int target = document_.CurrentRow - 1;
    for (int i = caret; i > target; --i)
        ports_.list.moveCaretUp();
    for (int i = caret; i < target; ++i)
        ports_.list.moveCaretDown();
    ports_.messages.tell(state_.CurKey == kNoKey ? msg::kNoPitch : msg::kNoLength);
}

} // namespace tw
