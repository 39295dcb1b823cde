#pragma once

#include <vector>

class QComboBox;
class QLayout;

#include "core/markets/arbitrage_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

// The page's controls.
const ControlTable<ArbitragePage>& ArbitrageControls();

// The ARBITRAGE page on screen.
class ArbitrageTab : public CalculatorTab {
    Q_OBJECT

public:
    ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    orvanta::HelpTopic HelpTopic() const override { return kHelpArbitrage; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    ArbitragePage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }

private:
    void BindBoxes();
    void BindTypedRows();
    void BindBackLay();
    void LayOut();
    QLayout* BackLayLayout();
    void ShowStakeState();
    void MakeRoomForFigures();
    void SetColumnWidths(const std::vector<int>& widths);

    ArbitragePage m_page;
    Controls<ArbitragePage> m_controls;
    GridView* m_grid = nullptr;
    QComboBox* m_lay_mode = nullptr;
    QList<QWidget*> m_enter_moves_focus;
    // The columns' widths with nothing typed, and which columns had odds when
    // the widths were last shared out.
    std::vector<int> m_rest_widths;
    std::vector<bool> m_with_odds;
};

}  // namespace orvanta
