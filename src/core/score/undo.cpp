#include "core/editor.h"

#include <algorithm>

namespace tw {
void Editor::TakeUndoSnapshot(int row)
{
    UndoData = UndoSnapshot{ScoreData, EndRow, row};
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
    // Undo and the end of playback drop the snapshot: then there is nothing to take back.
    if (!UndoData)
        return;
    CurrentRow = UndoData->row;
    ScoreData = UndoData->rows;
    EndRow = UndoData->endRow;
    // Only the rows and their count come back. A pending code that stood on the
    // end line when the snapshot was taken belongs to an entry that has ended
    // since (or goes on without it), so the end line is clear again.
    std::fill(ScoreData.begin() + EndRow, ScoreData.end(), Row{});
    showRowsAgain();
    UndoData.reset();
    SetCommandStates(after::Undo);
}

} // namespace tw
