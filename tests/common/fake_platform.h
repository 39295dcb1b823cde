#pragma once

// A platform for tests: a temporary program folder (portable, unless a test
// gives another layout), a fixed clock, and a record of every URL opened,
// program started and download asked for.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/services.h"

namespace orvanta::testing {

class FakePlatform : public Platform {
public:
    // program_folder with its trailing separator.
    explicit FakePlatform(std::string program_folder, std::string program_name = "Orvanta");

    std::string ProgramFile() const override {
        return program_file.empty() ? m_folder + m_program : program_file;
    }
    std::string ProgramFolder() const override { return m_folder; }
    ProgramLayout Layout() const override { return layout ? *layout : Platform::Layout(); }
    LocalDateTime Now() const override { return now; }
    bool OpenUrl(const std::string& url) override;
    bool StartProgram(const std::string& path) override;
    bool IsInternetConnected() override { return connected; }
    // Both answer at once: the scripted download, and the work done on the spot.
    std::unique_ptr<Job> StartDownload(
        const std::string& url, std::function<void(std::optional<std::string>)> done) override;
    std::unique_ptr<Job> RunAside(std::function<void(const std::atomic<bool>&)> work,
                                  std::function<void()> then) override {
        return DoneAtOnce(work, then);
    }

    LocalDateTime now{2008, 3, 15, 20, 45, 0};
    // When set, the program file lies elsewhere (a built program with a version).
    std::string program_file;
    // When set, the program's and the user's files lie there.
    std::optional<ProgramLayout> layout;
    bool connected = true;
    // When set, downloads go through it; otherwise every download fails.
    std::function<std::optional<std::string>(const std::string& url)> download;
    // When set, StartProgram runs it; otherwise it only records.
    std::function<bool(const std::string& path)> start;

    std::vector<std::string> opened_urls;
    std::vector<std::string> started_programs;
    std::vector<std::string> downloads;

private:
    std::string m_folder;
    std::string m_program;
};

}  // namespace orvanta::testing
