#pragma once

// Release staging, the vendor's step of publishing a new build: when the update check
// finds a local file newer than the server's list, the six release files are copied into
// Upload beside the program, with a fresh FilesToDownload.txt that lists them for the
// update check to read once they are on the server. Only a portable program folder is
// staged: an installed program's files are the package's.

#include "core/base/services.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

inline constexpr const char* kUploadFolder = "Upload";

inline constexpr CatalogueText kAskToStage{"Message", "UploadNewVersion", "UploadNewVersion"};
inline constexpr CatalogueText kStaged{"Message", "SuccessFilesCopy",
                                       "Success Files Copy FOR upload"};
inline constexpr CatalogueText kStagingFailed{"Message", "ErrorFilesCopy", "Error Files Copy"};

// Asks first (OK and Ignore); only OK stages. Reports its own outcome: "Success Files
// Copy FOR upload" when all six files were copied and listed, "Error Files Copy" at the
// first file that cannot be measured or copied, which ends the staging there (what was
// staged and listed before it stays). Does nothing at all for an installed program.
void StageRelease(Services& services, const Catalogue& catalogue);

}  // namespace orvanta
