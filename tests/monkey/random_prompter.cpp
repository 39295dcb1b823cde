#include "monkey/random_prompter.h"

#include <QRegularExpression>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace orvanta::monkey {

namespace {

// The texts the program reports failures with. Anything else reaching the
// error report is an exception the program never meant to throw.
bool IsKnownErrorText(const std::string& text) {
    static const QRegularExpression known(
        QStringLiteral(
            "^(Floating point division by zero|Invalid floating point operation|Floating point "
            "overflow|File not found|Invalid filename|File access denied|Too many open files|Disk "
            "full|I/O error -?\\d+|File too large|Invalid stream format|Stream read error|Invalid "
            "property value|Picture cells are not supported|Unknown property \".*\"|Text too long "
            "to "
            "save|The file holds a grid of .*|The file's grid of .* is too large|The game record "
            ".*|"
            "The value \".*\" holds a \";\" or a line break.*|'.*' is not a valid time|Invalid "
            "input "
            "value\\.  Use escape key to abandon changes|The update check was ended|'.*' has no "
            "valid "
            "size in the update list|'.*' is not a file of the program folder|'.*' is not a valid "
            "integer value)$"),
        QRegularExpression::DotMatchesEverythingOption);
    return known.match(QString::fromStdString(text)).hasMatch();
}

QString Quoted(const std::string& text) {
    return Printable(QString::fromStdString(text), 60);
}

}  // namespace

std::vector<std::string> FilesIn(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        if (it->is_regular_file(type_ec)) {
            files.push_back(it->path().filename().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

RandomPrompter::RandomPrompter(StepLog& log, std::string program_folder)
    : m_log(log), m_program_folder(std::move(program_folder)) {}

Rng& RandomPrompter::Chance() {
    return m_rng ? *m_rng : m_setup_rng;
}

void RandomPrompter::Note(const QString& line) {
    ++m_boxes;
    m_log.Note(line);
}

QString RandomPrompter::Shown(const std::string& path) const {
    if (path.compare(0, m_program_folder.size(), m_program_folder) == 0) {
        return Quoted(path.substr(m_program_folder.size()));
    }
    return Quoted(path);
}

std::string RandomPrompter::FolderOf(const FileDialogOptions& options) const {
    std::string folder = options.initial_folder.empty() ? m_file_folder : options.initial_folder;
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

QStringList RandomPrompter::TakeFaults() {
    return std::exchange(m_faults, {});
}

std::optional<std::string> RandomPrompter::TakeSavedFile() {
    return std::exchange(m_saved, std::nullopt);
}

void RandomPrompter::ShowMessage(const std::string& text) {
    Note(QStringLiteral("message %1: OK").arg(Quoted(text)));
}

bool RandomPrompter::AskYesNo(const std::string& text, DefaultAnswer) {
    const bool yes = Chance().Percent(70);
    Note(QStringLiteral("question %1: %2").arg(Quoted(text), yes ? "Yes" : "No"));
    return yes;
}

bool RandomPrompter::AskOkIgnore(const std::string& text) {
    const bool ok = Chance().Percent(60);
    Note(QStringLiteral("question %1: %2").arg(Quoted(text), ok ? "OK" : "Ignore"));
    return ok;
}

void RandomPrompter::ShowError(const std::string& text) {
    ++m_errors;
    Note(QStringLiteral("error report %1").arg(Quoted(text)));
    // A save followed by an error report may have left the old file in place.
    m_saved.reset();
    if (!IsKnownErrorText(text)) {
        m_faults << QStringLiteral(
                        "the error report shows %1, which no failure of the program "
                        "reads: an exception it did not mean to throw")
                        .arg(Quoted(text));
    }
}

std::optional<std::string> RandomPrompter::AskSaveFile(const FileDialogOptions& options) {
    Rng& rng = Chance();
    std::optional<std::string> answer;
    const std::string folder = FolderOf(options);
    const int draw = rng.Below(100);
    if (draw < 15) {
        // cancelled
    } else if (draw < 20) {
        answer = folder + "missing folder/x.bet";
    } else if (draw < 23) {
        answer =
            folder.empty() ? folder : folder.substr(0, folder.size() - 1);  // the folder itself
    } else if (draw < 26) {
        answer = folder + std::string(300, 'n') + ".bet";
    } else {
        static const std::vector<std::string> names = {
            "a.bet",           "b.bet", "Σύστημα.bet", "no extension", "two.dots.bet",
            "spaced name.bet", "c.BET", "a.bet",       "b.bet",        "saved.bet"};
        std::string name = rng.Pick(names);
        // The dialog adds the default extension to a name typed without one.
        if (name.find('.') == std::string::npos && !options.default_extension.empty()) {
            name += "." + options.default_extension;
        }
        answer = folder + name;
    }
    Note(QStringLiteral("save dialog: %1").arg(answer ? Shown(*answer) : "Cancel"));
    m_saved = answer;
    return answer;
}

std::optional<std::string> RandomPrompter::AskOpenFile(const FileDialogOptions& options) {
    Rng& rng = Chance();
    std::optional<std::string> answer;
    const std::string folder = FolderOf(options);
    const std::vector<std::string> files = FilesIn(folder);
    const int draw = rng.Below(100);
    if (draw < 15) {
        // cancelled
    } else if (draw < 22 || files.empty()) {
        answer = folder + "gone.bet";
    } else {
        answer = folder + rng.Pick(files);
    }
    Note(QStringLiteral("open dialog: %1").arg(answer ? Shown(*answer) : "Cancel"));
    return answer;
}

std::vector<std::string> RandomPrompter::AskOpenFiles(const FileDialogOptions& options) {
    Rng& rng = Chance();
    std::vector<std::string> answer;
    const std::string folder = FolderOf(options);
    if (!rng.Percent(30)) {
        for (const std::string& file : FilesIn(folder)) {
            if (rng.Percent(30)) {
                answer.push_back(folder + file);
            }
        }
    }
    QStringList shown;
    for (const std::string& path : answer) {
        shown << Shown(path);
    }
    Note(QStringLiteral("open-many dialog %1: %2")
             .arg(Quoted(options.title), answer.empty() ? "Cancel" : shown.join(", ")));
    return answer;
}

}  // namespace orvanta::monkey
