#include "common/http_fetch.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace orvanta::testing {

namespace {

void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "orvanta-test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }
}

}  // namespace

std::optional<std::string> FetchNow(const std::string& url, const DownloadLimits& limits) {
    EnsureApplication();
    static const std::unique_ptr<HttpClient> client = MakeHttpClient();
    QEventLoop loop;
    std::optional<std::string> answer;
    bool done = false;
    const auto transfer = client->Get(url, limits, [&](std::optional<std::string> body) {
        answer = std::move(body);
        done = true;
        loop.quit();
    });
    if (!done) {
        loop.exec();
    }
    return answer;
}

}  // namespace orvanta::testing
