#include "cli/console_services.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "core/base/operation_error.h"
#include "core/base/paths.h"

namespace orvanta {

namespace fs = std::filesystem;

namespace {

std::string RunningProgramFile() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.u8string();
}

}  // namespace

void ConsolePrompter::Line(const std::string& text) {
    // One box, one line: a line break inside a text would split it.
    std::string line = text;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    m_err << line << '\n';
    m_err.flush();
}

void ConsolePrompter::ShowMessage(const std::string& text) {
    m_messages.push_back(text);
    Line(text);
}

bool ConsolePrompter::AskYesNo(const std::string& text, DefaultAnswer) {
    Line(text);
    return false;
}

bool ConsolePrompter::AskOkIgnore(const std::string& text) {
    Line(text);
    return false;
}

void ConsolePrompter::ShowError(const std::string& text) {
    m_errors.push_back(ErrorReportText(text));
    Line(m_errors.back());
}

std::optional<std::string> ConsolePrompter::AskSaveFile(const FileDialogOptions&) {
    return std::nullopt;
}

std::optional<std::string> ConsolePrompter::AskOpenFile(const FileDialogOptions&) {
    std::optional<std::string> answer = std::move(m_open_answer);
    m_open_answer.reset();
    return answer;
}

std::vector<std::string> ConsolePrompter::AskOpenFiles(const FileDialogOptions&) {
    return {};
}

ConsolePlatform::ConsolePlatform()
    : QuietPlatform(FolderOf(RunningProgramFile())),
      m_layout(ChooseProgramLayout(
          RunningProgramFile(), [](const std::string& path) { return FileExists(path); },
          DataHomeFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")))) {}

std::string ConsolePlatform::ProgramFile() const {
    return RunningProgramFile();
}

LocalDateTime ConsolePlatform::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

char RegionalSeparator() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    const std::string previous = current ? current : "C";
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* conventions = std::localeconv();
        const char* mark = conventions ? conventions->decimal_point : nullptr;
        if (mark && (mark[0] == '.' || mark[0] == ',') && mark[1] == '\0') {
            separator = mark[0];
        }
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    return separator;
}

std::optional<std::string> UnreadableFileReason(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(fs::u8path(path), ec);
    if (path.empty() || !fs::exists(status)) {
        return FileErrorText(ENOENT);
    }
    if (fs::is_directory(status)) {
        return FileErrorText(EISDIR);
    }
    if (!fs::is_regular_file(status)) {
        return std::string("Not a plain file");
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return FileErrorText(errno ? errno : ENOENT);
    }
    std::fclose(file);
    return std::nullopt;
}

}  // namespace orvanta
