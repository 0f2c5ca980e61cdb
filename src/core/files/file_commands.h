#pragma once
// Opening and saving melody files.

#include "core/command_states.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_edits.h"
#include "core/score/score_view.h"

#include <optional>

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
    //! A MIDI file or ringtones made into a new melody, fitted to the chip, as Open would
    //! open a melody file; the report of the fitting comes last.
    void importMelody();
    //! The melody as a MIDI file that plays as the player plays it, in the tone `program`.
    void exportMidi(int program);

private:
    //! The path the user chose in the save dialog with `extension` added where it is missing,
    //! after the overwrite question; nothing when cancelled.
    std::optional<QString> chooseSavePath(const QString& filter, const QString& extension,
                                          const QString& offeredName);

    Document& document_;
    ScoreView& view_;
    NoteEntry& entry_;
    ScoreEdits& edits_;
    CommandStates& commands_;
    Ports ports_;
};

} // namespace tw
