#pragma once

// An update check run to its end on a platform that answers at once (the fake
// one): the download and the comparison are over by the time Start returns.

#include <gtest/gtest.h>

#include <optional>

#include "core/update/update_check.h"

namespace orvanta::testing {

// True when the check asks the window to close (the update program started).
inline bool RunUpdateCheck(Services& services, const Catalogue& catalogue) {
    std::optional<bool> close_window;
    UpdateCheck check(services, catalogue, [&](bool close) { close_window = close; });
    check.Start();
    EXPECT_TRUE(close_window.has_value()) << "the check did not come to its end";
    return close_window.value_or(false);
}

}  // namespace orvanta::testing
