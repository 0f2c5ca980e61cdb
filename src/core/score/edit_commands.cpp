#include "core/editor.h"
#include "core/message_catalogue.h"

#include <algorithm>

namespace tw {
namespace {

constexpr int kMaxCopiedRows = 250;

} // namespace

// ---- Toolbar images and their menu entries ----------------------------------

void Editor::imgInsert_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Insert, PictureStore::Insert, button);
}

void Editor::imgInsert_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::Insert, PictureStore::Insert, button, x, y))
        insertRow();
}

void Editor::imgDel_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Del, PictureStore::Del, button);
}

void Editor::imgDel_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::Del, PictureStore::Del, button, x, y))
        deleteRows();
}

void Editor::imgCopy_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Copy, PictureStore::Copy, button);
}

void Editor::imgCopy_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::Copy, PictureStore::Copy, button, x, y))
        copyRows();
}

void Editor::imgPaste_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Paste, PictureStore::Paste, button);
}

void Editor::imgPaste_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::Paste, PictureStore::Paste, button, x, y))
        pasteRows();
}

void Editor::mnuInsert_Click() { imgInsert_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuDel_Click() { imgDel_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuCopy_Click() { imgCopy_MouseUp(kLeftButton, 0, 1.0, 1.0); }
void Editor::mnuPaste_Click() { imgPaste_MouseUp(kLeftButton, 0, 1.0, 1.0); }

// ---- The commands -------------------------------------------------------------

void Editor::insertRow()
{
    // Entry 0 holds the undo snapshot's row count; it is never a place to insert at.
    if (!hasCurrentRow())
        return;
    if (EndRow > kMaxRows) {
        showMessage(msg::kInsertLimit, MessageIcon::Error);
        return;
    }
    TakeUndoSnapshot(CurrentRow);
    // On the end line nothing moves: its entry becomes the new row as it is,
    // which keeps a row pending there pending, now as a row of the score.
    if (CurrentRow < EndRow) {
        const auto current = ScoreData.begin() + CurrentRow;
        std::copy_backward(current, ScoreData.begin() + EndRow, ScoreData.begin() + EndRow + 1);
        *current = Row{};
    }
    ++EndRow;
    showRowsAgain();
    SetCommandStates(after::Insert);
    Saved = false;
}

void Editor::deleteRows()
{
    const SelectedRange block = GetSelectedRange();
    // Nothing selected, or only the end line: there is no row to delete.
    if (block.first == 0 || block.first >= EndRow)
        return;
    TakeUndoSnapshot(block.first);
    // The rows after the block move up. Everything from the new end line on is
    // cleared: that includes a pending code that stood on the old end line,
    // whose entry ends below and which is no row to keep.
    const int count = block.last - block.first + 1;
    std::copy(ScoreData.begin() + block.last + 1, ScoreData.begin() + EndRow,
              ScoreData.begin() + block.first);
    EndRow -= count;
    std::fill(ScoreData.begin() + EndRow, ScoreData.end(), Row{});
    CurrentRow = block.first;
    ClearKeySelection();
    ClearLengthSelection();
    SetCommandStates(EndRow == 1 ? after::DeleteOfEveryRow : after::Delete);
    showRowsAgain();
    Saved = false;
}

void Editor::copyRows()
{
    const SelectedRange block = GetSelectedRange();
    // Nothing selected: entry 0 is no row to copy.
    if (block.first == 0)
        return;
    const int count = block.last - block.first + 1;
    // A refused copy keeps the earlier one, which can still be pasted.
    if (count > kMaxCopiedRows) {
        showMessage(msg::kCopyLimit, MessageIcon::Error);
        return;
    }
    CopyBuffer.assign(ScoreData.begin() + block.first, ScoreData.begin() + block.first + count);
    SetCommandStates(after::Copy);
}

void Editor::pasteRows()
{
    if (!hasCurrentRow())
        return;
    const int count = CopyCount();
    if (EndRow - 1 + count > kMaxRows) {
        showMessage(msg::kPasteLimit, MessageIcon::Error);
        return;
    }
    TakeUndoSnapshot(CurrentRow);
    // The current row and the rows after it move down; on the end line none move.
    const auto current = ScoreData.begin() + CurrentRow;
    std::copy_backward(current, ScoreData.begin() + EndRow, ScoreData.begin() + EndRow + count);
    std::ranges::copy(CopyBuffer, current);
    EndRow += count;
    showRowsAgain();
    SetCommandStates(after::Paste);
    Saved = false;
}

// ---- Steps shared by the row edits ----------------------------------------------

bool Editor::hasCurrentRow() const { return CurrentRow >= 1 && CurrentRow <= EndRow; }

void Editor::showRowsAgain()
{
    ports_.list.clear();
    RebuildScoreList();
    selectCurrentRow();
}

} // namespace tw
