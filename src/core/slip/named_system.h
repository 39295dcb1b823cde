#pragma once

// A named full cover (Trixie, Yankee, Lucky 15 ...) on the parlay sheet: the
// sheet's row k is the system of every k-fold, so a cover is a stake in the
// rows of the sizes it combines: a Yankee over four selections is rows 2 to 4,
// a Lucky 15 rows 1 to 4.

#include <optional>
#include <string>
#include <vector>

#include "core/i18n/catalogue.h"
#include "core/parlay/parlay_sheet.h"
#include "core/slip/bet_settlement.h"

namespace orvanta {

namespace slip_captions {
inline constexpr CatalogueText kSystem{"FrmMain", "NamedSystem", "System"};
inline constexpr CatalogueText kUnit{"FrmMain", "NamedSystemUnit", "Unit stake"};
// Followed by the cover's name and the selections it needs ("Yankee: 4").
inline constexpr CatalogueText kWrongSelections{"Message", "NamedSystemSelections",
                                                "This system needs another number of selections"};
inline constexpr CatalogueText kBadUnit{"Message", "NamedSystemNoUnit",
                                        "Type a unit stake above 0 beside the system"};
}  // namespace slip_captions

// The full covers, Trixie to Goliath, in the order of their sizes.
std::vector<const SlipKind*> FullCovers();

// The sheet's odds rows from row 1 down to the first empty one.
int SelectionCount(const ParlaySheet& sheet);

// The stake column as the cover over the sheet's selections would have it:
// `unit` in the rows of its sizes, every other stake cell emptied; then the
// sheet is calculated. When the cover needs another number of selections, or
// the unit is no amount above 0, nothing changes and the reason is answered.
std::optional<std::string> FillNamedSystem(ParlaySheet& sheet, const SlipKind& cover,
                                           const std::string& unit, Services& services,
                                           const Catalogue& catalogue);

}  // namespace orvanta
