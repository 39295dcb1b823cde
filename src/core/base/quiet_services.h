#pragma once

// Services for runs without a user: a prompter that shows nothing and answers
// no, and a platform with a program folder but no desktop and no network. The
// benchmarks and the fuzz targets run the pages with these.

#include <optional>
#include <string>
#include <vector>

#include "core/base/services.h"

namespace orvanta {

class QuietPrompter : public Prompter {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&, DefaultAnswer) override { return false; }
    bool AskOkIgnore(const std::string&) override { return false; }
    void ShowError(const std::string&) override {}
    std::optional<std::string> AskSaveFile(const FileDialogOptions&) override { return {}; }
    std::optional<std::string> AskOpenFile(const FileDialogOptions&) override { return {}; }
    std::vector<std::string> AskOpenFiles(const FileDialogOptions&) override { return {}; }
};

class QuietPlatform : public Platform {
public:
    explicit QuietPlatform(std::string program_folder = std::string())
        : m_folder(std::move(program_folder)) {}
    std::string ProgramFile() const override { return m_folder + "Orvanta"; }
    std::string ProgramFolder() const override { return m_folder; }
    LocalDateTime Now() const override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }
    bool StartProgram(const std::string&) override { return false; }
    bool IsInternetConnected() override { return false; }
    std::unique_ptr<Job> StartDownload(
        const std::string&, std::function<void(std::optional<std::string>)> done) override {
        return AnsweredAtOnce(std::nullopt, done);
    }
    std::unique_ptr<Job> RunAside(std::function<void(const std::atomic<bool>&)> work,
                                  std::function<void()> then) override {
        return DoneAtOnce(work, then);
    }

private:
    std::string m_folder;
};

}  // namespace orvanta
