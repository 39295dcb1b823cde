#include "gui/platform/desktop_platform.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#include "gui/platform/network.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

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

std::optional<std::string> DesktopPlatform::Download(const std::string& url) {
    // The window waits for the download; the cursor says so.
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    auto body = orvanta::Download(url);
    QApplication::restoreOverrideCursor();
    return body;
}

}  // namespace orvanta
