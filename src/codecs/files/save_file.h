#pragma once
// Writing a whole file so that a failure never leaves half of it behind: the bytes go to a
// temporary file beside the target, which takes the target's place only once all is written.

#include "codecs/files/write_error.h"

#include <QIODevice>
#include <QString>
#include <expected>
#include <functional>

namespace tw {

//! Writes the content of a file into the device it is given.
using DeviceWriter = std::function<std::expected<void, WriteError>(QIODevice&)>;

//! Creates or replaces the file at `path` with what `write` writes into it. On any failure the
//! file at `path` stays as it was (absent, or with its old content) and the error names the
//! cause: the writer's own error, or the kind of the failed open or commit.
std::expected<void, WriteError> saveFile(const QString& path, const DeviceWriter& write);

} // namespace tw
