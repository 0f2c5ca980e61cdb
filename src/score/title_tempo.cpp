#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::txtTitle_Change() { }
void Editor::cmbTempo_Click() { }

} // namespace tw
