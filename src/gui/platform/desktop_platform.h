#pragma once

// The platform on the desktop: the program's own folder, the local clock, URLs
// and programs handed to the desktop, and the network through the update
// check's own connectivity test and downloader.

#include <optional>
#include <string>

#include "core/grid/services.h"

namespace orvanta {

class DesktopPlatform : public Platform {
public:
    std::string ProgramFile() const override;
    std::string ProgramFolder() const override;
    LocalDateTime Now() const override;
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& path) override;
    bool IsInternetConnected() override;
    std::optional<std::string> Download(const std::string& url) override;
};

}  // namespace orvanta
