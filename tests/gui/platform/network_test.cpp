#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "common/http_fetch.h"
#include "common/http_test_server.h"
#include "common/time_limits.h"
#include "gui/platform/connectivity.h"

#ifdef __linux__
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>
#endif

namespace orvanta {
namespace {

using testing::HttpReply;
using testing::HttpTestServer;

DownloadLimits ShortLimits() {
    DownloadLimits limits;
    limits.connect_timeout = std::chrono::milliseconds(500);
    limits.total_timeout = std::chrono::milliseconds(400);
    limits.max_bytes = 1 << 20;
    return limits;
}

HttpReply Reply(int status, std::string body,
                std::vector<std::pair<std::string, std::string>> headers = {}) {
    HttpReply reply;
    reply.status = status;
    reply.body = std::move(body);
    reply.headers = std::move(headers);
    return reply;
}

TEST(Download, CompleteAnswersComeWhole) {
    HttpTestServer server;
    // Bytes as they are: CR LF, a NUL, high bytes.
    const std::string body("a;1.0.0.0;12\r\nb;;3\r\n\0\xE1\xFF", 23);
    server.Serve("/list.txt", body);
    server.Serve("/moved", Reply(302, "", {{"Location", "/list.txt"}}));
    server.Serve("/moved-far", Reply(301, "", {{"Location", server.Url("/moved")}}));
    server.Serve("/empty", "");

    struct Case {
        const char* path;
        std::string expected;
    } cases[] = {
        // clang-format off
        {"/list.txt",  body},
        {"/moved",     body},
        {"/moved-far", body},
        {"/empty",     ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        EXPECT_EQ(testing::FetchNow(server.Url(c.path), ShortLimits()), c.expected) << c.path;
    }
}

TEST(Download, FailuresGiveNothingInTime) {
    HttpTestServer server;
    server.Serve("/server-error", Reply(500, "oops"));
    server.Serve("/loop", Reply(302, "", {{"Location", "/loop"}}));
    server.Serve("/to-a-file", Reply(302, "", {{"Location", "file:///etc/hostname"}}));
    server.Serve("/nowhere", Reply(302, "no place to go"));
    HttpReply cut = Reply(200, std::string(5000, 'x'));
    cut.cut_short = true;
    server.Serve("/cut", cut);
    server.Serve("/huge", Reply(200, std::string((1 << 20) + 1, 'y')));
    HttpReply slow = Reply(200, "too late");
    slow.delay = std::chrono::milliseconds(3000);
    server.Serve("/slow", slow);

    // Nothing listens there once the probe socket is gone.
    std::string closed_port;
    {
        HttpTestServer probe;
        closed_port = probe.Url("/list.txt");
    }

    const std::string cases[] = {server.Url("/missing"),
                                 server.Url("/server-error"),
                                 server.Url("/loop"),
                                 server.Url("/to-a-file"),
                                 server.Url("/nowhere"),
                                 server.Url("/cut"),
                                 server.Url("/huge"),
                                 server.Url("/slow"),
                                 closed_port,
                                 "file:///etc/hostname",
                                 "not a url"};
    for (const std::string& url : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(testing::FetchNow(url, ShortLimits()), std::nullopt) << url;
        // The time limit holds, with room for a slow machine.
        EXPECT_LT(std::chrono::steady_clock::now() - start,
                  testing::InTime(std::chrono::milliseconds(2000)))
            << url;
    }
}

#ifdef __linux__

// A chain of interfaces as getifaddrs gives it.
class Interfaces {
public:
    void Add(const char* name, unsigned flags, int family) {
        m_entries.push_back({name, flags, family, {}, {}});
    }
    // Linked only now, when the entries no longer move.
    const ifaddrs* Chain() {
        ifaddrs* next = nullptr;
        for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
            entry->address.sa_family = static_cast<sa_family_t>(entry->family);
            entry->node.ifa_name = entry->name.data();
            entry->node.ifa_flags = entry->flags;
            entry->node.ifa_addr = entry->family < 0 ? nullptr : &entry->address;
            entry->node.ifa_next = next;
            next = &entry->node;
        }
        return next;
    }

private:
    struct Entry {
        std::string name;
        unsigned flags;
        int family;
        sockaddr address;
        ifaddrs node;
    };
    std::vector<Entry> m_entries;
};

TEST(IsInternetConnected, AnInterfaceBesideLoopbackThatIsUpRunningAndAddressed) {
    constexpr unsigned kUp = IFF_UP | IFF_RUNNING;
    struct Case {
        const char* name;
        unsigned flags;
        int family;  // -1: no address
        bool connected;
    } cases[] = {
        {"lo", kUp | IFF_LOOPBACK, AF_INET, false},
        {"eth0", kUp, AF_INET, true},
        {"eth0", kUp, AF_INET6, true},
        {"eth0", IFF_UP, AF_INET, false},       // cable out
        {"eth0", IFF_RUNNING, AF_INET, false},  // switched off
        {"eth0", kUp, AF_PACKET, false},        // link only, no address
        {"eth0", kUp, -1, false},
    };
    for (const Case& c : cases) {
        Interfaces alone;
        alone.Add(c.name, c.flags, c.family);
        EXPECT_EQ(AnyInterfaceConnected(alone.Chain()), c.connected) << c.name << " " << c.flags;

        // Found anywhere in the chain, after the loopback.
        Interfaces chain;
        chain.Add("lo", kUp | IFF_LOOPBACK, AF_INET6);
        chain.Add(c.name, c.flags, c.family);
        EXPECT_EQ(AnyInterfaceConnected(chain.Chain()), c.connected) << c.name << " " << c.flags;
    }
    EXPECT_FALSE(AnyInterfaceConnected(nullptr));
}

#endif

}  // namespace
}  // namespace orvanta
