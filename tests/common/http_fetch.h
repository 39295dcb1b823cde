#pragma once

// The desktop's HTTP client driven to its end, for tests that want a plain
// answer: the transfer runs in a local event loop (a QCoreApplication is made
// for the test program if it has none).

#include <optional>
#include <string>

#include "gui/platform/http_client.h"

namespace orvanta::testing {

std::optional<std::string> FetchNow(const std::string& url, const DownloadLimits& limits = {});

}  // namespace orvanta::testing
