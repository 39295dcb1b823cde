#pragma once

#include "core/markets/odds_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/box_binding.h"

class QLabel;
class QLineEdit;

namespace orvanta {

class FilteredLineEdit;

class GridView;

// TSOdds: the ODDS page on screen.
class OddsTab : public CalculatorTab {
    Q_OBJECT

public:
    OddsTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    int HelpTopic() const override { return 4; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    OddsPage& Page() { return m_page; }
    GridView* InputGrid() const { return m_input; }
    GridView* ResultGrid() const { return m_results; }

private:
    OddsPage m_page;
    BoxBinding m_boxes;
    GridView* m_input = nullptr;
    GridView* m_results = nullptr;
    FilteredLineEdit* m_edit12 = nullptr;
};

}  // namespace orvanta
