#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::TakeUndoSnapshot(int) { }
void Editor::imgUndo_MouseDown(int, int, double, double) { }
void Editor::imgUndo_MouseUp(int, int, double, double) { }
void Editor::mnuUndo_Click() { }

} // namespace tw
