#include "gui/live/live_window_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSplitter>

#include "core/live/live_captions.h"
#include "gui/widgets/cover_picture.h"
#include "gui/widgets/elided_label.h"
#include "gui/widgets/qt_convert.h"

namespace orvanta {

namespace {

namespace captions = live_captions;
using P = LivePage;
using C = Control<P>;

ControlTable<P> CurrentOddsRows() {
    return {
        C::Make<QGroupBox>("GroupBox2", "current_odds_panel").NamedBy("current_odds_title"),
        C::Label("Label8", "current_odds_title", captions::kCurrentOdds)
            .Tip(captions::kCurrentOddsTip),
        C::Label("Label9", "current_odds_column_1", "1"),
        C::Label("Label10", "current_odds_column_x", "X"),
        C::Label("Label11", "current_odds_column_2", "2"),
        C::Label("Label13", "odds_label", captions::kOdds),
        C::Box("Edit13", "odds_1", &P::odds_1).NamedBy("odds_label current_odds_column_1"),
        C::Box("Edit14", "odds_x", &P::odds_x).NamedBy("odds_label current_odds_column_x"),
        C::Box("Edit15", "odds_2", &P::odds_2).NamedBy("odds_label current_odds_column_2"),
        C::Label("Label12", "probability_label", captions::kProbability),
        C::Box("Edit10", "probability_1", &P::probability_1)
            .NamedBy("probability_label current_odds_column_1"),
        C::Box("Edit11", "probability_x", &P::probability_x)
            .NamedBy("probability_label current_odds_column_x"),
        C::Box("Edit12", "probability_2", &P::probability_2)
            .NamedBy("probability_label current_odds_column_2"),
        C::Label("Label20", "bookmaker_cut_label", captions::kBookmakerCut),
        C::Box("edtGaniota", "bookmaker_cut", &P::bookmaker_cut).NamedBy("bookmaker_cut_label"),
        // Beside the title and the cut, so that the panel keeps its size.
        C::Make<QComboBox>("ComboBox1", "method").Named(captions::kMethod),
        C::Box("Edit22", "method_parameter", &P::method_parameter).Named(captions::kParameter),
    };
}

// The suggestions: the commission they are net of beside the title, then a
// row of backs and their result for each way out, and a line for what a row
// has to say in words.
ControlTable<P> SuggestionRows() {
    return {
        C::Make<QGroupBox>("GroupBox3", "suggestion_panel").NamedBy("suggestion_title"),
        C::Label("Label14", "suggestion_title", captions::kSuggestion),
        C::Label("Label21", "commission_label", captions::kCommission)
            .Tip(captions::kCommissionTip),
        C::Box("Edit26", "commission", &P::commission)
            .NamedBy("commission_label")
            .Tip(captions::kCommissionTip),
        C::Label("Label15", "suggestion_column_1", "1"),
        C::Label("Label16", "suggestion_column_x", "X"),
        C::Label("Label17", "suggestion_column_2", "2"),
        C::Label("Label22", "suggestion_column_result", captions::kResult),
        C::Label("Label19", "for_positive_label", captions::kForPositive),
        C::Box("Edit19", "for_positive_1", &P::sure_1)
            .NamedBy("for_positive_label suggestion_column_1"),
        C::Box("Edit20", "for_positive_x", &P::sure_x)
            .NamedBy("for_positive_label suggestion_column_x"),
        C::Box("Edit21", "for_positive_2", &P::sure_2)
            .NamedBy("for_positive_label suggestion_column_2"),
        C::Box("Edit24", "for_positive_result", &P::sure_result)
            .NamedBy("for_positive_label suggestion_column_result"),
        C::Label("Label18", "for_probable_label", captions::kForProbable),
        C::Box("Edit16", "for_probable_1", &P::probable_1)
            .NamedBy("for_probable_label suggestion_column_1"),
        C::Box("Edit17", "for_probable_x", &P::probable_x)
            .NamedBy("for_probable_label suggestion_column_x"),
        C::Box("Edit18", "for_probable_2", &P::probable_2)
            .NamedBy("for_probable_label suggestion_column_2"),
        C::Box("Edit25", "for_probable_result", &P::probable_result)
            .NamedBy("for_probable_label suggestion_column_result"),
        C::Make<ElidedLabel>("Label23", "suggestion_note").NamedBy("suggestion_title"),
    };
}

ControlTable<P> TotalsRows() {
    return {
        C::Make<QGroupBox>("GroupBox1", "totals_panel").NamedBy("totals_title"),
        C::Label("Label1", "totals_title", captions::kStatus),
        C::Label("Label2", "totals_column_1", "1"),
        C::Label("Label3", "totals_column_x", "X"),
        C::Label("Label4", "totals_column_2", "2"),
        C::Label("Label6", "game_wager_label", captions::kGameWager),
        C::Box("Edit4", "game_wager_1", &P::game_wager_1)
            .NamedBy("game_wager_label totals_column_1"),
        C::Box("Edit5", "game_wager_x", &P::game_wager_x)
            .NamedBy("game_wager_label totals_column_x"),
        C::Box("Edit6", "game_wager_2", &P::game_wager_2)
            .NamedBy("game_wager_label totals_column_2"),
        C::Label("Label5", "return_label", captions::kReturn),
        C::Box("Edit1", "return_1", &P::return_1).NamedBy("return_label totals_column_1"),
        C::Box("Edit2", "return_x", &P::return_x).NamedBy("return_label totals_column_x"),
        C::Box("Edit3", "return_2", &P::return_2).NamedBy("return_label totals_column_2"),
        C::Label("Label7", "result_label", captions::kResult),
        C::Box("Edit7", "result_1", &P::result_1).NamedBy("result_label totals_column_1"),
        C::Box("Edit8", "result_x", &P::result_x).NamedBy("result_label totals_column_x"),
        C::Box("Edit9", "result_2", &P::result_2).NamedBy("result_label totals_column_2"),
    };
}

}  // namespace

const ControlTable<LivePage>& LiveWindowControls() {
    static const ControlTable<P> table = [] {
        ControlTable<P> rows = {
            C::Own("FrmLiveOrvanta", "window", captions::kWindow),
            C::Make<QSplitter>("Splitter1", "splitter").NamedBy("window"),
            C::Grid("AdvStringGrid1", "game_list", &P::game_list).Named(captions::kGameList),
            C::Grid("AdvStringGrid2", "positions", &P::positions).NamedBy("window"),
        };
        for (const ControlTable<P>& panel : {CurrentOddsRows(), SuggestionRows(), TotalsRows()}) {
            rows.insert(rows.end(), panel.begin(), panel.end());
        }
        rows.insert(
            rows.end(),
            {C::Button("BitBtn2", "new_game", captions::kNewGame).Tip(captions::kNewGameTip),
             C::Button("BitBtn3", "delete_game", captions::kDeleteGame)
                 .Tip(captions::kDeleteGameTip),
             // Puts the upper suggestion's backs on the sheet, after asking.
             C::Button("BitBtn4", "suggest", captions::kSuggestion).Tip(captions::kSuggestionTip),
             // Puts the sheet and the panels on paper.
             C::Button("BitBtn6", "print", captions::kPrint),
             C::Button("BitBtn5", "help", captions::kHelp),
             C::Button("BitBtn1", "exit", captions::kExit),
             C::Make<CoverPicture>("Image1", "picture").NamedBy("window")});
        return rows;
    }();
    return table;
}

const std::vector<LivePanelLayout>& LivePanels() {
    // The system's inactive-caption gradient colour: a light blue-grey.
    static const GridColour kInactiveCaption{static_cast<std::int32_t>(0xFF00001Cu)};
    // clang-format off
    static const std::vector<LivePanelLayout> panels = {
        {"current_odds_panel", ToQColor(kInactiveCaption), "current_odds_title",
         {"current_odds_column_1", "current_odds_column_x", "current_odds_column_2"},
         {{"odds_label", {"odds_1", "odds_x", "odds_2"}},
          {"probability_label", {"probability_1", "probability_x", "probability_2"}},
          {"bookmaker_cut_label", {"bookmaker_cut", nullptr, nullptr}}},
         "method", "method_parameter"},
        {"suggestion_panel", QColor(192, 192, 192), "suggestion_title",
         {"suggestion_column_1", "suggestion_column_x", "suggestion_column_2"},
         {{"for_positive_label", {"for_positive_1", "for_positive_x", "for_positive_2"},
           "for_positive_result"},
          {"for_probable_label", {"for_probable_1", "for_probable_x", "for_probable_2"},
           "for_probable_result"}},
         "commission_label", nullptr, "commission", "suggestion_column_result",
         "suggestion_note", 55},
        {"totals_panel", ToQColor(kColourLightGreen), "totals_title",
         {"totals_column_1", "totals_column_x", "totals_column_2"},
         {{"game_wager_label", {"game_wager_1", "game_wager_x", "game_wager_2"}},
          {"return_label", {"return_1", "return_x", "return_2"}},
          {"result_label", {"result_1", "result_x", "result_2"}}}},
    };
    // clang-format on
    return panels;
}

}  // namespace orvanta
