#pragma once

#include "core/markets/probability_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/box_binding.h"

class QLabel;
class QLineEdit;

namespace orvanta {

class GridView;

// TSProbability: the PROBABILITY page on screen.
class ProbabilityTab : public CalculatorTab {
    Q_OBJECT

public:
    ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    int HelpTopic() const override { return 3; }
    QWidget* FirstInput() const override;

    ProbabilityPage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }

private:
    ProbabilityPage m_page;
    BoxBinding m_boxes;
    GridView* m_grid = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_odds_label = nullptr;
    QLabel* m_probability_label = nullptr;
    QLabel* m_margin_label = nullptr;
    QLabel* m_return_label = nullptr;
    QLabel* m_cut_label = nullptr;
};

}  // namespace orvanta
