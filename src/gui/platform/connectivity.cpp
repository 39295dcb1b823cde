#include "gui/platform/connectivity.h"

#ifdef __linux__
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>
#endif

namespace orvanta {

#ifdef __linux__

bool AnyInterfaceConnected(const ifaddrs* interfaces) {
    constexpr unsigned kWanted = IFF_UP | IFF_RUNNING;
    for (const ifaddrs* i = interfaces; i != nullptr; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || (i->ifa_flags & IFF_LOOPBACK) != 0 ||
            (i->ifa_flags & kWanted) != kWanted) {
            continue;
        }
        const int family = i->ifa_addr->sa_family;
        if (family == AF_INET || family == AF_INET6) {
            return true;
        }
    }
    return false;
}

bool IsInternetConnected() {
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) {
        return false;
    }
    const bool connected = AnyInterfaceConnected(interfaces);
    freeifaddrs(interfaces);
    return connected;
}

#else

bool IsInternetConnected() {
    return true;
}

#endif

}  // namespace orvanta
