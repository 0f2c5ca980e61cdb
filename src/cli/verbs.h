#pragma once
// The verbs of the command-line companion. Each returns the program's exit status.

#include <QString>

namespace tw::cli {

//! Prints the title, the tempo and every row as the editor shows them after opening the file;
//! the messages of the open go to standard error.
int showMelody(const QString& path);

//! Writes OUT as the editor's save (".tun") or as the transfer audio of a send (".wav").
int convertMelody(const QString& in, const QString& out);

//! Prints the tempo and the rows a recording of the transfer signal carries.
int decodeRecording(const QString& path);

} // namespace tw::cli
