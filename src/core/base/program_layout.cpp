#include "core/base/program_layout.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/base/operation_error.h"
#include "core/base/paths.h"

namespace orvanta {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(const std::string& folder) {
    return !folder.empty() && folder.back() != '/' && folder.back() != '\\' ? folder + "/" : folder;
}

bool IsAbsolute(const char* path) {
    return path && path[0] == '/';
}

[[noreturn]] void CannotCreate(const std::string& folder, const std::error_code& ec) {
    throw OperationError("Cannot create the folder " + folder + " for your files: " +
                         (ec ? ec : std::make_error_code(std::errc::file_exists)).message());
}

}  // namespace

ProgramLayout PortableLayout(const std::string& program_folder) {
    return {LayoutKind::kPortable, program_folder, program_folder};
}

ProgramLayout ChooseProgramLayout(const std::string& program_file,
                                  const std::function<bool(const std::string&)>& file_exists,
                                  const std::string& data_home) {
    const std::string program_folder = FolderOf(program_file);
    // A program that cannot tell where it is keeps to the folder it runs in, as
    // it always has.
    if (program_folder.empty()) {
        return PortableLayout(program_folder);
    }
    for (const char* marker : kPortableMarkers) {
        if (file_exists(JoinPath(program_folder, marker))) {
            return PortableLayout(program_folder);
        }
    }
    ProgramLayout installed;
    installed.kind = LayoutKind::kInstalled;
    installed.data_folder = WithSeparator(
        (fs::u8path(program_folder) / kInstalledDataFromProgram).lexically_normal().u8string());
    if (!data_home.empty()) {
        installed.user_folder = WithSeparator(JoinPath(data_home, kUserFolderName));
    }
    return installed;
}

std::string DataHomeFrom(const char* xdg_data_home, const char* home) {
    // A relative path would put the user's files wherever the program was started.
    if (IsAbsolute(xdg_data_home)) {
        return xdg_data_home;
    }
    if (IsAbsolute(home)) {
        return JoinPath(home, ".local/share");
    }
    return std::string();
}

void EnsureUserFolder(const std::string& user_folder) {
    if (user_folder.empty()) {
        throw OperationError(
            "There is no folder for your files: neither XDG_DATA_HOME nor HOME names one");
    }
    if (FolderExists(user_folder)) {
        return;
    }
    // A fresh home may lack .local/share as well; every level made here is the
    // user's alone, as the data home's rules ask.
    fs::path folder = fs::u8path(user_folder).lexically_normal();
    if (folder.filename().empty()) {
        folder = folder.parent_path();
    }
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path level = folder; !level.empty() && !fs::exists(level, ec);
         level = level.parent_path()) {
        missing.push_back(level);
        if (level == level.parent_path()) {
            break;
        }
    }
    for (auto level = missing.rbegin(); level != missing.rend(); ++level) {
        fs::create_directory(*level, ec);
        if (ec) {
            CannotCreate(user_folder, ec);
        }
        fs::permissions(*level, fs::perms::owner_all, ec);
    }
    if (!FolderExists(user_folder)) {
        CannotCreate(user_folder, ec);
    }
}

}  // namespace orvanta
