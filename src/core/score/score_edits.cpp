#include "core/score/score_edits.h"

#include "codecs/files/title.h"
#include "core/message_catalogue.h"

#include <algorithm>

namespace tw {
namespace {

constexpr int kMaxCopiedRows = 250;

} // namespace

ScoreEdits::ScoreEdits(Document& document, ScoreView& view, NoteEntry& entry, CommandStates& commands,
                       const Ports& ports)
    : document_(document), view_(view), entry_(entry), commands_(commands), ports_(ports)
{
}

// ---- Insert, delete, copy, paste ----------------------------------------------------------

void ScoreEdits::insertRow()
{
    // Entry 0 holds no row; it is never a place to insert at.
    if (!hasCurrentRow())
        return;
    auto& rows = document_.ScoreData;
    int& endRow = document_.EndRow;
    if (endRow > kMaxRows) {
        ports_.messages.tell(msg::kInsertLimit, MessageIcon::Error);
        return;
    }
    takeUndoSnapshot(document_.CurrentRow);
    // On the end line nothing moves: its entry becomes the new row as it is,
    // which keeps a row pending there pending, now as a row of the score.
    if (document_.CurrentRow < endRow) {
        const auto current = rows.begin() + document_.CurrentRow;
        std::copy_backward(current, rows.begin() + endRow, rows.begin() + endRow + 1);
        *current = Row{};
    }
    ++endRow;
    view_.showRowsAgain();
    commands_.set(after::Insert);
    document_.Saved = false;
}

void ScoreEdits::deleteRows()
{
    const SelectedRange block = view_.selectedRange();
    auto& rows = document_.ScoreData;
    int& endRow = document_.EndRow;
    // Nothing selected, or only the end line: there is no row to delete.
    if (block.first == 0 || block.first >= endRow)
        return;
    takeUndoSnapshot(block.first);
    // The rows after the block move up. Everything from the new end line on is
    // cleared: that includes a pending row that stood on the old end line,
    // whose entry ends below and which is no row to keep.
    const int count = block.last - block.first + 1;
    std::copy(rows.begin() + block.last + 1, rows.begin() + endRow, rows.begin() + block.first);
    endRow -= count;
    std::fill(rows.begin() + endRow, rows.end(), Row{});
    document_.CurrentRow = block.first;
    entry_.clearKeySelection();
    entry_.clearLengthSelection();
    commands_.set(endRow == 1 ? after::DeleteOfEveryRow : after::Delete);
    view_.showRowsAgain();
    document_.Saved = false;
}

void ScoreEdits::copyRows()
{
    const SelectedRange block = view_.selectedRange();
    // Nothing selected: entry 0 is no row to copy.
    if (block.first == 0)
        return;
    const int count = block.last - block.first + 1;
    // A refused copy keeps the earlier one, which can still be pasted.
    if (count > kMaxCopiedRows) {
        ports_.messages.tell(msg::kCopyLimit, MessageIcon::Error);
        return;
    }
    const auto first = document_.ScoreData.begin() + block.first;
    copyBuffer_.assign(first, first + count);
    commands_.set(after::Copy);
}

void ScoreEdits::pasteRows()
{
    if (!hasCurrentRow())
        return;
    auto& rows = document_.ScoreData;
    int& endRow = document_.EndRow;
    const int count = int(copyBuffer_.size());
    if (endRow - 1 + count > kMaxRows) {
        ports_.messages.tell(msg::kPasteLimit, MessageIcon::Error);
        return;
    }
    takeUndoSnapshot(document_.CurrentRow);
    // The current row and the rows after it move down; on the end line none move.
    const auto current = rows.begin() + document_.CurrentRow;
    std::copy_backward(current, rows.begin() + endRow, rows.begin() + endRow + count);
    std::ranges::copy(copyBuffer_, current);
    endRow += count;
    view_.showRowsAgain();
    commands_.set(after::Paste);
    document_.Saved = false;
}

bool ScoreEdits::hasCurrentRow() const
{
    return document_.CurrentRow >= 1 && document_.CurrentRow <= document_.EndRow;
}

// ---- Undo ---------------------------------------------------------------------------------

void ScoreEdits::takeUndoSnapshot(int row)
{
    undoData_ = UndoSnapshot{document_.ScoreData, document_.EndRow, row};
}

void ScoreEdits::undo()
{
    // Undo and the end of playback drop the snapshot: then there is nothing to take back.
    if (!undoData_)
        return;
    document_.CurrentRow = undoData_->row;
    document_.ScoreData = undoData_->rows;
    document_.EndRow = undoData_->endRow;
    // Only the rows and their count come back. A pending row that stood on the
    // end line when the snapshot was taken belongs to an entry that has ended
    // since (or goes on without it), so the end line is clear again.
    std::fill(document_.ScoreData.begin() + document_.EndRow, document_.ScoreData.end(), Row{});
    view_.showRowsAgain();
    undoData_.reset();
    commands_.set(after::Undo);
}

// ---- Title and tempo ------------------------------------------------------------------------

void ScoreEdits::titleChanged()
{
    // The box shows what the file will hold: a character code page 932 lacks would
    // be saved as "?", so it becomes "?" at once, told once per change.
    QString title = ports_.controls.titleText();
    if (const QString stored = titleAsStored(title); stored != title) {
        title = stored;
        ports_.controls.setTitleText(title);
        ports_.messages.tell(msg::kTitleCharacters);
    }
    // Each removed character is a change of the box of its own, and each one is
    // reported; the last character goes, wherever the user typed.
    while (titleTooWide(title)) {
        ports_.messages.tell(msg::kTitleLimit);
        title = dropLastCharacter(title);
        ports_.controls.setTitleText(title);
    }
    commands_.set(after::TitleOrTempo);
    document_.Saved = false;
}

void ScoreEdits::tempoChosen()
{
    // The tempo is read from the list where it is used; choosing one is an edit.
    commands_.set(after::TitleOrTempo);
    document_.Saved = false;
}

// ---- Reset ----------------------------------------------------------------------------------

void ScoreEdits::resetDocument()
{
    document_.Title = kUntitled;
    document_.FilePath = kUntitled;
    ports_.controls.setPlayStartOption(0);
    document_.ScoreData.fill(Row{});
    ports_.list.clear();
    ports_.list.insertItem(0, QString());
    // The change handlers of the title and the tempo are not run here: all they
    // do is mark the document modified and enable Save, which the next two
    // steps undo.
    ports_.controls.setTitleText(document_.Title);
    ports_.controls.setTempoIndex(kDefaultTempoIndex);
    document_.Saved = true;
    commands_.set(after::Reset);
}

} // namespace tw
