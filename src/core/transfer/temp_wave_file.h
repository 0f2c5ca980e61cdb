#pragma once
// `temp.wav`, the transfer audio in the user's temporary folder. The folder may
// be shared with other users (/tmp), so the old file is deleted and the new one
// is created only as a new file of this user's own, never through a link or
// into somebody else's file.

#include "codecs/files/write_error.h"
#include "codecs/transfer/transfer_code.h"

#include <QString>
#include <expected>

namespace tw {

//! The name of the transfer audio file in the temporary folder.
inline const QString kTempWaveName = QStringLiteral("temp.wav");

//! The text up to, not including, its first NUL character; the whole text when it has none.
QString CutAtNul(const QString& text);

//! Replaces the file at `path` with the transfer audio of `table`: deletes what is
//! there (a link itself, not what it points to), creates the file anew, readable
//! and writable by its owner only, and writes header and samples. A file that
//! cannot be deleted, created, written or closed gives the kind of the failure;
//! what was written before a failure stays in the file.
std::expected<void, WriteError> writeTempWave(const QString& path, const SendTable& table,
                                              int tempoItemData);

} // namespace tw
