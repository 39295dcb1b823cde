#pragma once

// A prompter for tests: every box the code under test shows must have been
// announced with Expect...(), in order; questions get the queued answer. A box
// nobody expected, or an expected one never shown, is reported through the
// failure handler (GoogleTest or QtTest installs its own).

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/base/services.h"

namespace orvanta::testing {

enum class BoxKind { kMessage, kYesNo, kOkIgnore, kError, kSaveFile, kOpenFile, kOpenFiles };

const char* BoxKindName(BoxKind kind);

struct ShownBox {
    BoxKind kind;
    std::string text;  // the message, or the dialog's title
    FileDialogOptions dialog;
    // A Yes/No question's button that Enter presses.
    DefaultAnswer default_answer = DefaultAnswer::kYes;
};

class ScriptedPrompter : public Prompter {
public:
    using FailureHandler = std::function<void(const std::string&)>;

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    static void SetDefaultFailureHandler(FailureHandler handler);
    void SetFailureHandler(FailureHandler handler) { m_fail = std::move(handler); }

    void ExpectMessage(const std::string& text, int times = 1);
    void ExpectError(const std::string& text);
    void ExpectYesNo(const std::string& text, bool answer);
    void ExpectOkIgnore(const std::string& text, bool answer);
    void ExpectSaveFile(std::optional<std::string> answer);
    void ExpectOpenFile(std::optional<std::string> answer);
    void ExpectOpenFiles(std::vector<std::string> answer);

    // Everything shown so far, expected or not.
    const std::vector<ShownBox>& Shown() const { return m_shown; }
    std::vector<std::string> Messages() const;  // texts of plain messages
    bool AllShown() const { return m_queue.empty(); }
    // Reports expectations still waiting, then forgets them.
    void VerifyAndClear();

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, DefaultAnswer default_answer) override;
    bool AskOkIgnore(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskOpenFile(const FileDialogOptions& options) override;
    std::vector<std::string> AskOpenFiles(const FileDialogOptions& options) override;

private:
    struct Expected {
        BoxKind kind = BoxKind::kMessage;
        std::optional<std::string> text;  // nothing: any text
        bool answer = false;
        std::optional<std::string> file;
        std::vector<std::string> files;
    };

    void Push(BoxKind kind, std::optional<std::string> text, bool answer = false,
              std::optional<std::string> file = std::nullopt, std::vector<std::string> files = {});
    // The matching expectation, or nothing (after reporting the surprise).
    std::optional<Expected> Take(BoxKind kind, const std::string& text);

    std::deque<Expected> m_queue;
    std::vector<ShownBox> m_shown;
    FailureHandler m_fail;
};

}  // namespace orvanta::testing
