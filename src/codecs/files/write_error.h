#pragma once
// Why writing a file failed, in the four kinds the user is told about.
// The melody save and the transfer audio file report their failures alike.

namespace tw {

enum class WriteErrorKind { DiskFull = 61, PermissionDenied = 70, PathAccess = 75, Other };

struct WriteError {
    WriteErrorKind kind;
    int code;   //!< 61, 70 or 75 by kind; for Other the failure's own code (an errno value)
    friend bool operator==(const WriteError&, const WriteError&) = default;
};

//! The kind of a failure from the operating system's error number.
WriteError writeErrorFromErrno(int err);

} // namespace tw
