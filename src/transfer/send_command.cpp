#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::imgSent_MouseDown(int, int, double, double) { }
void Editor::imgSent_MouseUp(int, int, double, double) { }
void Editor::mnuSent_Click() { }

} // namespace tw
