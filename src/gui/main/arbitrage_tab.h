#pragma once

#include "core/markets/arbitrage_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

// The ARBITRAGE page on screen.
class ArbitrageTab : public CalculatorTab {
    Q_OBJECT

public:
    ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    int HelpTopic() const override { return 2; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    ArbitragePage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }

private:
    ArbitragePage m_page;
    ControlWidgets<ArbitragePage> m_controls;
    GridView* m_grid = nullptr;
    QList<QWidget*> m_enter_moves_focus;
};

}  // namespace orvanta
