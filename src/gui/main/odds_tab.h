#pragma once

#include "core/markets/odds_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

// The ODDS page on screen.
class OddsTab : public CalculatorTab {
    Q_OBJECT

public:
    OddsTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void InitPage() override;
    void CalcPage() override;
    void Caption() override;
    int HelpTopic() const override { return 4; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    OddsPage& Page() { return m_page; }
    GridView* RecordsGrid() const { return m_records; }
    GridView* PricesGrid() const { return m_prices; }

private:
    OddsPage m_page;
    ControlWidgets<OddsPage> m_controls;
    GridView* m_records = nullptr;
    GridView* m_prices = nullptr;
    FilteredLineEdit* m_cut_percent = nullptr;
};

}  // namespace orvanta
