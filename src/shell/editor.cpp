#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

Editor::Editor(const Ports& ports) : ports_(ports) {}

void Editor::Form_Load() { }
Closing Editor::Form_Unload() { return Closing::Proceed; }
void Editor::ResetDocument() { }
void Editor::mnuNew_Click() { }
void Editor::imgNew_MouseDown(int, int, double, double) { }
void Editor::imgNew_MouseUp(int, int, double, double) { }
void Editor::imgEnd_MouseDown(int, int, double, double) { }
void Editor::imgEnd_MouseUp(int, int, double, double) { }
void Editor::mnuEnd_Click() { }

} // namespace tw
