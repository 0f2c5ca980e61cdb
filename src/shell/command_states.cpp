#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::SetCommandStates(Setting, Setting, Setting, Setting, Setting, Setting, Setting, Setting, Setting, Setting, Setting, Setting) { }

} // namespace tw
