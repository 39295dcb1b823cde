#include "gui/platform/http_client.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "core/update/vendor.h"

namespace orvanta {

namespace {

bool IsWebScheme(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// One GET, from the request to `done`.
class Transfer : public QObject {
public:
    Transfer(QNetworkAccessManager& manager, const QUrl& url, const DownloadLimits& limits,
             std::function<void(std::optional<std::string>)> done)
        : m_limits(limits), m_done(std::move(done)) {
        // Answered later, as every other outcome is: the caller holds the
        // transfer before anything can come back.
        if (!url.isValid() || !IsWebScheme(url)) {
            QTimer::singleShot(0, this, [this] { Finish(std::nullopt); });
            return;
        }
        QNetworkRequest request(url);
        // Redirects are followed, never from https down to http.
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(limits.max_redirects);
        // Always the server's answer, and nothing kept of it: there is no cache.
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                             QNetworkRequest::AlwaysNetwork);
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        request.setHeader(QNetworkRequest::UserAgentHeader,
                          QByteArray("Orvanta/") + vendor::kVersionText);
        m_reply = manager.get(request);

        // A redirect must not reach a local file or another protocol's server.
        connect(m_reply, &QNetworkReply::redirected, this, [this](const QUrl& target) {
            if (IsWebScheme(target)) {
                m_connect.start();
            } else {
                Fail();
            }
        });
        connect(m_reply, &QNetworkReply::requestSent, this, [this] { m_connect.stop(); });
        connect(m_reply, &QNetworkReply::readyRead, this, [this] { Take(); });
        connect(m_reply, &QNetworkReply::finished, this, [this] { Finished(); });

        m_connect.setSingleShot(true);
        m_connect.setInterval(std::max<std::chrono::milliseconds>(limits.connect_timeout,
                                                                  std::chrono::milliseconds(1)));
        connect(&m_connect, &QTimer::timeout, this, [this] { Fail(); });
        m_connect.start();
        m_total.setSingleShot(true);
        m_total.setInterval(std::max<std::chrono::milliseconds>(limits.total_timeout,
                                                                std::chrono::milliseconds(1)));
        connect(&m_total, &QTimer::timeout, this, [this] { Fail(); });
        m_total.start();
    }

    ~Transfer() override {
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
            delete m_reply;
        }
    }

private:
    void Take() {
        if (!m_reply || m_failed) {
            return;
        }
        const QByteArray chunk = m_reply->readAll();
        if (static_cast<std::uint64_t>(chunk.size()) > m_limits.max_bytes - m_body.size()) {
            Fail();
            return;
        }
        m_body.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    }

    void Finished() {
        if (m_failed) {
            return;
        }
        Take();
        const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const int code = status.isValid() ? status.toInt() : 0;
        // A redirect without a place to go ends here too: only a 2xx answer is the file.
        if (m_failed || m_reply->error() != QNetworkReply::NoError || code < 200 || code >= 300) {
            Finish(std::nullopt);
        } else {
            Finish(std::move(m_body));
        }
    }

    void Fail() {
        if (m_failed) {
            return;
        }
        m_failed = true;
        if (m_reply) {
            m_reply->disconnect(this);
            m_reply->abort();
        }
        Finish(std::nullopt);
    }

    void Finish(std::optional<std::string> body) {
        m_connect.stop();
        m_total.stop();
        if (m_done) {
            auto done = std::move(m_done);
            m_done = nullptr;
            done(std::move(body));
        }
    }

    DownloadLimits m_limits;
    std::function<void(std::optional<std::string>)> m_done;
    // The manager owns the reply and may go first, when the program ends.
    QPointer<QNetworkReply> m_reply;
    std::string m_body;
    bool m_failed = false;
    QTimer m_connect;
    QTimer m_total;
};

class QtHttpClient : public HttpClient {
public:
    std::unique_ptr<QObject> Get(const std::string& url, const DownloadLimits& limits,
                                 std::function<void(std::optional<std::string>)> done) override {
        return std::make_unique<Transfer>(m_manager, QUrl(QString::fromStdString(url)), limits,
                                          std::move(done));
    }

private:
    QNetworkAccessManager m_manager;
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
    return std::make_unique<QtHttpClient>();
}

}  // namespace orvanta
