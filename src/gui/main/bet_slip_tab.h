#pragma once

#include "core/slip/bet_slip_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

class QCheckBox;
class QComboBox;
class QGridLayout;

namespace orvanta {

// The page's controls.
const ControlTable<BetSlipPage>& BetSlipControls();

// The BET SLIP page on screen.
class BetSlipTab : public CalculatorTab {
    Q_OBJECT

public:
    BetSlipTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    orvanta::HelpTopic HelpTopic() const override { return kHelpBetSlip; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    BetSlipPage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }
    QComboBox* KindChoice() const { return m_kind; }
    QCheckBox* EachWay() const { return m_each_way; }

private:
    void BindGrid();
    void LayOut();
    QGridLayout* LayOutBoxes();
    void ShowChoices();

    BetSlipPage m_page;
    Controls<BetSlipPage> m_controls;
    GridView* m_grid = nullptr;
    QComboBox* m_kind = nullptr;
    QCheckBox* m_each_way = nullptr;
};

}  // namespace orvanta
