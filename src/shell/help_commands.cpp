#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::mnuVer_Click() { }
void Editor::mnuVolCtrl_Click() { }
void Editor::imgCheese_MouseDown(int, int, double, double) { }
void Editor::imgCheese_MouseUp(int, int, double, double) { }
void Editor::timerAnime_Timer() { }
void Editor::imgApple_Click() { }
void Editor::imgApple_DblClick() { }
void Editor::timerFall_Timer() { }

} // namespace tw
