#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::imgInsert_MouseDown(int, int, double, double) { }
void Editor::imgInsert_MouseUp(int, int, double, double) { }
void Editor::imgDel_MouseDown(int, int, double, double) { }
void Editor::imgDel_MouseUp(int, int, double, double) { }
void Editor::imgCopy_MouseDown(int, int, double, double) { }
void Editor::imgCopy_MouseUp(int, int, double, double) { }
void Editor::imgPaste_MouseDown(int, int, double, double) { }
void Editor::imgPaste_MouseUp(int, int, double, double) { }
void Editor::mnuInsert_Click() { }
void Editor::mnuDel_Click() { }
void Editor::mnuCopy_Click() { }
void Editor::mnuPaste_Click() { }

} // namespace tw
