#pragma once

#include "core/parlay/parlay_sheet.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

class QComboBox;

namespace orvanta {
class FilteredLineEdit;
class FontScale;
}  // namespace orvanta

namespace orvanta {

// The page's controls.
const ControlTable<ParlaySheet>& ParlayControls();

// The PARLAY BETTING sheet on screen, with its file buttons.
class ParlayTab : public CalculatorTab {
    Q_OBJECT

public:
    ParlayTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    orvanta::HelpTopic HelpTopic() const override { return kHelpParlay; }
    QWidget* FirstInput() const override;

    ParlaySheet& Sheet() { return m_sheet; }
    GridView* Grid() const { return m_grid; }
    QComboBox* SystemChoice() const { return m_system; }

private:
    void BindSheet();
    QWidget* LayOutFoot();
    void OnSave();
    void OnLoad();
    void OnDeleteFiles();
    void LayOutSystemRow(QWidget* foot, const FontScale& scale);
    void OnSystemChosen();
    void PlaceSystemRow();

    ParlaySheet m_sheet;
    Controls<ParlaySheet> m_controls;
    GridView* m_grid = nullptr;
    QComboBox* m_system = nullptr;
    FilteredLineEdit* m_unit = nullptr;
};

}  // namespace orvanta
