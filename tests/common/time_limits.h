#pragma once

// Time limits in tests scale with how slow the run is: under Valgrind every
// instruction takes many times longer, and scripts/memcheck.sh says so through
// ORVANTA_TEST_TIME_SCALE.

#include <cstdlib>

namespace orvanta::testing {

inline int TimeScale() {
    static const int scale = [] {
        const char* text = std::getenv("ORVANTA_TEST_TIME_SCALE");
        const int value = text ? std::atoi(text) : 1;
        return value > 0 ? value : 1;
    }();
    return scale;
}

template <typename Duration>
Duration InTime(Duration limit) {
    return limit * TimeScale();
}

}  // namespace orvanta::testing
