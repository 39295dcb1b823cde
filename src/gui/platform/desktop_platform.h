#pragma once

// The platform on the desktop: the program's own folder and the layout chosen
// by what lies beside it (portable, or installed with the user's files in the
// data home), the local clock, URLs
// and programs handed to the desktop, the connectivity test, downloads through
// the HTTP client module (loaded on the first one), and work on threads of its
// own whose completion comes back through the event loop.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

#include "core/base/services.h"

namespace orvanta {

class HttpClient;

class DesktopPlatform : public Platform {
public:
    // Where to look for the HTTP client module, first to last; by default the
    // program's own folder, then the installed program's module folder.
    explicit DesktopPlatform(QStringList module_folders = DefaultModuleFolders());
    ~DesktopPlatform() override;

    std::string ProgramFile() const override;
    std::string ProgramFolder() const override;
    // Chosen once, at construction: the program's folder does not change under it.
    ProgramLayout Layout() const override { return m_layout; }
    LocalDateTime Now() const override;
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& path) override;
    bool IsInternetConnected() override;
    std::unique_ptr<Job> StartDownload(
        const std::string& url, std::function<void(std::optional<std::string>)> done) override;
    std::unique_ptr<Job> RunAside(std::function<void(const std::atomic<bool>&)> work,
                                  std::function<void()> then) override;

    static QStringList DefaultModuleFolders();

private:
    HttpClient* Http();

    ProgramLayout m_layout;
    QStringList m_module_folders;
    bool m_http_tried = false;
    std::unique_ptr<HttpClient> m_http;
};

}  // namespace orvanta
