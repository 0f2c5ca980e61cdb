#pragma once
// Sending the melody to the chip: its transfer words as tone bursts in
// `temp.wav`, played through the sound output while the sending window shows.

#include "core/activity.h"
#include "core/ports.h"
#include "core/score/document.h"
#include "core/score/note_entry.h"
#include "core/score/score_view.h"

namespace tw {

class Sender {
public:
    struct Ports {
        ControlsPort& controls;
        MessageBoxPort& messages;
        TransferPort& transfer;
    };
    Sender(const Document& document, Activity& activity, ScoreView& view, NoteEntry& entry,
           const Ports& ports);

    //! The transfer audio of the last send, in the temporary folder.
    const QString& WavePath() const { return wavePath_; }

    //! The send command, from the refusal of a score without rows on.
    void send();

private:
    const Document& document_;
    Activity& activity_;
    ScoreView& view_;
    NoteEntry& entry_;
    Ports ports_;
    QString wavePath_;
};

} // namespace tw
