#include "core/live/record_folder.h"

#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"

namespace orvanta {

namespace fs = std::filesystem;

namespace {

std::string FoldCase(const std::string& name) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    text.foldCase(U_FOLD_CASE_DEFAULT);
    std::string folded;
    text.toUTF8String(folded);
    return folded;
}

[[noreturn]] void FailWith(const std::error_code& ec, FileAction action) {
    throw OperationError(FileErrorText(ec ? ec.value() : EIO, action));
}

}  // namespace

std::string RecordFolderPath(const std::string& user_folder) {
    return JoinPath(user_folder, kRecordFolderName) + "/";
}

void EnsureRecordFolder(const std::string& folder) {
    if (FolderExists(folder)) {
        return;
    }
    // In a fresh home the user folder that holds it is missing too.
    std::string holder = folder;
    while (!holder.empty() && (holder.back() == '/' || holder.back() == '\\')) {
        holder.pop_back();
    }
    EnsureUserFolder(FolderOf(holder));
    std::error_code ec;
    fs::create_directory(fs::u8path(folder), ec);
    if (!FolderExists(folder)) {
        FailWith(ec ? ec : std::make_error_code(std::errc::file_exists), FileAction::kCreate);
    }
}

std::vector<std::string> ListRecordFiles(const std::string& folder) {
    std::error_code ec;
    fs::directory_iterator it(fs::u8path(folder), ec);
    if (ec) {
        FailWith(ec, FileAction::kRead);
    }
    std::vector<std::pair<std::string, std::string>> keyed;  // (folded, name)
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) {
            FailWith(ec, FileAction::kRead);
        }
        std::string name = it->path().filename().u8string();
        if (name.empty() || name.front() == '.') {
            continue;
        }
        // A type lookup, not an open: pipes and devices stay out of the list,
        // since opening one to load it would block.
        std::error_code type_ec;
        if (!it->is_regular_file(type_ec)) {
            continue;
        }
        std::string folded = FoldCase(name);
        keyed.emplace_back(std::move(folded), std::move(name));
    }
    if (ec) {
        FailWith(ec, FileAction::kRead);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& entry : keyed) {
        names.push_back(std::move(entry.second));
    }
    return names;
}

bool CreateEmptyRecord(const std::string& path) {
    errno = 0;
    // "x": the create fails when anything of that name exists, so an existing
    // record is never emptied, whatever happens between a check and the open.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) {
        if (errno == EEXIST) {
            return false;
        }
        throw OperationError(FileErrorText(errno ? errno : EIO, FileAction::kCreate));
    }
    if (std::fclose(file) != 0) {
        const int error = errno ? errno : EIO;
        std::remove(path.c_str());
        throw OperationError(FileErrorText(error, FileAction::kCreate));
    }
    return true;
}

}  // namespace orvanta
