#pragma once

// The folder "LiveGameRecords" beside the program, which holds one record per
// game, and the file work on it. Listing looks at names and file types only,
// never at contents, so a folder of foreign or huge files lists as fast as one
// of records.

#include <string>
#include <vector>

namespace orvanta {

inline constexpr const char* kRecordFolderName = "LiveGameRecords";

// The folder's path with its trailing separator.
std::string RecordFolderPath(const std::string& program_folder);

// Creates the folder (one level) when it is missing. Throws OperationError in
// the platform's wording when it is not there afterwards.
void EnsureRecordFolder(const std::string& folder);

// The names of the folder's files (sub-folders, hidden files and anything but
// a plain file left out), sorted without regard to case, the exact bytes only
// breaking a tie. Throws OperationError when the folder cannot be read.
std::vector<std::string> ListRecordFiles(const std::string& folder);

// Creates an empty file, never touching one that is already there. False when
// something of that name exists; OperationError for any other failure.
bool CreateEmptyRecord(const std::string& path);

}  // namespace orvanta
