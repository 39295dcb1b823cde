#include "common/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace orvanta::testing {

namespace {

const char* Reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}

// MSG_NOSIGNAL: a client that gave up must not end the test program with SIGPIPE.
bool SendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

HttpTestServer::HttpTestServer() {
    // A proxy from the environment must not stand between the test and its server.
    setenv("NO_PROXY", "127.0.0.1", 1);
    setenv("no_proxy", "127.0.0.1", 1);

    m_listener = socket(AF_INET, SOCK_STREAM, 0);
    if (m_listener < 0) {
        throw std::runtime_error("socket");
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(m_listener, 16) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(m_listener);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Run(); });
}

HttpTestServer::~HttpTestServer() {
    m_stop = true;
    m_thread.join();
    close(m_listener);
}

void HttpTestServer::Serve(const std::string& path, HttpReply reply) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replies[path] = std::move(reply);
}

void HttpTestServer::Serve(const std::string& path, const std::string& body) {
    HttpReply reply;
    reply.body = body;
    Serve(path, std::move(reply));
}

std::string HttpTestServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::string HttpTestServer::Redirect(const std::string& url) const {
    const auto scheme = url.find("://");
    const auto path = scheme == std::string::npos ? 0 : url.find('/', scheme + 3);
    return Url(path == std::string::npos ? "/" : url.substr(path));
}

std::vector<std::string> HttpTestServer::Requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

bool HttpTestServer::Wait(std::chrono::milliseconds delay) const {
    const auto until = std::chrono::steady_clock::now() + delay;
    while (std::chrono::steady_clock::now() < until) {
        if (m_stop) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void HttpTestServer::Run() {
    while (!m_stop) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (poll(&waiting, 1, 20) <= 0) {
            continue;
        }
        const int client = accept(m_listener, nullptr, nullptr);
        if (client >= 0) {
            Answer(client);
            close(client);
        }
    }
}

void HttpTestServer::Answer(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd readable{client, POLLIN, 0};
        if (m_stop || poll(&readable, 1, 1000) <= 0) {
            return;
        }
        const ssize_t n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return;
        }
        request.append(buffer, static_cast<std::size_t>(n));
    }
    // "GET /path HTTP/1.1"
    const auto first = request.find(' ');
    const auto second = request.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos) {
        return;
    }
    const std::string path = request.substr(first + 1, second - first - 1);

    HttpReply reply;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.push_back(path);
        const auto found = m_replies.find(path);
        if (found != m_replies.end()) {
            reply = found->second;
        } else {
            reply.status = 404;
            reply.body = "not here";
        }
    }
    if (!Wait(reply.delay)) {
        return;
    }
    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + Reason(reply.status) +
                       "\r\nContent-Length: " + std::to_string(reply.body.size()) +
                       "\r\nConnection: close\r\n";
    for (const auto& [name, value] : reply.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "\r\n";
    const std::string body =
        reply.cut_short ? reply.body.substr(0, reply.body.size() / 2) : reply.body;
    if (!SendAll(client, head)) {
        return;
    }
    if (reply.per_byte.count() == 0) {
        SendAll(client, body);
        return;
    }
    for (const char byte : body) {
        if (!SendAll(client, std::string(1, byte)) || !Wait(reply.per_byte)) {
            return;
        }
    }
}

}  // namespace orvanta::testing
