#include "core/i18n/language_choice.h"

#include <string_view>

#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

// The layout takes a folder holding the catalogues for a portable program.
static_assert(std::string_view(kPortableMarkers[0]) == kGreekCatalogue &&
              std::string_view(kPortableMarkers[1]) == kEnglishCatalogue);

std::string RememberedCatalogue(const std::string& user_folder) {
    try {
        std::string choice = ReadFileBytes(JoinPath(user_folder, kLanguageChoiceFile), 256);
        while (!choice.empty() &&
               (choice.back() == '\n' || choice.back() == '\r' || choice.back() == ' ')) {
            choice.pop_back();
        }
        if (choice == kGreekCatalogue || choice == kEnglishCatalogue) {
            return choice;
        }
    } catch (const OperationError&) {
        // No choice kept: the Greek catalogue.
    }
    return kGreekCatalogue;
}

void RememberCatalogue(const std::string& user_folder, const std::string& catalogue_file,
                       WriteFaults* faults) {
    EnsureUserFolder(user_folder);
    WriteFileReplacing(JoinPath(user_folder, kLanguageChoiceFile), catalogue_file + "\n", faults);
}

}  // namespace orvanta
