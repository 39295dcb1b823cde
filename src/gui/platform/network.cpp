#include "gui/platform/network.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

#include "core/update/vendor.h"

#ifdef __linux__
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>
#endif

namespace orvanta {

namespace {

struct CurlCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

// Where the body goes until it is known to be whole.
struct Sink {
    std::string body;
    std::uint64_t max_bytes = 0;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const size_t bytes = size * count;
    if (bytes > sink->max_bytes - sink->body.size()) {
        return 0;  // anything short of `bytes` ends the transfer as failed
    }
    sink->body.append(data, bytes);
    return bytes;
}

long Milliseconds(std::chrono::milliseconds limit) {
    // Zero would mean "no limit" to libcurl; the window must never wait for ever.
    return static_cast<long>(std::max<std::chrono::milliseconds::rep>(limit.count(), 1));
}

curl_off_t MaxFileSize(const DownloadLimits& limits) {
    constexpr auto kLargest = static_cast<std::uint64_t>(std::numeric_limits<curl_off_t>::max());
    return static_cast<curl_off_t>(std::min(limits.max_bytes, kLargest));
}

bool Transfer(const std::string& url, Sink& sink, const DownloadLimits& limits) {
    if (!CurlReady()) {
        return false;
    }
    std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
    if (!curl) {
        return false;
    }
    static const std::string agent = std::string("Orvanta/") + vendor::kVersionText;
    CURL* c = curl.get();
    bool set = curl_easy_setopt(c, CURLOPT_URL, url.c_str()) == CURLE_OK;
    // A redirect must not reach a local file or another protocol's server.
#if LIBCURL_VERSION_NUM >= 0x075500
    set = set && curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
#else
    set =
        set && curl_easy_setopt(c, CURLOPT_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS) ==
                     CURLE_OK;
#endif
    set = set && curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS,
                                  Milliseconds(limits.connect_timeout)) == CURLE_OK;
    set = set &&
          curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, Milliseconds(limits.total_timeout)) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, MaxFileSize(limits)) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_USERAGENT, agent.c_str()) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteBody) == CURLE_OK;
    set = set && curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink) == CURLE_OK;
    if (!set || curl_easy_perform(c) != CURLE_OK) {
        return false;
    }
    long status = 0;
    // A redirect without a place to go ends here too: only a 2xx answer is the file.
    return curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status >= 200 &&
           status < 300;
}

}  // namespace

std::optional<std::string> Download(const std::string& url, const DownloadLimits& limits) {
    Sink sink;
    sink.max_bytes = limits.max_bytes;
    if (!Transfer(url, sink, limits)) {
        return std::nullopt;
    }
    return std::move(sink.body);
}

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
