#include "common/scripted_prompter.h"

#include <cstdio>

namespace orvanta::testing {

namespace {

ScriptedPrompter::FailureHandler& DefaultHandler() {
    static ScriptedPrompter::FailureHandler handler = [](const std::string& what) {
        std::fprintf(stderr, "ScriptedPrompter: %s\n", what.c_str());
    };
    return handler;
}

}  // namespace

const char* BoxKindName(BoxKind kind) {
    switch (kind) {
        case BoxKind::kMessage:
            return "message";
        case BoxKind::kYesNo:
            return "Yes/No question";
        case BoxKind::kOkIgnore:
            return "OK/Ignore question";
        case BoxKind::kError:
            return "error report";
        case BoxKind::kSaveFile:
            return "save dialog";
        case BoxKind::kOpenFile:
            return "open dialog";
        case BoxKind::kOpenFiles:
            return "open-many dialog";
    }
    return "box";
}

ScriptedPrompter::ScriptedPrompter() : m_fail(DefaultHandler()) {}

ScriptedPrompter::~ScriptedPrompter() {
    VerifyAndClear();
}

void ScriptedPrompter::SetDefaultFailureHandler(FailureHandler handler) {
    DefaultHandler() = std::move(handler);
}

void ScriptedPrompter::Push(BoxKind kind, std::optional<std::string> text, bool answer,
                            std::optional<std::string> file, std::vector<std::string> files) {
    Expected e;
    e.kind = kind;
    e.text = std::move(text);
    e.answer = answer;
    e.file = std::move(file);
    e.files = std::move(files);
    m_queue.push_back(std::move(e));
}

void ScriptedPrompter::ExpectMessage(const std::string& text, int times) {
    for (int i = 0; i < times; ++i) {
        Push(BoxKind::kMessage, text);
    }
}

void ScriptedPrompter::ExpectError(const std::string& text) {
    Push(BoxKind::kError, text);
}

void ScriptedPrompter::ExpectYesNo(const std::string& text, bool answer) {
    Push(BoxKind::kYesNo, text, answer);
}

void ScriptedPrompter::ExpectOkIgnore(const std::string& text, bool answer) {
    Push(BoxKind::kOkIgnore, text, answer);
}

void ScriptedPrompter::ExpectSaveFile(std::optional<std::string> answer) {
    Push(BoxKind::kSaveFile, std::nullopt, false, std::move(answer));
}

void ScriptedPrompter::ExpectOpenFile(std::optional<std::string> answer) {
    Push(BoxKind::kOpenFile, std::nullopt, false, std::move(answer));
}

void ScriptedPrompter::ExpectOpenFiles(std::vector<std::string> answer) {
    Push(BoxKind::kOpenFiles, std::nullopt, false, std::nullopt, std::move(answer));
}

std::vector<std::string> ScriptedPrompter::Messages() const {
    std::vector<std::string> out;
    for (const ShownBox& box : m_shown) {
        if (box.kind == BoxKind::kMessage) {
            out.push_back(box.text);
        }
    }
    return out;
}

void ScriptedPrompter::VerifyAndClear() {
    for (const Expected& e : m_queue) {
        m_fail(std::string("expected ") + BoxKindName(e.kind) + " never shown" +
               (e.text ? ": \"" + *e.text + "\"" : std::string()));
    }
    m_queue.clear();
}

std::optional<ScriptedPrompter::Expected> ScriptedPrompter::Take(BoxKind kind,
                                                                 const std::string& text) {
    if (m_queue.empty()) {
        m_fail(std::string("unexpected ") + BoxKindName(kind) + ": \"" + text + "\"");
        return std::nullopt;
    }
    Expected front = m_queue.front();
    if (front.kind != kind || (front.text && *front.text != text)) {
        m_fail(std::string("unexpected ") + BoxKindName(kind) + ": \"" + text +
               "\" while waiting for " + BoxKindName(front.kind) +
               (front.text ? ": \"" + *front.text + "\"" : std::string()));
        return std::nullopt;
    }
    m_queue.pop_front();
    return front;
}

void ScriptedPrompter::ShowMessage(const std::string& text) {
    m_shown.push_back({BoxKind::kMessage, text, FileDialogOptions{}});
    Take(BoxKind::kMessage, text);
}

bool ScriptedPrompter::AskYesNo(const std::string& text, DefaultAnswer default_answer) {
    m_shown.push_back({BoxKind::kYesNo, text, FileDialogOptions{}, default_answer});
    const auto e = Take(BoxKind::kYesNo, text);
    return e && e->answer;
}

bool ScriptedPrompter::AskOkIgnore(const std::string& text) {
    m_shown.push_back({BoxKind::kOkIgnore, text, FileDialogOptions{}});
    const auto e = Take(BoxKind::kOkIgnore, text);
    return e && e->answer;
}

void ScriptedPrompter::ShowError(const std::string& text) {
    m_shown.push_back({BoxKind::kError, text, FileDialogOptions{}});
    Take(BoxKind::kError, text);
}

std::optional<std::string> ScriptedPrompter::AskSaveFile(const FileDialogOptions& options) {
    m_shown.push_back({BoxKind::kSaveFile, options.title, options});
    const auto e = Take(BoxKind::kSaveFile, options.title);
    return e ? e->file : std::nullopt;
}

std::optional<std::string> ScriptedPrompter::AskOpenFile(const FileDialogOptions& options) {
    m_shown.push_back({BoxKind::kOpenFile, options.title, options});
    const auto e = Take(BoxKind::kOpenFile, options.title);
    return e ? e->file : std::nullopt;
}

std::vector<std::string> ScriptedPrompter::AskOpenFiles(const FileDialogOptions& options) {
    m_shown.push_back({BoxKind::kOpenFiles, options.title, options});
    const auto e = Take(BoxKind::kOpenFiles, options.title);
    return e ? e->files : std::vector<std::string>{};
}

}  // namespace orvanta::testing
