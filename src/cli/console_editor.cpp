#include "cli/console_editor.h"

namespace tw::cli {

ConsoleEditor::ConsoleEditor(MidiOutPort* openedMidi, TransferPort& transfer)
    : midi_(openedMidi),
      editor_({list_, controls_, messages_, midi_, clock_, dialogs_, transfer, help_, animation_})
{
    editor_.Form_Load();
}

ConsoleEditor::~ConsoleEditor()
{
    // The melody came from a file and nothing edits it, so the closing asks nothing.
    editor_.Form_Unload();
}

bool ConsoleEditor::open(const QString& path)
{
    dialogs_.chooseForOpen(path);
    editor_.mnuOpen_Click();
    return editor_.FilePath() == path;
}

void ConsoleEditor::clickPlay()
{
    editor_.imgPlay_MouseDown(kLeftButton, 0, 1.0, 1.0);
    editor_.imgPlay_MouseUp(kLeftButton, 0, 1.0, 1.0);
}

} // namespace tw::cli
