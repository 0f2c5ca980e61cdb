#pragma once
// Shows a write failure as its kind and code when a comparison fails.

#include "codecs/files/write_error.h"

#include <ostream>

namespace tw {

inline void PrintTo(const WriteError& error, std::ostream* os)
{
    *os << "kind " << int(error.kind) << " code " << error.code;
}

} // namespace tw
