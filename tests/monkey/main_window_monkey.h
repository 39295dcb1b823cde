#pragma once

// The monkey in the main window: the four calculator pages, their grids and
// boxes, the two command buttons, the menu (whose help, About and live windows
// open for real and are closed again), the parlay page's files in a folder of
// their own, the language. Closing the window, by Exit or otherwise, starts
// the program again over the same folder.
//
// Beside what holds in every window: every number cell and box holds what its
// key filter lets through, the converter shows no figures beside a price it
// cannot read, and a sheet saved to a .bet file loads into a
// fresh sheet as the same cells.

#include <memory>

#include "gui/main/main_window.h"
#include "monkey/monkey.h"

class QAbstractButton;
class QTabWidget;

namespace orvanta {
class GridView;
class ParlayTab;
}  // namespace orvanta

namespace orvanta::monkey {

class MainWindowMonkey : public Monkey {
public:
    explicit MainWindowMonkey(std::uint64_t seed);
    ~MainWindowMonkey() override;

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
    QTabWidget* Pages() const;
    ParlayTab* Parlay() const;
    void ShowPage(int page);

    void ClickACell(bool twice);
    void MenuCommand();
    void SwitchPage();
    void ParlayFile();
    void SwitchLanguage();
    void DragAColumnEdge();
    void FireUpdateCheck();
    void CloseWindow();
    void TypeAPrice();
    void FillTheBetSlip();
    void ChooseANamedSystem();
    void CheckBetSlip(QStringList& faults);
    void TypeAtRealBooks();

    void CheckConverter(QStringList& faults);
    void CheckSavedSheet(const std::string& path, QStringList& faults);

    MainWindowOpeners m_openers;
    std::unique_ptr<MainWindow> m_window;
    bool m_update_checked = false;
};

}  // namespace orvanta::monkey
