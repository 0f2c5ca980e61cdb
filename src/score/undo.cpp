#include "shell/editor.h"

#include <algorithm>

namespace tw {
namespace {

//! Entries 0 to 500 are kept: entry 0 carries the row count, 501 is never a row.
constexpr int kSnapshotSize = kScoreSize - 1;

constexpr CommandSettings kAfterUndo{On, Keep, Keep, Off, On, On, On, On, On, On, On, Off};

} // namespace

void Editor::TakeUndoSnapshot(int row)
{
    UndoRow = QString::number(row);
    ScoreData[0] = RowCode(EndRow);
    for (int i = 0; i < kSnapshotSize; ++i)
        UndoData[std::size_t(i)] = QString::number(ScoreData[std::size_t(i)]);
}

void Editor::imgUndo_MouseDown(int button, int, double, double)
{
    pressTool(ToolImage::Undo, PictureStore::Undo, button);
}

void Editor::imgUndo_MouseUp(int button, int, double x, double y)
{
    if (releaseTool(ToolImage::Undo, PictureStore::Undo, button, x, y))
        undoLastEdit();
}

void Editor::mnuUndo_Click() { imgUndo_MouseUp(kLeftButton, 0, 1.0, 1.0); }

void Editor::undoLastEdit()
{
    // Undo and the end of playback empty the row: then there is nothing to take back.
    if (UndoRow.isEmpty())
        return;
    CurrentRow = UndoRow.toInt();
    for (int i = 0; i < kSnapshotSize; ++i)
        ScoreData[std::size_t(i)] = RowCode(UndoData[std::size_t(i)].toInt());
    EndRow = ScoreData[0];
    // Only the rows and their count come back. A pending code that stood on the
    // end line when the snapshot was taken belongs to an entry that has ended
    // since (or goes on without it), so the end line is clear again.
    std::fill(ScoreData.begin() + EndRow, ScoreData.end(), kEmptyRow);
    showRowsAgain();
    UndoRow.clear();
    SetCommandStates(kAfterUndo);
}

} // namespace tw
