#include "core/slip/named_system.h"

#include "core/base/services.h"
#include "core/slip/slip_input.h"

namespace orvanta {

std::vector<const SlipKind*> FullCovers() {
    std::vector<const SlipKind*> covers;
    for (int i = 0; i < PageSlipKindCount(); ++i) {
        const SlipKind& kind = SlipKinds()[static_cast<std::size_t>(i)];
        if (IsFullCover(kind)) {
            covers.push_back(&kind);
        }
    }
    return covers;
}

int SelectionCount(const ParlaySheet& sheet) {
    int count = 0;
    while (count < ParlaySheet::kLastRow &&
           !sheet.selections.Cell(ParlaySheet::kOddsCol, ParlaySheet::kFirstRow + count).empty()) {
        ++count;
    }
    return count;
}

std::optional<std::string> FillNamedSystem(ParlaySheet& sheet, const SlipKind& cover,
                                           const std::string& unit, Services& services,
                                           const Catalogue& catalogue) {
    const int selections = SelectionCount(sheet);
    const std::vector<int> folds = FoldsOf(cover, selections);
    if (folds.empty()) {
        return catalogue.Read(slip_captions::kWrongSelections) + " (" + cover.name + ": " +
               std::to_string(cover.legs) + ")";
    }
    const auto amount = ParseSlipFigure(unit, services.separator, false);
    if (!amount || amount->num == 0) {
        return catalogue.Read(slip_captions::kBadUnit);
    }
    for (int row = ParlaySheet::kFirstRow; row <= ParlaySheet::kLastRow; ++row) {
        const bool staked = row >= folds.front() && row <= folds.back();
        sheet.selections.SetCell(ParlaySheet::kStakeCol, row, staked ? unit : std::string());
    }
    CalculateParlaySheet(sheet, services, catalogue);
    return std::nullopt;
}

}  // namespace orvanta
