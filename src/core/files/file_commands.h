#pragma once
// Opening and saving melody files.

#include "core/command_states.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_edits.h"
#include "core/score/score_view.h"

namespace tw {

class FileCommands {
public:
    struct Ports {
        ScoreListPort& list;
        ControlsPort& controls;
        MessageBoxPort& messages;
        FileDialogPort& dialogs;
    };
    FileCommands(Document& document, ScoreView& view, NoteEntry& entry, ScoreEdits& edits,
                 CommandStates& commands, const Ports& ports);

    //! The open command, from the question about unsaved changes on.
    void open();
    //! The save command, from the refusal of a score without rows on.
    void save();

private:
    Document& document_;
    ScoreView& view_;
    NoteEntry& entry_;
    ScoreEdits& edits_;
    CommandStates& commands_;
    Ports ports_;
};

} // namespace tw
