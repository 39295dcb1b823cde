#pragma once

// Whether the machine has a network connection at all: the one question the
// update check asks before it downloads. It asks the system directly
// (getifaddrs); the rest of the program reaches it through Services::platform.

#include <string>

struct ifaddrs;

namespace orvanta {

// True when some interface other than the loopback is up, running and has an address.
// Elsewhere the answer is always true, and the download tells.
bool IsInternetConnected();

#ifdef __linux__
// The decision itself, over a list from getifaddrs.
bool AnyInterfaceConnected(const ifaddrs* interfaces);
#endif

}  // namespace orvanta
