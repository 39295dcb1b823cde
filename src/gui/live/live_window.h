#pragma once

// The live betting window: the game list on the left, the position sheet on
// the right, the current-odds, suggestion and totals panels under them and the
// button bar at the foot. It is a thin skin over a LiveLedger, which holds all
// of the window's state: the two grids show the ledger's own TextGrids, and
// every handler copies the typed current odds into the ledger, runs the
// ledger's event and puts the ledger's boxes back on screen. While it does, the
// odds boxes' change signals are blocked, so showing what a load brought never
// counts as typing (and never writes the record).

#include <QDialog>

#include <array>
#include <functional>

#include "core/live/live_ledger.h"
#include "gui/widgets/box_binding.h"

class QLabel;
class QLineEdit;
class QKeyEvent;
class QPushButton;
class QSplitter;

namespace orvanta {

class Catalogue;
class GridView;
struct LiveCaptions;
struct Services;

class TFrmLiveOrvanta : public QDialog {
    Q_OBJECT

public:
    using HelpOpener = std::function<void(QWidget* owner, int help_topic)>;
    // The help page's anchor for live betting.
    static constexpr int kHelpTopic = 5;

    TFrmLiveOrvanta(Services& services, const Catalogue& catalogue, HelpOpener open_help,
                    QWidget* parent = nullptr);
    ~TFrmLiveOrvanta() override;

    // Both run FormShow first. When the record folder cannot be made or read
    // the error has been reported and the window stays closed (exec() gives
    // Rejected).
    int exec() override;
    void setVisible(bool visible) override;

    LiveLedger& Ledger() { return m_ledger; }
    GridView* AdvStringGrid1() const { return m_list; }
    GridView* AdvStringGrid2() const { return m_sheet; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    void BindSheet();
    void BindCurrentOdds();
    void ApplyCaptions(const LiveCaptions& captions);

    bool FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn5Click();
    void AdvStringGrid1Click(int row);
    void Edit13Change();
    bool Edit13KeyPress(QLineEdit* edit, QKeyEvent* event);

    // Puts the ledger's boxes and list row on screen.
    void ShowLedger();
    void ShowBoxes();
    void FitListPane();

    Services& m_services;
    const Catalogue& m_catalogue;
    HelpOpener m_open_help;
    LiveLedger m_ledger;

    QSplitter* m_splitter = nullptr;
    GridView* m_list = nullptr;
    GridView* m_sheet = nullptr;
    // Edit13, Edit14, Edit15: Tag 1, 2 and 3.
    std::array<QLineEdit*, 3> m_current_odds{};
    QPushButton* m_new = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_protasi = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_exit = nullptr;
    QLabel* m_image = nullptr;
    BoxBinding m_boxes;
    BoxBinding m_typed_odds;
    // exec() has run FormShow already for the show it is about to make.
    bool m_form_shown = false;
};

}  // namespace orvanta
