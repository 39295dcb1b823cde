#include "gui/widgets/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

#include "core/base/operation_error.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/qt_convert.h"
#include "gui/widgets/standard_texts.h"

namespace orvanta {

namespace {

QWidget* Owner() {
    return QApplication::activeWindow();
}

namespace texts = standard_texts;

// Each standard button in the open language.
void SayButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const CatalogueText*> buttons[] = {
        {QMessageBox::Yes, &texts::kYes},
        {QMessageBox::No, &texts::kNo},
        {QMessageBox::Ok, &texts::kOk},
        {QMessageBox::Ignore, &texts::kIgnore}};
    for (const auto& [button, text] : buttons) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(StandardText(*text));
        }
    }
}

int Run(QMessageBox& box) {
    SayButtons(box);
    return box.exec();
}

std::unique_ptr<QFileDialog> MakeDialog(const FileDialogOptions& options,
                                        QFileDialog::AcceptMode mode,
                                        QFileDialog::FileMode file_mode) {
    auto dialog = std::make_unique<QFileDialog>(Owner(), ToQt(options.title));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(file_mode);
    // The same dialog on every desktop, and one the tests can drive.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    if (!options.filter.empty()) {
        dialog->setNameFilter(ToQtNameFilter(options.filter));
    }
    if (!options.default_extension.empty()) {
        dialog->setDefaultSuffix(ToQt(options.default_extension));
    }
    if (!options.initial_folder.empty()) {
        dialog->setDirectory(ToQt(options.initial_folder));
    }
    dialog->setLabelText(QFileDialog::LookIn, StandardText(texts::kLookIn));
    dialog->setLabelText(QFileDialog::FileName, StandardText(texts::kFileName));
    dialog->setLabelText(QFileDialog::FileType, StandardText(texts::kFilesOfType));
    dialog->setLabelText(QFileDialog::Reject, StandardText(texts::kCancel));
    const QString accept =
        options.accept_label.empty()
            ? StandardText(mode == QFileDialog::AcceptSave ? texts::kSave : texts::kOpen)
            : ToQt(options.accept_label);
    dialog->setLabelText(QFileDialog::Accept, accept);
    return dialog;
}

}  // namespace

QString ToQtNameFilter(const std::string& filter) {
    const auto bar = filter.find('|');
    if (bar == std::string::npos) {
        return ToQt(filter);
    }
    QString patterns = ToQt(filter.substr(bar + 1));
    patterns.replace(';', ' ');
    return ToQt(filter.substr(0, bar)) + " (" + patterns + ")";
}

QtPrompter::QtPrompter(QString app_title, QString program_base_name)
    : m_title(std::move(app_title)), m_base_name(std::move(program_base_name)) {
    InstallAccessibility();
}

void QtPrompter::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, m_title, ToQt(text), QMessageBox::Ok, Owner());
    Run(box);
}

bool QtPrompter::AskYesNo(const std::string& text, DefaultAnswer default_answer) {
    QMessageBox box(QMessageBox::Warning, StandardText(texts::kWarning), ToQt(text),
                    QMessageBox::Yes | QMessageBox::No, Owner());
    box.setDefaultButton(default_answer == DefaultAnswer::kNo ? QMessageBox::No : QMessageBox::Yes);
    return Run(box) == QMessageBox::Yes;
}

bool QtPrompter::AskOkIgnore(const std::string& text) {
    QMessageBox box(QMessageBox::Question, StandardText(texts::kConfirm), ToQt(text),
                    QMessageBox::Ok | QMessageBox::Ignore, Owner());
    box.setDefaultButton(QMessageBox::Ok);
    return Run(box) == QMessageBox::Ok;
}

void QtPrompter::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, m_base_name, ToQt(ErrorReportText(text)),
                    QMessageBox::Ok, Owner());
    Run(box);
}

std::optional<std::string> QtPrompter::AskSaveFile(const FileDialogOptions& options) {
    auto dialog = MakeDialog(options, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return FromQt(dialog->selectedFiles().constFirst());
}

std::optional<std::string> QtPrompter::AskOpenFile(const FileDialogOptions& options) {
    auto dialog = MakeDialog(options, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return FromQt(dialog->selectedFiles().constFirst());
}

std::vector<std::string> QtPrompter::AskOpenFiles(const FileDialogOptions& options) {
    auto dialog = MakeDialog(options, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles);
    std::vector<std::string> files;
    if (dialog->exec() == QDialog::Accepted) {
        for (const QString& file : dialog->selectedFiles()) {
            files.push_back(FromQt(file));
        }
    }
    return files;
}

}  // namespace orvanta
