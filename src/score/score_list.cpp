#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

int Editor::PutRowText(int, const QString&, const QString&, const QString&) { return 0; }
void Editor::SelectRow(int) { }
void Editor::RebuildScoreList() { }
SelectedRange Editor::GetSelectedRange() const { return {}; }
void Editor::ClearKeySelection() { }
void Editor::ClearLengthSelection() { }

} // namespace tw
