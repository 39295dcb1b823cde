#pragma once

#include "core/markets/arbitrage_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/box_binding.h"

class QLabel;
class QLineEdit;

namespace orvanta {

class FilteredLineEdit;

class GridView;

// TSArbitrage: the ARBITRAGE page on screen.
class ArbitrageTab : public CalculatorTab {
    Q_OBJECT

public:
    ArbitrageTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void InitPage() override;
    void CalcPage() override;
    void Caption() override;
    int HelpTopic() const override { return 2; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    ArbitragePage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }

private:
    ArbitragePage m_page;
    BoxBinding m_boxes;
    GridView* m_grid = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_odds_label = nullptr;
    QLabel* m_wager_label = nullptr;
    QLabel* m_winpay_label = nullptr;
    QLabel* m_multiplier_label = nullptr;
    QLabel* m_target_label = nullptr;
    QLabel* m_total_label = nullptr;
    QLabel* m_percent_label = nullptr;
    QLabel* m_profit_label = nullptr;
    FilteredLineEdit* m_edit5 = nullptr;
    FilteredLineEdit* m_edit6 = nullptr;
    QLineEdit* m_edit7 = nullptr;
    QLineEdit* m_edit8 = nullptr;
    QLineEdit* m_edit13 = nullptr;
};

}  // namespace orvanta
