#pragma once
// What every verb of the command-line companion shares: its exit statuses, its
// two output streams, and opening and writing files with errors that name the
// path and the reason.

#include "codecs/files/save_file.h"

#include <QFile>
#include <QString>
#include <expected>
#include <memory>

namespace tw::cli {

enum ExitStatus : int {
    kSuccess = 0,
    kCannotProcess = 1,  //!< the melody or the recording cannot be processed
    kUsageOrFileError = 2,
    kNoSoundOutput = 3,  //!< the sound server or the synthesizer cannot be reached
    kInterrupted = 130,  //!< ended by Ctrl+C, as a shell reports a process SIGINT ended
};

//! One line of UTF-8 on standard output, ended by LF.
void printLine(const QString& line);

//! A message on standard error, its CR LF line breaks written as LF, ended by LF.
void printMessage(const QString& message);

//! The file at `path`, open for reading; an error says which path and why not.
std::expected<std::unique_ptr<QFile>, QString> openInput(const QString& path);

//! Writes the file at `path` with `write`. The content goes to a temporary file
//! beside it, which takes the path's place only when all of it is written, so a
//! failure leaves no partial file behind.
std::expected<void, QString> writeOutput(const QString& path, const DeviceWriter& write);

} // namespace tw::cli
