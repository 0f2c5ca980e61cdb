#pragma once

#include "gui/window_widgets.h"

class QMenuBar;

namespace tw {
class Editor;
}

namespace tw::gui {

//! Lays down the menu bar: File, Edit, Tone, Help and the blank, disabled
//! `mnuDumy`. Every entry's object name is its entry name; separators are
//! named too. Fills `widgets.menuEntries` and `widgets.menus`.
void buildMenuBar(QMenuBar& bar, WindowWidgets& widgets);

//! Lets every menu entry run its handler in the editor.
void connectMenuBar(const WindowWidgets& widgets, Editor& editor);

} // namespace tw::gui
