#pragma once

// The two network services behind the Platform interface: a synchronous HTTP download,
// and whether the machine has a network connection at all. They are the only
// code here that talks to the system directly (libcurl, getifaddrs); the rest of the core
// reaches them through Services::platform.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

struct ifaddrs;

namespace orvanta {

struct DownloadLimits {
    // The window waits for the download, so it must end, answer or not.
    std::chrono::milliseconds connect_timeout{10'000};
    std::chrono::milliseconds total_timeout{60'000};
    // An update list is a few hundred bytes; this only stops a runaway answer.
    std::uint64_t max_bytes = 64ull << 20;
};

// GET `url` (http or https, redirects followed): the whole body, or nothing on any
// failure (no answer, an HTTP error, a time limit, a body too large). The body is
// held in memory until it is whole, so a failed download never touches a file.
std::optional<std::string> Download(const std::string& url, const DownloadLimits& limits = {});

// True when some interface other than the loopback is up, running and has an address.
// Elsewhere the answer is always true, and the download tells.
bool IsInternetConnected();

#ifdef __linux__
// The decision itself, over a list from getifaddrs.
bool AnyInterfaceConnected(const ifaddrs* interfaces);
#endif

}  // namespace orvanta
