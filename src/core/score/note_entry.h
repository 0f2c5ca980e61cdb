#pragma once
// Note entry: the 25 keys, the eight length buttons and the five rest buttons
// write the current row, and a click in the score list chooses the row to write.
// A note needs both halves, its key and its length, in either order; a row with
// one half chosen waits ("pending") for the other.

#include "core/activity.h"
#include "core/command_states.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/score_view.h"

#include <optional>

namespace tw {

//! The half-made choice of a note.
struct EntryState {
    int CurKey = kNoKey;
    int CurLength = kNoLength;
    //! A row waits for the other half of its note.
    bool EntryOpen = false;
};

class NoteEntry {
public:
    struct Ports {
        ScoreListPort& list;
        ControlsPort& controls;
        MessageBoxPort& messages;
    };
    NoteEntry(Document& document, const Activity& activity, ScoreView& view, CommandStates& commands,
              const Ports& ports);

    const EntryState& state() const { return state_; }

    //! Whether the entry buttons and the list answer this button now: not while
    //! playing or sending, and never to the right button.
    bool answers(int button) const;

    //! A key pressed: only that key looks pressed. The caller sounds the key and
    //! ends the sound of the key chosen before, which this returns.
    int pressKey(int key);
    //! A key released, after its sound has ended.
    void releaseKey(int key);
    void pressLength(int index);
    void releaseLength(int index);
    void pressRest(int index);
    void releaseRest(int index);
    //! `lstScore_MouseUp` with a button that answers.
    void listClicked();

    //! `ClearKeySelection` and `ClearLengthSelection`: no key (length) chosen or drawn pressed.
    void clearKeySelection();
    void clearLengthSelection();
    //! Nothing chosen, without touching the pictures: the state a new window starts in.
    void startOver() { state_ = {}; }

private:
    friend struct EditorProbe;

    //! The two halves of a note the keys and the length buttons give.
    enum class NoteHalf { Key, Length };
    //! A key or a length released: the note written, the row made to wait, or a note changed.
    void enterNoteHalf(NoteHalf half, int index);
    bool refusedBeyondLastRow();
    void makePending(int row, const Row& pending);
    void changeNote(int row, int key, int length);
    //! Writes a whole row (a note or a rest) at CurrentRow and moves on to the next row,
    //! appending one where it was the end line; the entry ends.
    void writeAndMoveOn(const Row& written, const CommandSettings& appended, const CommandSettings& onRow);
    void returnToPendingRow(int caret);

    Document& document_;
    const Activity& activity_;
    ScoreView& view_;
    CommandStates& commands_;
    Ports ports_;
    EntryState state_;
};

} // namespace tw
