#pragma once

// The prompter of a monkey run: every box is answered at random from the
// current step's chance (Yes or No, OK or Ignore; a file dialog cancelled, or
// answered with a file of the folder it opens in, or with a name that cannot
// work) and written under the step in the log. An error report whose text the
// program does not know (a library's exception text, say) is a fault.

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "core/base/services.h"
#include "monkey/rng.h"
#include "monkey/step_log.h"

namespace orvanta::monkey {

class RandomPrompter : public Prompter {
public:
    RandomPrompter(StepLog& log, std::string program_folder);

    // The chance the answers are drawn from: the current step's.
    void SetChance(Rng* rng) { m_rng = rng; }
    // Where the dialogs without a folder of their own look.
    void SetFileFolder(std::string folder) { m_file_folder = std::move(folder); }

    // Faults seen since the last call.
    QStringList TakeFaults();
    // The file a save dialog gave since the last call, when no error report
    // followed it.
    std::optional<std::string> TakeSavedFile();
    int BoxesShown() const { return m_boxes; }
    int ErrorsShown() const { return m_errors; }

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, DefaultAnswer default_answer) override;
    bool AskOkIgnore(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskOpenFile(const FileDialogOptions& options) override;
    std::vector<std::string> AskOpenFiles(const FileDialogOptions& options) override;

private:
    Rng& Chance();
    void Note(const QString& line);
    // A path as the log shows it: inside the program folder, relative to it.
    QString Shown(const std::string& path) const;
    std::string FolderOf(const FileDialogOptions& options) const;

    StepLog& m_log;
    std::string m_program_folder;
    std::string m_file_folder;
    Rng* m_rng = nullptr;
    Rng m_setup_rng{0};
    QStringList m_faults;
    std::optional<std::string> m_saved;
    int m_boxes = 0;
    int m_errors = 0;
};

// The files of a folder (no sub-folders), sorted by name.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace orvanta::monkey
