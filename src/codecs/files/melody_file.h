#pragma once
// Melody files (.tun): code page 932 text with CR LF line ends, a title line, a tempo line
// and one note-text line per row. Read and written through a QIODevice, so the commands hand
// in a file and tests a buffer or a failing device.

#include "codecs/files/write_error.h"
#include "codecs/score/tables.h"

#include <QIODevice>
#include <QString>
#include <expected>
#include <optional>
#include <span>
#include <vector>

namespace tw {

struct MelodyReadResult {
    std::vector<RowCode> rows;          //!< at most 500, in file order
    std::optional<QString> title;       //!< the last title line's title, already cut to the limit
    bool titleCut = false;              //!< a title line was too wide and had to be cut
    std::optional<int> tempo;           //!< the last tempo line's tempo: 60 to 180 beats per minute
    bool truncated = false;             //!< the 500th row stopped the reading
    std::optional<QString> lastInvalidLine;
};

//! Reads a melody file from the device's current position to its end, line by line: CR LF or
//! a lone CR ends a line, a lone LF stays in the line. The device is read in pieces, so memory
//! holds only what is kept (the rows, the title, the last invalid line), whatever the file's size.
//! The bytes are read as they are, even from a device opened in text mode.
//! Fails with the device's error text when the device cannot be read.
std::expected<MelodyReadResult, QString> readMelodyFile(QIODevice& device);

//! Writes the title line, the tempo line and one note-text line per row, each ended by CR LF,
//! in code page 932 ("?" for what it cannot represent). The title is written unchanged.
//! A file device is flushed, so a full disk shows here. A device that takes fewer bytes than
//! given fails with the kind of errno for a file device, and as Other with code EIO otherwise.
std::expected<void, WriteError> writeMelodyFile(QIODevice& device, const QString& title,
                                                const QString& tempoText,
                                                std::span<const RowCode> rows);

} // namespace tw
