#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::imgOpen_MouseDown(int, int, double, double) { }
void Editor::imgOpen_MouseUp(int, int, double, double) { }
void Editor::mnuOpen_Click() { }
void Editor::imgSave_MouseDown(int, int, double, double) { }
void Editor::imgSave_MouseUp(int, int, double, double) { }
void Editor::mnuSave_Click() { }

} // namespace tw
