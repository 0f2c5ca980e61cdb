#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::imgPlay_MouseDown(int, int, double, double) { }
void Editor::imgPlay_MouseUp(int, int, double, double) { }
void Editor::EnableEditing(int) { }
void Editor::mnuTone_Click(int) { }
void Editor::mnuToneBeep_Click() { }

} // namespace tw
