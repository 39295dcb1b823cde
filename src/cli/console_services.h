#pragma once

// The services of orvanta-calc, standing in for the window's: every box the
// page would show becomes a line on standard error (and is kept for the JSON
// output), the open dialog answers with the file named on the command line, and
// the platform is the quiet one (no desktop, no network) with a clock and this
// program's folder.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/base/quiet_services.h"
#include "core/base/services.h"

namespace orvanta {

class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(std::ostream& err) : m_err(err) {}

    // The next open dialog picks this file.
    void AnswerOpenFile(std::string path) { m_open_answer = std::move(path); }

    // Plain messages, in the order shown.
    const std::vector<std::string>& Messages() const { return m_messages; }
    // Texts of the general error reports shown, as the user reads them.
    const std::vector<std::string>& Errors() const { return m_errors; }

    void ShowMessage(const std::string& text) override;
    // Nothing the command line runs asks a question; no is the safe answer.
    bool AskYesNo(const std::string& text, DefaultAnswer default_answer) override;
    bool AskOkIgnore(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskOpenFile(const FileDialogOptions& options) override;
    std::vector<std::string> AskOpenFiles(const FileDialogOptions& options) override;

private:
    void Line(const std::string& text);

    std::ostream& m_err;
    std::vector<std::string> m_messages;
    std::vector<std::string> m_errors;
    std::optional<std::string> m_open_answer;
};

class ConsolePlatform : public QuietPlatform {
public:
    // The program folder is this program's own; the layout is chosen by what
    // lies beside it, as the window's platform chooses it.
    ConsolePlatform();

    std::string ProgramFile() const override;
    ProgramLayout Layout() const override { return m_layout; }
    LocalDateTime Now() const override;

private:
    ProgramLayout m_layout;
};

// The decimal mark of the regional settings (LC_NUMERIC from the environment):
// "." or ","; anything else, or nothing, gives ".". The C locale is put back
// afterwards, so nothing else depends on it.
char RegionalSeparator();

// Why a file named on the command line cannot be loaded, in the platform's
// wording of file errors; nothing when it is a readable plain file. Pipes and
// devices are refused without being opened, since opening one may block.
std::optional<std::string> UnreadableFileReason(const std::string& path);

}  // namespace orvanta
