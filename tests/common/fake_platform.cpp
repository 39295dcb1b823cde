#include "common/fake_platform.h"

namespace orvanta::testing {

FakePlatform::FakePlatform(std::string program_folder, std::string program_name)
    : m_folder(std::move(program_folder)), m_program(std::move(program_name)) {}

bool FakePlatform::OpenUrl(const std::string& url) {
    opened_urls.push_back(url);
    return true;
}

bool FakePlatform::StartProgram(const std::string& path) {
    started_programs.push_back(path);
    return start ? start(path) : true;
}

std::unique_ptr<Platform::Job> FakePlatform::StartDownload(
    const std::string& url, std::function<void(std::optional<std::string>)> done) {
    downloads.push_back(url);
    return AnsweredAtOnce(download ? download(url) : std::nullopt, done);
}

}  // namespace orvanta::testing
