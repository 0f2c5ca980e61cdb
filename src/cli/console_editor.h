#pragma once
// The editor itself, driven from the command line: the very commands of the
// window (open, play, the tone menu, send) with the ports of the console, so a
// verb does what the window does and tells what the window tells.

#include "cli/console_clock.h"
#include "cli/console_ports.h"
#include "core/editor/editor.h"

#include <QCoreApplication>

namespace tw::cli {

class ConsoleEditor {
public:
    //! Starts the editor as the window's start-up does, with `openedMidi` open already
    //! (nullptr for no notes) and `transfer` for sending.
    ConsoleEditor(MidiOutPort* openedMidi, TransferPort& transfer);
    //! Closes as the window closes, which closes the MIDI output.
    ~ConsoleEditor();
    ConsoleEditor(const ConsoleEditor&) = delete;
    ConsoleEditor& operator=(const ConsoleEditor&) = delete;

    //! The open command with the file chosen in its dialog; false when the file was not
    //! opened (its messages are on standard error).
    bool open(const QString& path);

    Editor& editor() { return editor_; }
    ConsoleScoreList& list() { return list_; }
    ConsoleControls& controls() { return controls_; }
    ConsoleClock& clock() { return clock_; }

    //! Presses and releases the play button, as a click does: plays, or while playing
    //! asks the player to stop after the row that sounds.
    void clickPlay();

private:
    // The event loop the clock waits in, and the transfer's progress and Ctrl+C with it.
    int argc_ = 1;
    char programName_[15] = "tunewright-cli";
    char* argv_[2] = {programName_, nullptr};
    QCoreApplication application_{argc_, argv_};
    ConsoleScoreList list_;
    ConsoleControls controls_;
    ConsoleMessages messages_;
    ReadyMidiOut midi_;
    ConsoleClock clock_;
    ConsoleDialogs dialogs_;
    NoHelp help_;
    NoAnimation animation_;
    Editor editor_;
};

} // namespace tw::cli
