#pragma once

// A tiny HTTP server on 127.0.0.1 for download tests: one thread, one connection at a
// time, each answered from a table of canned replies and closed. Started by the
// constructor on a free port, stopped by the destructor.

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace orvanta::testing {

struct HttpReply {
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // Waited before anything is sent.
    std::chrono::milliseconds delay{0};
    // Announces the whole body but sends only its first half.
    bool cut_short = false;
    // When set, the body goes out a byte at a time, this long apart.
    std::chrono::milliseconds per_byte{0};
};

class HttpTestServer {
public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    // Paths without a reply get a 404.
    void Serve(const std::string& path, HttpReply reply);
    void Serve(const std::string& path, const std::string& body);

    // "http://127.0.0.1:<port>" + path.
    std::string Url(const std::string& path) const;
    // `url` with its scheme and host replaced by this server's.
    std::string Redirect(const std::string& url) const;
    // The paths asked for so far, in order.
    std::vector<std::string> Requests() const;

private:
    void Run();
    void Answer(int client);
    bool Wait(std::chrono::milliseconds delay) const;

    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::map<std::string, HttpReply> m_replies;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

}  // namespace orvanta::testing
