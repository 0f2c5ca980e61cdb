#pragma once
// The verbs of the command-line companion. Each returns the program's exit status.

#include <QString>
#include <QStringList>
#include <functional>

namespace tw::cli {

//! Prints the title, the tempo and every row as the editor shows them after opening the file;
//! the messages of the open go to standard error.
int showMelody(const QString& path);

//! Writes OUT as the editor's save (".tun"), as the transfer audio of a send (".wav") or as a
//! MIDI file of what the player plays (".mid").
int convertMelody(const QString& in, const QString& out);

//! Prints the problem with the arguments and the usage; returns the exit status.
using UsageError = std::function<int(const QString&)>;

//! Reads a MIDI file or a ringtone, fits it to the chip, tells how on standard error and writes
//! it as the editor saves it. `args` are what follows the verb: IN OUT [--track N] [--tune NAME].
int importFile(const QStringList& args, const UsageError& usageError);

//! Plays the melody as the editor's play button does, with the progress on standard output.
//! `args` are what follows the verb: FILE [--tone NAME].
int playMelody(const QStringList& args, const UsageError& usageError);

//! Plays the transfer signal as the editor's send command does, with the time left on
//! standard output.
int sendMelody(const QString& path);

//! Prints the tempo and the rows a recording of the transfer signal carries.
int decodeRecording(const QString& path);

} // namespace tw::cli
