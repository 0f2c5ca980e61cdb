#pragma once
// Lays down the controls of the main window at their fixed places, and wires
// their events to the editor's handlers. The wiring only forwards: what a
// press, a click or an edit means is the editor's business.

#include "gui/window_widgets.h"

namespace tw {
class Editor;
}

namespace tw::gui {

//! The score list, its column headings, the title box, the tempo list and the
//! two start options.
void buildDocumentControls(QWidget& client, WindowWidgets& widgets);
void connectDocumentControls(const WindowWidgets& widgets, Editor& editor);

//! The keyboard, the note length buttons and the rest buttons.
void buildEntryButtons(QWidget& client, WindowWidgets& widgets);
void connectEntryButtons(const WindowWidgets& widgets, Editor& editor);

//! The eleven toolbar images and the smoke beside Open and Save.
void buildToolImages(QWidget& client, WindowWidgets& widgets);
void connectToolImages(const WindowWidgets& widgets, Editor& editor);
//! Adds the menu entries' shortcuts to the toolbar's tooltips, once the menu bar is built.
void showToolKeys(const WindowWidgets& widgets);

//! The decorative scene: the two hot spots, the animated and the falling picture.
void buildDecoration(QWidget& client, WindowWidgets& widgets);
void connectDecoration(const WindowWidgets& widgets, Editor& editor);

} // namespace tw::gui
