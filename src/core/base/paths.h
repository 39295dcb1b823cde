#pragma once

// Names of files and folders. Every path the program uses is a folder the
// platform hands out (the program folder, the data folder or the user folder,
// with its trailing separator) followed by a relative name.

#include <string>

namespace orvanta {

// The program file's name without its folder and without a trailing ".exe":
// "Orvanta" for /opt/orvanta/Orvanta and for C:\Orvanta\Orvanta.exe.
std::string ProgramBaseName(const std::string& program_file);

// The name after the last "/" or "\".
std::string FileNameOf(const std::string& path);

// The folder part of a path, with its trailing separator ("" when none).
std::string FolderOf(const std::string& path);

// folder + name, with exactly one separator between them.
std::string JoinPath(const std::string& folder, const std::string& name);

bool FileExists(const std::string& path);    // a regular file
bool FolderExists(const std::string& path);  // a directory
// One level; true when the folder exists afterwards.
bool CreateFolder(const std::string& path);
// -1 when the file cannot be measured.
long long FileSizeOf(const std::string& path);
bool DeleteFile(const std::string& path);

}  // namespace orvanta
