#include "gui/platform/desktop_platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QLibrary>
#include <QPointer>
#include <QProcess>
#include <QUrl>

#include <thread>

#include "core/base/paths.h"
#include "gui/platform/connectivity.h"
#include "gui/platform/http_client.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

// A download: the client's transfer, dropped with the job.
class DownloadJob : public Platform::Job {
public:
    explicit DownloadJob(std::unique_ptr<QObject> transfer) : m_transfer(std::move(transfer)) {}
    ~DownloadJob() override {
        // The transfer may be the one calling back into its owner right now.
        if (m_transfer) {
            m_transfer.release()->deleteLater();
        }
    }

private:
    std::unique_ptr<QObject> m_transfer;
};

// A download that failed before it started: answered through the event loop,
// as every download is.
class FailedDownloadJob : public Platform::Job {
public:
    explicit FailedDownloadJob(std::function<void(std::optional<std::string>)> done)
        : m_receiver(new QObject) {
        QMetaObject::invokeMethod(
            m_receiver, [done = std::move(done)] { done(std::nullopt); }, Qt::QueuedConnection);
    }
    ~FailedDownloadJob() override { m_receiver->deleteLater(); }

private:
    QObject* m_receiver;
};

// Work on a thread of its own; `then` comes back through the event loop to a
// receiver that lives as long as the job.
class ThreadJob : public Platform::Job {
public:
    ThreadJob(std::function<void(const std::atomic<bool>&)> work, std::function<void()> then)
        : m_receiver(new QObject) {
        QPointer<QObject> receiver = m_receiver;
        m_thread = std::thread([this, receiver, work = std::move(work), then = std::move(then)] {
            work(m_stop);
            if (!m_stop) {
                QMetaObject::invokeMethod(receiver, then, Qt::QueuedConnection);
            }
        });
    }
    ~ThreadJob() override {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        // Posted completions die with the receiver; it may be delivering one now.
        m_receiver->deleteLater();
    }

private:
    std::atomic<bool> m_stop{false};
    QObject* m_receiver;
    std::thread m_thread;
};

}  // namespace

namespace {

// An unset variable is null, as the layout's rules tell unset from empty.
const char* Environment(const char* name, QByteArray& value) {
    if (!qEnvironmentVariableIsSet(name)) {
        return nullptr;
    }
    value = qgetenv(name);
    return value.constData();
}

}  // namespace

DesktopPlatform::DesktopPlatform(QStringList module_folders)
    : m_module_folders(std::move(module_folders)) {
    QByteArray xdg_data_home;
    QByteArray home;
    m_layout = ChooseProgramLayout(
        FromQt(QCoreApplication::applicationFilePath()),
        [](const std::string& path) { return FileExists(path); },
        DataHomeFrom(Environment("XDG_DATA_HOME", xdg_data_home), Environment("HOME", home)));
}

DesktopPlatform::~DesktopPlatform() = default;

QStringList DesktopPlatform::DefaultModuleFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    return {here, QDir::cleanPath(here + QStringLiteral("/") +
                                  QStringLiteral(ORVANTA_MODULE_FOLDER_FROM_PROGRAM))};
}

std::string DesktopPlatform::ProgramFile() const {
    return FromQt(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
}

std::string DesktopPlatform::ProgramFolder() const {
    return FromQt(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/"));
}

LocalDateTime DesktopPlatform::Now() const {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

bool DesktopPlatform::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(ToQt(url)));
}

bool DesktopPlatform::StartProgram(const std::string& path) {
    return QProcess::startDetached(ToQt(path), {});
}

bool DesktopPlatform::IsInternetConnected() {
    return orvanta::IsInternetConnected();
}

HttpClient* DesktopPlatform::Http() {
    if (!m_http_tried) {
        m_http_tried = true;
        for (const QString& folder : m_module_folders) {
            // QLibrary adds the system's own ending (.so, .dll); it is never
            // unloaded, so the client stays valid for the program's life.
            QLibrary module(folder + QStringLiteral("/orvanta-http"));
            if (auto entry = reinterpret_cast<HttpClientEntry>(module.resolve(kHttpClientEntry))) {
                m_http.reset(entry());
                break;
            }
        }
    }
    return m_http.get();
}

std::unique_ptr<Platform::Job> DesktopPlatform::StartDownload(
    const std::string& url, std::function<void(std::optional<std::string>)> done) {
    HttpClient* http = Http();
    if (!http) {
        return std::make_unique<FailedDownloadJob>(std::move(done));
    }
    return std::make_unique<DownloadJob>(http->Get(url, DownloadLimits(), std::move(done)));
}

std::unique_ptr<Platform::Job> DesktopPlatform::RunAside(
    std::function<void(const std::atomic<bool>&)> work, std::function<void()> then) {
    return std::make_unique<ThreadJob>(std::move(work), std::move(then));
}

}  // namespace orvanta
