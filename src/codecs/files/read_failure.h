#pragma once
// Why a melody file that exists could not be read.

namespace tw {

struct ReadFailure {
    enum class Kind {
        Folder,     //!< the path is a folder
        NotAFile,   //!< a device, a pipe or a socket: reading it may never end
        System,     //!< the open or a read failed with `err`
    };
    Kind kind;
    int err = 0;    //!< the operating system's error number, for System
    friend bool operator==(const ReadFailure&, const ReadFailure&) = default;
};

} // namespace tw
