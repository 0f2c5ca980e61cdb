#pragma once
// Why writing a file failed, in the four kinds the user is told about.
// The melody save and the transfer audio file report their failures alike.

#include <expected>

class QByteArray;
class QIODevice;

namespace tw {

enum class WriteErrorKind { DiskFull = 61, PermissionDenied = 70, PathAccess = 75, Other };

//! Where a file write failed: opening the file, writing its content, or putting it in place.
enum class WriteStep { Open, Write, Commit };

struct WriteError {
    WriteErrorKind kind;
    int code;   //!< 61, 70 or 75 by kind; for Other the failure's own code (an errno value)
    int systemError = 0;   //!< the operating system's error number behind it
    WriteStep step = WriteStep::Write;
    friend bool operator==(const WriteError&, const WriteError&) = default;
};

//! The kind of a failure from the operating system's error number.
WriteError writeErrorFromErrno(int err);

//! The kind of a write that `device` just refused. A file device leaves its cause in errno;
//! another device gives none, so it counts as an input/output error.
WriteError writeErrorOf(const QIODevice& device);

//! Pushes what a file device holds back in its buffer to the file, so that a full disk shows
//! up as a failure of this write and not of some later call; other devices hold nothing back.
std::expected<void, WriteError> flushWrites(QIODevice& device);

//! Writes all of `bytes` into `device` and flushes them.
std::expected<void, WriteError> writeAll(QIODevice& device, const QByteArray& bytes);

} // namespace tw
