#pragma once
// The window's life: start-up, New, and the closing procedure.

#include "core/activity.h"
#include "core/ports.h"
#include "core/playback/note_output.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_edits.h"

namespace tw {

//! The answer of the closing procedure: go on and end, or stay (the cancel flag).
enum class Closing { Proceed, Refused };

class Lifecycle {
public:
    struct Ports {
        ControlsPort& controls;
        MessageBoxPort& messages;
        FileDialogPort& dialogs;
    };
    Lifecycle(Document& document, const Activity& activity, NoteEntry& entry, ScoreEdits& edits,
              NoteOutput& voice, const Ports& ports);

    //! `Form_Load`: opens the MIDI output, fills the state, resets the document.
    void load();
    //! `Form_Unload`: Refused keeps the window open. When it proceeds it closes the
    //! MIDI output and ends the application itself, whichever way the closing started.
    Closing unload();
    //! `mnuNew_Click`: an empty melody, after the question when changes would be lost.
    void newDocument();

private:
    Document& document_;
    const Activity& activity_;
    NoteEntry& entry_;
    ScoreEdits& edits_;
    NoteOutput& voice_;
    Ports ports_;
};

} // namespace tw
