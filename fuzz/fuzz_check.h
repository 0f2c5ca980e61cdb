#pragma once
// The invariant checks of the fuzz targets: a violated one prints what failed and aborts, so
// libFuzzer keeps the input as a crash and the corpus run of `make test` fails on it.

#include <cstdio>
#include <cstdlib>

#define TW_FUZZ_CHECK(condition)                                                            \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "%s:%d: fuzz invariant violated: %s\n", __FILE__, __LINE__, \
                         #condition);                                                       \
            std::abort();                                                                   \
        }                                                                                   \
    } while (false)
