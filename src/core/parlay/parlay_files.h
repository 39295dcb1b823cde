#pragma once

// The parlay page's file buttons: Save, Load and Delete Files. Sheets live as
// .bet files in the folder Arxeia of the user folder (beside the program when
// it is portable). Failures throw OperationError for the window's general
// error report; a load that fails keeps in the sheet what it read before the
// fault.

#include <cstdint>
#include <optional>
#include <string>

#include "core/i18n/catalogue.h"

namespace orvanta {

class Platform;
struct FileDialogOptions;
struct ParlaySheet;
struct Services;

inline constexpr const char* kParlayFolderName = "Arxeia";
inline constexpr const char* kParlayFileExtension = "bet";

// The dialogs' one entry: the catalogue's name for parlay files, and *.bet.
std::string ParlayFileFilter(const Catalogue& catalogue);

// The user folder followed by "Arxeia" (no trailing separator).
std::string ParlayFolder(const Platform& platform);

// The dialogs' settings, in the words of `catalogue`.
FileDialogOptions ParlaySaveDialogOptions(const Platform& platform,
                                          const Catalogue& catalogue = Catalogue());
FileDialogOptions ParlayOpenDialogOptions(const Platform& platform,
                                          const Catalogue& catalogue = Catalogue());
FileDialogOptions ParlayDeleteDialogOptions(const Catalogue& catalogue);

// Creates Arxeia when it is missing (a failure to create it is not reported),
// asks for a name there and writes the whole sheet over it, replacing any file
// of that name. `window_id` goes into the file's header. The file written, or
// nothing when the dialog was cancelled.
std::optional<std::string> SaveParlaySheet(const ParlaySheet& sheet, Services& services,
                                           std::int32_t window_id,
                                           const Catalogue& catalogue = Catalogue());

// Asks for a file in Arxeia, reads it into the sheet (a whole-grid file of
// another shape than the sheet's is refused before anything changes) and
// recalculates. The file read, or nothing when the dialog was cancelled.
std::optional<std::string> LoadParlaySheet(ParlaySheet& sheet, Services& services,
                                           const Catalogue& catalogue = Catalogue());

// Asks for any number of files and deletes them in the dialog's order, passing
// over those that cannot be deleted. The sheet is not touched. Returns how many
// were deleted.
int DeleteParlayFiles(const Catalogue& catalogue, Services& services);

}  // namespace orvanta
