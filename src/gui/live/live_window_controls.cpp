#include "gui/live/live_window_controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSplitter>

#include "core/live/live_captions.h"
#include "gui/widgets/filtered_line_edit.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

namespace captions = live_captions;
using P = LivePage;

LiveControl Made(const char* name, QWidget* (*make)(QWidget*),
                 const CatalogueText* caption = nullptr, const char* fixed_text = nullptr) {
    return {name, caption, nullptr, nullptr, fixed_text, make};
}
LiveControl Fixed(const char* name, const char* text) {
    return {name, nullptr, nullptr, nullptr, text};
}
std::array<LiveControl, 3> Outcomes(const char* one, const char* draw, const char* two) {
    return {Fixed(one, "1"), Fixed(draw, "X"), Fixed(two, "2")};
}
LiveControl Box(const char* name) {
    return Made(name, &MakeWidget<FilteredLineEdit>);
}

void Append(std::vector<LiveControl>& table, const LivePanel& panel) {
    table.push_back(panel.group);
    table.push_back(panel.title);
    table.insert(table.end(), panel.outcomes.begin(), panel.outcomes.end());
    for (const LivePanelRow& row : panel.rows) {
        table.push_back(row.caption);
        for (const LiveControl& box : row.boxes) {
            if (box.object_name) {
                table.push_back(box);
            }
        }
    }
}

}  // namespace

std::vector<LiveControl> LiveWindowControls::Table() const {
    std::vector<LiveControl> table = {splitter, game_list, sheet};
    for (const LivePanel* panel : {&current_odds, &suggestion, &totals}) {
        Append(table, *panel);
    }
    table.insert(table.end(), {new_game, delete_game, suggest, help, exit, picture});
    return table;
}

const LiveWindowControls& LiveControls() {
    // The system's inactive-caption gradient colour: a light blue-grey.
    static const GridColour kInactiveCaption{static_cast<std::int32_t>(0xFF00001Cu)};
    // clang-format off
    static const LiveWindowControls controls{
        Made("Splitter1", &MakeWidget<QSplitter>),
        {"AdvStringGrid1", nullptr, nullptr, &P::game_list},
        {"AdvStringGrid2", nullptr, nullptr, &P::positions},
        {Made("GroupBox2", &MakeWidget<QGroupBox>), ToQColor(kInactiveCaption),
         {"Label8", &captions::kCurrentOdds},
         Outcomes("Label9", "Label10", "Label11"),
         {{{"Label13", &captions::kOdds},
           {{{"Edit13", nullptr, &P::odds_1}, {"Edit14", nullptr, &P::odds_x}, {"Edit15", nullptr, &P::odds_2}}}},
          {{"Label12", &captions::kProbability},
           {{{"Edit10", nullptr, &P::probability_1}, {"Edit11", nullptr, &P::probability_x}, {"Edit12", nullptr, &P::probability_2}}}},
          {{"Label20", &captions::kBookmakerCut},
           {{{"edtGaniota", nullptr, &P::bookmaker_cut}}}}}},
        {Made("GroupBox3", &MakeWidget<QGroupBox>), QColor(192, 192, 192),
         {"Label14", &captions::kSuggestion},
         Outcomes("Label15", "Label16", "Label17"),
         {{{"Label19", &captions::kForPositive}, {Box("Edit19"), Box("Edit20"), Box("Edit21")}},
          {{"Label18", &captions::kForProbable}, {Box("Edit16"), Box("Edit17"), Box("Edit18")}}}},
        {Made("GroupBox1", &MakeWidget<QGroupBox>), ToQColor(kColourLightGreen),
         {"Label1", &captions::kStatus},
         Outcomes("Label2", "Label3", "Label4"),
         {{{"Label6", &captions::kGameWager},
           {{{"Edit4", nullptr, &P::game_wager_1}, {"Edit5", nullptr, &P::game_wager_x}, {"Edit6", nullptr, &P::game_wager_2}}}},
          {{"Label5", &captions::kReturn},
           {{{"Edit1", nullptr, &P::return_1}, {"Edit2", nullptr, &P::return_x}, {"Edit3", nullptr, &P::return_2}}}},
          {{"Label7", &captions::kResult},
           {{{"Edit7", nullptr, &P::result_1}, {"Edit8", nullptr, &P::result_x}, {"Edit9", nullptr, &P::result_2}}}}}},
        Made("BitBtn2", &MakeWidget<QPushButton>, &captions::kNewGame),
        Made("BitBtn3", &MakeWidget<QPushButton>, &captions::kDeleteGame),
        Made("BitBtn4", &MakeWidget<QPushButton>, &captions::kSuggestion),
        Made("BitBtn5", &MakeWidget<QPushButton>, nullptr, "Help"),
        Made("BitBtn1", &MakeWidget<QPushButton>, &captions::kExit),
        {"Image1"},
    };
    // clang-format on
    return controls;
}

}  // namespace orvanta
