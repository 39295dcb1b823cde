#pragma once

// The desktop's HTTP client: one GET at a time per transfer, run by the event
// loop, so the window answers the user while the bytes come in. It lives in a
// module of its own (orvanta-http), the one part of the program that links Qt
// Network, loaded on the first download: the first window does not pay for a
// network stack it does not use.

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orvanta {

struct DownloadLimits {
    std::chrono::milliseconds connect_timeout{10'000};
    std::chrono::milliseconds total_timeout{60'000};
    // An update list is a few hundred bytes; this only stops a runaway answer.
    std::uint64_t max_bytes = 64ull << 20;
    int max_redirects = 10;
};

class HttpClient {
public:
    virtual ~HttpClient() = default;

    // GET `url` (http or https, redirects to http or https followed): `done` gets
    // the whole body of a 2xx answer, or nothing on any failure (no answer, an
    // HTTP error, a time limit, a body too large), once, later, on this thread.
    // Deleting the returned transfer ends it at once; `done` is then never called.
    virtual std::unique_ptr<QObject> Get(const std::string& url, const DownloadLimits& limits,
                                         std::function<void(std::optional<std::string>)> done) = 0;
};

// The client itself, as the module makes it.
std::unique_ptr<HttpClient> MakeHttpClient();

// The module's one entry point, looked up by this name.
inline constexpr const char* kHttpClientEntry = "orvanta_make_http_client";
using HttpClientEntry = HttpClient* (*)();

}  // namespace orvanta
