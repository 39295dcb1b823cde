#include "core/i18n/language_choice.h"

#include "core/grid/file_io.h"
#include "core/grid/operation_error.h"
#include "core/grid/paths.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

std::string RememberedCatalogue(const std::string& program_folder) {
    try {
        std::string choice = ReadFileBytes(JoinPath(program_folder, kLanguageChoiceFile), 256);
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

void RememberCatalogue(const std::string& program_folder, const std::string& catalogue_file,
                       WriteFaults* faults) {
    WriteFileReplacing(JoinPath(program_folder, kLanguageChoiceFile), catalogue_file + "\n",
                       faults);
}

}  // namespace orvanta
