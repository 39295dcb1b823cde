#pragma once

// A setting the user chose, kept for the next start as one line in a small
// text file of the user folder: the language, the margin method, the
// exchange's commission. None of them belongs to a sheet or a game record.

#include <optional>
#include <string>

namespace orvanta {

class WriteFaults;

// The line kept in `file_name`, without its line break and trailing blanks;
// nothing when there is no such file or it cannot be read. Reads at most
// `max_bytes`, so a stray large file is never taken in whole.
std::optional<std::string> RememberedSetting(const std::string& user_folder, const char* file_name,
                                             std::size_t max_bytes);

// Keeps `value` for the next start, making the user folder first when it is not
// there yet. Throws OperationError when the file cannot be written; the one
// there before stays whole.
void RememberSetting(const std::string& user_folder, const char* file_name,
                     const std::string& value, WriteFaults* faults);

}  // namespace orvanta
