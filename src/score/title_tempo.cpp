#include "files/title.h"
#include "shell/editor.h"

namespace tw {
namespace {

constexpr CommandSettings kSaveOn{Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, On, Keep, Keep, Keep};

} // namespace

void Editor::txtTitle_Change()
{
    // Each removed character is a change of the box of its own, and each one is
    // reported; the last character goes, wherever the user typed.
    QString title = ports_.controls.titleText();
    while (titleTooWide(title)) {
        showMessage(kTitleLimitMessage);
        title = dropLastCharacter(title);
        ports_.controls.setTitleText(title);
    }
    SetCommandStates(kSaveOn);
    Saved = false;
}

void Editor::cmbTempo_Click()
{
    // The tempo is read from the list where it is used; choosing one is an edit.
    SetCommandStates(kSaveOn);
    Saved = false;
}

} // namespace tw
