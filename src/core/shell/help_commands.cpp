#include "core/editor.h"
#include "core/message_catalogue.h"

namespace tw {

void Editor::mnuVer_Click()
{
    ports_.help.showAbout();
}

void Editor::mnuVolCtrl_Click()
{
    // A mixer that is installed but fails to start does not hide the next one:
    // the user only needs one volume control, whichever it is.
    for (const auto& call : ports_.help.volumeControls()) {
        if (ports_.help.programExists(call.program)
            && ports_.help.startDetached(call.program, call.arguments))
            return;
    }
    showMessage(msg::kCannotStart);
}

} // namespace tw
