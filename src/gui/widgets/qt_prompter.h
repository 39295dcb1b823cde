#pragma once

// The prompter on the desktop: Qt message boxes and file dialogs, each parented
// to the window that is active when it appears, their buttons and labels in
// the language of the open catalogue (standard_texts.h).

#include <QString>

#include "core/base/services.h"

class QWidget;

namespace orvanta {

class QtPrompter : public Prompter {
public:
    // app_title: the title of plain boxes; program_base_name: the title of the
    // general error report.
    QtPrompter(QString app_title, QString program_base_name);

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text, DefaultAnswer default_answer) override;
    bool AskOkIgnore(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> AskSaveFile(const FileDialogOptions& options) override;
    std::optional<std::string> AskOpenFile(const FileDialogOptions& options) override;
    std::vector<std::string> AskOpenFiles(const FileDialogOptions& options) override;

private:
    QString m_title;
    QString m_base_name;
};

// "Description|*.ext" as a Qt name filter: "Description (*.ext)".
QString ToQtNameFilter(const std::string& filter);

}  // namespace orvanta
