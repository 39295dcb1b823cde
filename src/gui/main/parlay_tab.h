#pragma once

#include "core/parlay/parlay_sheet.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/box_binding.h"

class QLabel;
class QPushButton;

namespace orvanta {

class GridView;

// TSParlayBetting: the PARLAY BETTING sheet on screen, with its file buttons.
class ParlayTab : public CalculatorTab {
    Q_OBJECT

public:
    ParlayTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    int HelpTopic() const override { return 1; }
    QWidget* FirstInput() const override;

    void Button1Click();
    void Button2Click();
    void bbtnDeleteClick();

    ParlaySheet& Sheet() { return m_sheet; }
    GridView* Grid() const { return m_grid; }

private:
    ParlaySheet m_sheet;
    BoxBinding m_boxes;
    GridView* m_grid = nullptr;
    QLabel* m_sum_label = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace orvanta
