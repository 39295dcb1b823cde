#pragma once

// Where the program's files lie. A program folder that holds the catalogues is
// portable: everything is read and written beside the program, as a folder
// copied anywhere expects. Anywhere else the program was installed by a
// package: its own files are read from the data folder the package put beside
// bin/, and what it writes for the user goes into the user's data home, never
// under the installation prefix (the package manager owns that, also when the
// program runs as root).

#include <functional>
#include <string>

namespace orvanta {

enum class LayoutKind { kPortable, kInstalled };

struct ProgramLayout {
    LayoutKind kind = LayoutKind::kPortable;
    // Catalogues and help pages, with the trailing separator.
    std::string data_folder;
    // The language choice, live game records and parlay sheets, with the
    // trailing separator; empty when the user has no home to write in.
    std::string user_folder;
};

// The files whose presence beside the program makes it portable: the catalogues.
inline constexpr const char* kPortableMarkers[] = {"Orvanta_GR.ini", "Orvanta_EN.ini"};
// The installed program's own files, relative to the program's folder.
inline constexpr const char* kInstalledDataFromProgram = "../share/orvanta";
// The user's files, inside the data home.
inline constexpr const char* kUserFolderName = "orvanta";

// Everything beside the program.
ProgramLayout PortableLayout(const std::string& program_folder);

// Portable when `file_exists` finds a catalogue beside `program_file`;
// installed otherwise, with the user folder under `data_home` (see
// DataHomeFrom). Nothing is looked at but through `file_exists`.
ProgramLayout ChooseProgramLayout(const std::string& program_file,
                                  const std::function<bool(const std::string&)>& file_exists,
                                  const std::string& data_home);

// The user's data home from the environment: XDG_DATA_HOME when it is an
// absolute path, else HOME + "/.local/share"; empty when neither is usable.
// Null stands for an unset variable.
std::string DataHomeFrom(const char* xdg_data_home, const char* home);

// Makes sure the user folder is there before the first file goes into it,
// creating each missing level for the user alone. Throws OperationError naming
// the folder when it cannot be made (or there is no folder to make).
void EnsureUserFolder(const std::string& user_folder);

}  // namespace orvanta
