#include "core/base/paths.h"

#include <filesystem>
#include <system_error>

namespace orvanta {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool EndsWithExe(const std::string& name) {
    if (name.size() < 4) {
        return false;
    }
    const std::string tail = name.substr(name.size() - 4);
    return tail[0] == '.' && (tail[1] == 'e' || tail[1] == 'E') &&
           (tail[2] == 'x' || tail[2] == 'X') && (tail[3] == 'e' || tail[3] == 'E');
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    const auto pos = path.find_last_of("/\\");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string FolderOf(const std::string& path) {
    const auto pos = path.find_last_of("/\\");
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string ProgramBaseName(const std::string& program_file) {
    std::string name = FileNameOf(program_file);
    if (EndsWithExe(name)) {
        name.resize(name.size() - 4);
    }
    return name;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (IsSeparator(folder.back())) {
        return folder + name;
    }
    return folder + "/" + name;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::u8path(path), ec);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::u8path(path), ec);
}

bool CreateFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directory(fs::u8path(path), ec);
    return FolderExists(path);
}

long long FileSizeOf(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(fs::u8path(path), ec);
    return ec ? -1 : static_cast<long long>(size);
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(fs::u8path(path), ec) && !ec;
}

}  // namespace orvanta
