#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::imgKey_MouseDown(int, int) { }
void Editor::imgKey_MouseUp(int, int) { }
void Editor::imgLen_MouseDown(int, int) { }
void Editor::imgLen_MouseUp(int, int) { }
void Editor::imgRest_MouseDown(int, int) { }
void Editor::imgRest_MouseUp(int, int) { }
void Editor::lstScore_MouseUp(int) { }

} // namespace tw
