#pragma once

#include "core/markets/probability_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

// The PROBABILITY page on screen.
class ProbabilityTab : public CalculatorTab {
    Q_OBJECT

public:
    ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void InitPage() override;
    void CalcPage() override;
    void Caption() override;
    int HelpTopic() const override { return 3; }
    QWidget* FirstInput() const override;

    ProbabilityPage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }

private:
    ProbabilityPage m_page;
    ControlWidgets<ProbabilityPage> m_controls;
    GridView* m_grid = nullptr;
};

}  // namespace orvanta
