#include "core/i18n/language_choice.h"

#include <string_view>

#include "core/base/program_layout.h"
#include "core/base/remembered_setting.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

// The layout takes a folder holding the catalogues for a portable program.
static_assert(std::string_view(kPortableMarkers[0]) == kGreekCatalogue &&
              std::string_view(kPortableMarkers[1]) == kEnglishCatalogue);

std::string RememberedCatalogue(const std::string& user_folder) {
    const auto choice = RememberedSetting(user_folder, kLanguageChoiceFile, 256);
    if (choice && (*choice == kGreekCatalogue || *choice == kEnglishCatalogue)) {
        return *choice;
    }
    // No choice kept: the Greek catalogue.
    return kGreekCatalogue;
}

void RememberCatalogue(const std::string& user_folder, const std::string& catalogue_file,
                       WriteFaults* faults) {
    RememberSetting(user_folder, kLanguageChoiceFile, catalogue_file, faults);
}

}  // namespace orvanta
