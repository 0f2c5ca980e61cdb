#pragma once
// Playing the melody: the play button starts at the first row or the chosen
// one, the list follows the playing row, and a second click stops after the
// row that sounds.

#include "core/activity.h"
#include "core/command_states.h"
#include "core/ports.h"
#include "core/playback/note_output.h"
#include "core/score/document.h"
#include "core/score/score_edits.h"
#include "core/score/score_view.h"
#include "core/toolbar.h"

namespace tw {

class Player {
public:
    struct Ports {
        ControlsPort& controls;
        MessageBoxPort& messages;
        ClockPort& clock;
    };
    Player(Document& document, Activity& activity, ScoreView& view, ScoreEdits& edits, NoteOutput& voice,
           CommandStates& commands, Toolbar& toolbar, const Ports& ports);

    //! A stop was asked for and the row playing has not ended yet.
    bool StopRequest() const { return stopRequest_; }

    //! `imgPlay_MouseDown`: the pressed look of play, or of stop while playing.
    void press(int button);
    //! `imgPlay_MouseUp`: plays, or asks the running playback to stop.
    void release(int button, double x, double y);
    //! `EnableEditing`: 0 hides the menus and disables the title and the entry buttons, 1 undoes it.
    void enableEditing(int flag);

private:
    void play();
    //! Plays the rows from `firstRow` on; returns the row during which stop was
    //! requested, or EndRow after the last row.
    int playRows(int firstRow);
    //! Sounds one note or rest row and waits its length.
    void playRow(RowCode code);

    Document& document_;
    Activity& activity_;
    ScoreView& view_;
    ScoreEdits& edits_;
    NoteOutput& voice_;
    CommandStates& commands_;
    Toolbar& toolbar_;
    Ports ports_;
    bool stopRequest_ = false;
};

} // namespace tw
