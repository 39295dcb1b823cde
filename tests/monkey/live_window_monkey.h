#pragma once

// The monkey in the live betting window: the game list, the position sheet,
// the current odds, New (whose dialog is filled in and left at random) and
// Delete, the splitter and the window's size. Leaving the window, by Exit or
// the close box, opens it again over the same records, as a user opens it
// again from the main window's menu; a language switch opens it again under
// the other catalogue.
//
// Beside what holds in every window: the sheet and the odds boxes hold what
// their key filters let through, the window is never left loading, the list
// names the files of the record folder, and the loaded game's record, read
// back by the core, holds what the sheet and the odds boxes show.

#include <memory>

#include "core/i18n/catalogue.h"
#include "gui/live/live_window.h"
#include "monkey/monkey.h"

namespace orvanta::monkey {

class LiveWindowMonkey : public Monkey {
public:
    explicit LiveWindowMonkey(std::uint64_t seed);
    ~LiveWindowMonkey() override;

protected:
    void Start() override;
    std::vector<Action> Actions() override;
    QWidget* Window() const override { return m_window.get(); }
    void Check(QStringList& faults) override;
    void AfterStep() override;
    bool HandleModal(QDialog* dialog) override;
    void ProvokeAWrite() override;
    std::vector<std::string> DataFolders() const override;

private:
    void Open();
    QAbstractButton* Button(const char* control) const;
    GridView* List() const;
    GridView* Sheet() const;

    void ClickAGame();
    void DragTheSplitter();
    void ResizeTheWindow();
    void SwitchLanguage();
    void FillInNewGame(QDialog* dialog);

    void CheckRecord(QStringList& faults);
    void CheckList(QStringList& faults);
    void CheckLoadedIsCurrent(QStringList& faults);

    std::string m_records;
    std::string m_catalogue_file;
    Catalogue m_catalogue;
    LiveWindow::HelpOpener m_open_help;
    std::unique_ptr<LiveWindow> m_window;
};

}  // namespace orvanta::monkey
