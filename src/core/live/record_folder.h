#pragma once

// The folder "LiveGameRecords" in the user folder (beside the program when it
// is portable), which holds one record per game, and the file work on it. Listing looks at names
// and file types only, never at contents, so a folder of foreign or huge files lists as fast as one
// of records.

#include <string>
#include <vector>

namespace orvanta {

inline constexpr const char* kRecordFolderName = "LiveGameRecords";

// The folder's path with its trailing separator.
std::string RecordFolderPath(const std::string& user_folder);

// Creates the folder (one level) when it is missing, and the user folder that
// holds it when that is missing too (a fresh home). Throws OperationError when
// it is not there afterwards.
void EnsureRecordFolder(const std::string& folder);

// The names of the folder's files (sub-folders, hidden files and anything but
// a plain file left out), sorted without regard to case, the exact bytes only
// breaking a tie. Throws OperationError when the folder cannot be read.
std::vector<std::string> ListRecordFiles(const std::string& folder);

// Creates an empty file, never touching one that is already there. False when
// something of that name exists; OperationError for any other failure.
bool CreateEmptyRecord(const std::string& path);

}  // namespace orvanta
