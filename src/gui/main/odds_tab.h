#pragma once

#include <QLabel>
#include <QLayout>

#include <optional>
#include <vector>

#include "core/markets/odds_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

namespace orvanta {

// The page's controls.
const ControlTable<OddsPage>& OddsControls();

// The ODDS page on screen.
class OddsTab : public CalculatorTab {
    Q_OBJECT

public:
    OddsTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    orvanta::HelpTopic HelpTopic() const override { return kHelpOdds; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    OddsPage& Page() { return m_page; }
    GridView* RecordsGrid() const { return m_records; }
    GridView* PricesGrid() const { return m_prices; }

private:
    void BindRecords(const QFont& bold);
    void BindPrices(const QFont& bold);
    void BindConverter();
    void LayOut(const QFont& bold);
    QLayout* ConverterLayout(const QFont& bold);
    // The converter's other boxes from the one of `typed`.
    void Convert(OddsFormat typed);

    OddsPage m_page;
    Controls<OddsPage> m_controls;
    GridView* m_records = nullptr;
    GridView* m_prices = nullptr;
    FilteredLineEdit* m_cut_percent = nullptr;
    // In the order the formats stand.
    std::vector<FilteredLineEdit*> m_converter;
    QLabel* m_problem = nullptr;
    // The box the converter was last typed in.
    std::optional<OddsFormat> m_typed;
};

}  // namespace orvanta
