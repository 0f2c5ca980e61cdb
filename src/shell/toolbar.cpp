#include "shell/editor.h"

// Placeholder bodies until this group of handlers is built.
namespace tw {

void Editor::pressTool(ToolImage, PictureStore, int) { }
bool Editor::releaseTool(ToolImage, PictureStore, int, double, double) { return false; }
bool Editor::releasedInside(ToolImage, double, double) const { return false; }
void Editor::showMessage(const QString&, MessageIcon) { }
MessageAnswer Editor::ask(const QString&) { return MessageAnswer::Cancel; }

} // namespace tw
