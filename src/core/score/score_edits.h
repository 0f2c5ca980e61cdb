#pragma once
// The edits of the score as a whole: insert, delete, copy, paste and one level
// of undo, the title and tempo changes, and the reset to an empty melody.

#include "core/command_states.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_view.h"

#include <optional>
#include <vector>

namespace tw {

//! The rows and their count before a row edit, and the row Undo makes current again.
struct UndoSnapshot {
    std::array<Row, kScoreSize> rows{};
    int endRow = 1;
    int row = 1;   //!< `UndoRow`
    friend bool operator==(const UndoSnapshot&, const UndoSnapshot&) = default;
};

class ScoreEdits {
public:
    struct Ports {
        ScoreListPort& list;
        ControlsPort& controls;
        MessageBoxPort& messages;
    };
    ScoreEdits(Document& document, ScoreView& view, NoteEntry& entry, CommandStates& commands,
               const Ports& ports);

    //! The copied rows, at most 250.
    const std::vector<Row>& copyBuffer() const { return copyBuffer_; }
    //! The score as the last Insert, Delete or Paste found it; nothing after Undo and after
    //! playing, when there is nothing to take back.
    const std::optional<UndoSnapshot>& undoData() const { return undoData_; }

    void insertRow();
    void deleteRows();
    void copyRows();
    void pasteRows();
    void undo();
    //! `TakeUndoSnapshot`.
    void takeUndoSnapshot(int row);
    //! Playing ends with nothing to take back.
    void dropUndo() { undoData_.reset(); }

    //! `txtTitle_Change`: the title box changed.
    void titleChanged();
    //! `cmbTempo_Click`: a tempo was chosen.
    void tempoChosen();

    //! `ResetDocument`: an empty, saved melody without a title, in the list and the controls.
    void resetDocument();

private:
    //! Whether CurrentRow is a row or the end line; entry 0 is neither.
    bool hasCurrentRow() const;

    Document& document_;
    ScoreView& view_;
    NoteEntry& entry_;
    CommandStates& commands_;
    Ports ports_;
    std::vector<Row> copyBuffer_;
    std::optional<UndoSnapshot> undoData_;
};

} // namespace tw
