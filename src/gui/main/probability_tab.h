#pragma once

#include <string>
#include <vector>

#include "core/markets/probability_page.h"
#include "gui/main/calculator_tab.h"
#include "gui/widgets/control_table.h"

class QComboBox;
class QGridLayout;

namespace orvanta {

// The page's controls.
const ControlTable<ProbabilityPage>& ProbabilityControls();

// The PROBABILITY page on screen.
class ProbabilityTab : public CalculatorTab {
    Q_OBJECT

public:
    ProbabilityTab(Services& services, const Catalogue& catalogue, QWidget* parent = nullptr);

    void Clear() override;
    void Calculate() override;
    void Caption() override;
    orvanta::HelpTopic HelpTopic() const override { return kHelpProbability; }
    QWidget* FirstInput() const override;
    QList<QWidget*> EnterMovesFocus() const override;

    ProbabilityPage& Page() { return m_page; }
    GridView* Grid() const { return m_grid; }
    QComboBox* MethodChoice() const { return m_method; }

    // The method as last remembered, which the live window may have changed.
    void FollowRememberedMethod();

private:
    void LayOut();
    QGridLayout* LayOutBoxes();
    void OnMethodChosen(int index);
    void ShowMethod();
    void ShowNote();
    void MakeRoomForFigures();

    ProbabilityPage m_page;
    Controls<ProbabilityPage> m_controls;
    GridView* m_grid = nullptr;
    QComboBox* m_method = nullptr;
    // The texts and font the columns' room was last made for.
    std::vector<std::string> m_room_made_for;
    // The columns' own widths, which figures may borrow from.
    std::vector<int> m_rest_widths;
};

}  // namespace orvanta
