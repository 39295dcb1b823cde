#pragma once

// Which catalogue the program opens: the user's last choice, kept in a small
// text file beside the program, or the Greek catalogue when there is none.

#include <string>

namespace orvanta {

class WriteFaults;

inline constexpr const char* kLanguageChoiceFile = "Orvanta.lang";

// The file name of the catalogue to open (kGreekCatalogue or
// kEnglishCatalogue); anything unreadable or unknown counts as no choice.
std::string RememberedCatalogue(const std::string& program_folder);

// Keeps the choice for the next start. Throws OperationError when the file
// cannot be written; the one there before stays whole.
void RememberCatalogue(const std::string& program_folder, const std::string& catalogue_file,
                       WriteFaults* faults);

}  // namespace orvanta
