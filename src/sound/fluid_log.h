#pragma once
// FluidSynth reports why something failed only through its log. Its log is
// routed here once per process: errors are kept so an open can tell its
// reason, and everything of warning level and above goes to the Qt log, which
// is all that happens when the sound server dies in the middle of a melody.

#include <QStringList>
#include <cstdint>

namespace tw::fluidlog {

//! Routes the log (first call) and returns the number the next message will get.
std::uint64_t mark();

//! The error messages logged since `mark`, oldest first (only the last few are kept).
QStringList errorsSince(std::uint64_t mark);

} // namespace tw::fluidlog
