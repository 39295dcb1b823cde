#pragma once

// Which catalogue the program opens: the user's last choice, kept in a small
// text file in the user folder (beside the program when it is portable), or
// the Greek catalogue when there is none.

#include <string>

namespace orvanta {

class WriteFaults;

inline constexpr const char* kLanguageChoiceFile = "Orvanta.lang";

// The file name of the catalogue to open (kGreekCatalogue or
// kEnglishCatalogue); anything unreadable or unknown counts as no choice.
std::string RememberedCatalogue(const std::string& user_folder);

// Keeps the choice for the next start, making the user folder first when it is
// not there yet. Throws OperationError when the file cannot be written; the
// one there before stays whole.
void RememberCatalogue(const std::string& user_folder, const std::string& catalogue_file,
                       WriteFaults* faults);

}  // namespace orvanta
