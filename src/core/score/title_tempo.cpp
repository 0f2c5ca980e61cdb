#include "codecs/files/title.h"
#include "core/editor.h"
#include "core/message_catalogue.h"

namespace tw {
void Editor::txtTitle_Change()
{
    // The box shows what the file will hold: a character code page 932 lacks would
    // be saved as "?", so it becomes "?" at once, told once per change.
    QString title = ports_.controls.titleText();
    if (const QString stored = titleAsStored(title); stored != title) {
        title = stored;
        ports_.controls.setTitleText(title);
        showMessage(msg::kTitleCharacters);
    }
    // Each removed character is a change of the box of its own, and each one is
    // reported; the last character goes, wherever the user typed.
    while (titleTooWide(title)) {
        showMessage(msg::kTitleLimit);
        title = dropLastCharacter(title);
        ports_.controls.setTitleText(title);
    }
    SetCommandStates(after::TitleOrTempo);
    Saved = false;
}

void Editor::cmbTempo_Click()
{
    // The tempo is read from the list where it is used; choosing one is an edit.
    SetCommandStates(after::TitleOrTempo);
    Saved = false;
}

} // namespace tw
