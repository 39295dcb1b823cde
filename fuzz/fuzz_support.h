#pragma once

// What every fuzz target shares: a stop that turns a broken promise into a
// crash the fuzzer reports.

#include <cstdio>
#include <cstdlib>

#include "core/base/quiet_services.h"

namespace orvanta::fuzz {

[[noreturn]] inline void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) {
        Finding(what);
    }
}

}  // namespace orvanta::fuzz
