#pragma once

// What every fuzz target shares: services that answer nothing and show
// nothing, and a stop that turns a broken promise into a crash the fuzzer
// reports.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/services.h"

namespace orvanta::fuzz {

class SilentPrompter : public Prompter {
public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    bool AskOkIgnore(const std::string&) override { return false; }
    void ShowError(const std::string&) override {}
    std::optional<std::string> AskSaveFile(const FileDialogOptions&) override { return {}; }
    std::optional<std::string> AskOpenFile(const FileDialogOptions&) override { return {}; }
    std::vector<std::string> AskOpenFiles(const FileDialogOptions&) override { return {}; }
};

class StillPlatform : public Platform {
public:
    explicit StillPlatform(std::string folder) : m_folder(std::move(folder)) {}
    std::string ProgramFile() const override { return m_folder + "Orvanta"; }
    std::string ProgramFolder() const override { return m_folder; }
    LocalDateTime Now() const override { return {}; }
    bool OpenUrl(const std::string&) override { return false; }
    bool StartProgram(const std::string&) override { return false; }
    bool IsInternetConnected() override { return false; }
    bool DownloadFile(const std::string&, const std::string&) override { return false; }

private:
    std::string m_folder;
};

[[noreturn]] inline void Finding(const char* what) {
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) {
        Finding(what);
    }
}

}  // namespace orvanta::fuzz
