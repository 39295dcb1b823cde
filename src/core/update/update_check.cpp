#include "core/update/update_check.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/base/file_io.h"
#include "core/base/handler_guard.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/update/release_staging.h"
#include "core/update/update_list.h"
#include "core/update/vendor.h"
#include "core/update/version_info.h"

namespace orvanta {

namespace {

namespace fs = std::filesystem;

std::string BaseNameOf(const Platform& platform) {
    return ProgramBaseName(platform.ProgramFile());
}

std::string UpdatesFolderOf(const Platform& platform) {
    return JoinPath(platform.ProgramFolder(), kUpdatesFolder);
}

std::optional<fs::perms> PermissionsOf(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(fs::u8path(path), ec);
    return ec || !fs::is_regular_file(status) ? std::nullopt
                                              : std::optional<fs::perms>(status.permissions());
}

// Swaps in or throws away the staged update program, by the size its list entry gives.
void TakeStagedUpdater(const Platform& platform, WriteFaults* faults) {
    const std::string updater = UpdaterName(BaseNameOf(platform));
    const std::string updates = UpdatesFolderOf(platform);
    const std::string staged = JoinPath(updates, updater);
    if (!FileExists(staged)) {
        return;
    }
    bool handled = false;
    ReadListLines(JoinPath(updates, kUpdateListName), [&](std::string_view text, bool whole) {
        if (handled) {
            return;
        }
        const UpdateListEntry entry = SplitUpdateListLine(text);
        if (entry.name != updater) {
            return;
        }
        if (!whole) {
            throw OperationError("'" + entry.name + "' has no valid size in the update list");
        }
        handled = true;
        if (ListSizeToNumber(entry.size) != FileSizeOf(staged)) {
            DeleteFile(staged);  // incomplete or not ours
            return;
        }
        // The old update program stays until the new one is completely in its place.
        const std::string target = JoinPath(platform.ProgramFolder(), updater);
        // The copy is a new file, made without the execute permission a program needs: it
        // takes the permissions of the update program it replaces (known to start), or
        // else the staged one's.
        std::optional<fs::perms> permissions = PermissionsOf(target);
        if (!permissions) {
            permissions = PermissionsOf(staged);
        }
        try {
            CopyFileReplacing(staged, target, faults);
        } catch (const OperationError&) {
            return;  // the old update program still works; try again next time
        }
        if (permissions) {
            std::error_code ec;
            fs::permissions(fs::u8path(target), *permissions, ec);
        }
        DeleteFile(staged);
    });
}

}  // namespace

std::string UpdateListUrl(const std::string& program_base_name) {
    return std::string("http://") + vendor::kWebServer + "/Software/" + program_base_name +
           "/download/" + kUpdateListName;
}

std::string UpdaterName(const std::string& program_base_name) {
    return program_base_name + "_UpDate.exe";
}

UpdateCheck::UpdateCheck(Services& services, const Catalogue& catalogue,
                         std::function<void(bool)> finished)
    : m_services(services),
      m_catalogue(catalogue),
      m_finished(std::move(finished)),
      // Taken here: the comparison's thread must not ask the platform.
      m_program_folder(services.platform.ProgramFolder()) {}

UpdateCheck::~UpdateCheck() {
    // The comparison's thread may still be reading this object's maps.
    m_comparison.reset();
    m_download.reset();
}

void UpdateCheck::Start() {
    bool started = false;
    RunGuarded(m_services.prompter, [&] {
        Platform& platform = m_services.platform;
        // The package manager owns an installed program's folder: no list is
        // kept there, nothing staged, no update program started.
        if (platform.IsInstalled()) {
            return;
        }
        if (!platform.IsInternetConnected()) {
            m_services.prompter.ShowMessage(m_catalogue.Read(kNoConnection));
            return;
        }
        const std::string updates = UpdatesFolderOf(platform);
        if (!FolderExists(updates)) {
            CreateFolder(updates);
        }
        m_list_path = JoinPath(updates, kUpdateListName);
        // No internet cache to clear here: the download always goes to the server.
        started = true;
        m_download = platform.StartDownload(
            UpdateListUrl(BaseNameOf(platform)),
            [this](std::optional<std::string> body) { ListArrived(std::move(body)); });
    });
    if (!started) {
        Finish(false);
    }
}

void UpdateCheck::ListArrived(std::optional<std::string> body) {
    // A failed download says nothing; the old list stays whole.
    if (!body) {
        Finish(false);
        return;
    }
    auto list = std::make_shared<std::string>(std::move(*body));
    m_comparison = m_services.platform.RunAside(
        [this, list](const std::atomic<bool>& stop) {
            try {
                CompareList(*list, stop);
            } catch (...) {
                m_failure = std::current_exception();
            }
        },
        [this] { Compared(); });
}

void UpdateCheck::CompareList(const std::string& body, const std::atomic<bool>& stop) {
    // A list that cannot be kept (a program folder the user may not write to)
    // ends the check as quietly as a failed download; the old list stays whole.
    try {
        WriteFileReplacing(m_list_path, body, m_services.write_faults);
    } catch (const OperationError&) {
        return;
    }
    m_kept = true;
    ReadListLines(m_list_path, [this, &stop](std::string_view text, bool whole) {
        if (stop) {
            // Nobody waits for the answer any more: the window has gone.
            throw OperationError("The update check was ended");
        }
        ReadEntry(text, whole);
    });
}

void UpdateCheck::Compared() {
    bool close_window = false;
    RunGuarded(m_services.prompter, [&] {
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
        if (!m_kept) {
            return;
        }
        if (m_local_newer) {
            StageRelease(m_services, m_catalogue);
            return;
        }
        if (!m_updates_found ||
            !m_services.prompter.AskYesNo(m_catalogue.Read(kAskToUpdate), DefaultAnswer::kYes)) {
            return;
        }
        close_window = true;
        StartUpdateProgram(m_services);
    });
    Finish(close_window);
}

void UpdateCheck::Finish(bool close_window) {
    if (m_finished) {
        // Once only; the window may drop the check from inside the call.
        auto finished = std::move(m_finished);
        m_finished = nullptr;
        finished(close_window);
    }
}

void UpdateCheck::ReadEntry(std::string_view line, bool whole) {
    if (!whole) {
        return;  // cut short: what is left of it would be read wrong
    }
    const std::string bare = RemoveBlanks(line);
    if (bare.empty()) {
        return;
    }
    const UpdateListEntry entry = SplitUpdateListLine(bare);
    try {
        switch (CompareWithEntry(entry.name, entry.version, entry.size)) {
            case Listed::kOutdated:
                m_updates_found = true;
                break;
            case Listed::kLocalNewer:
                m_local_newer = true;
                break;
            case Listed::kCurrent:
                break;
        }
    } catch (const OperationError&) {
        // A bad entry is no update and no newer file; the others still count.
    }
}

UpdateCheck::Listed UpdateCheck::CompareWithEntry(const std::string& name,
                                                  const std::string& version,
                                                  const std::string& size) {
    // Release files lie in the program folder itself; a path is no entry of ours, and
    // must not send the check looking around the disk.
    if (name.find_first_of("/\\") != std::string::npos) {
        throw OperationError("'" + name + "' is not a file of the program folder");
    }
    LocalFile& local = Local(name);
    if (!local.exists) {
        return Listed::kOutdated;
    }
    if (!version.empty()) {
        if (!local.version_read) {
            local.version = ReadVersionInfo(JoinPath(m_program_folder, name)).file_version;
            local.version_read = true;
        }
        const std::int32_t local_number = VersionToNumber(local.version);
        const std::int32_t listed_number = VersionToNumber(version);
        if (local_number > listed_number) {
            return Listed::kLocalNewer;
        }
        return local_number < listed_number ? Listed::kOutdated : Listed::kCurrent;
    }
    const long long listed_size = ListSizeToNumber(size);
    if (local.size < 0) {
        throw OperationError(FileErrorText(EIO));
    }
    return listed_size != local.size ? Listed::kOutdated : Listed::kCurrent;
}

UpdateCheck::LocalFile& UpdateCheck::Local(const std::string& name) {
    // The folder is listed once: a list may name a million files that are not
    // there, and each would otherwise cost a look at the disk.
    if (!m_folder_listed) {
        m_folder_listed = true;
        m_folder_readable = ListProgramFolder();
    }
    if (m_folder_readable) {
        const auto known = m_local.find(name);
        return known != m_local.end() ? known->second : m_absent;
    }
    // An unlistable folder is looked at name by name.
    const std::string path = JoinPath(m_program_folder, name);
    m_uncached = LocalFile();
    m_uncached.exists = FileExists(path);
    m_uncached.size = m_uncached.exists ? FileSizeOf(path) : -1;
    return m_uncached;
}

bool UpdateCheck::ListProgramFolder() {
    std::error_code error;
    fs::directory_iterator entry(fs::u8path(m_program_folder), error);
    if (error) {
        return false;
    }
    for (; entry != fs::directory_iterator(); entry.increment(error)) {
        if (error) {
            m_local.clear();
            return false;
        }
        std::error_code file_error;
        if (!entry->is_regular_file(file_error) || file_error) {
            continue;
        }
        LocalFile local;
        local.exists = true;
        const std::uintmax_t size = entry->file_size(file_error);
        local.size = file_error ? -1 : static_cast<long long>(size);
        m_local.emplace(entry->path().filename().u8string(), std::move(local));
    }
    return true;
}

void StartUpdateProgram(Services& services) {
    Platform& platform = services.platform;
    try {
        TakeStagedUpdater(platform, services.write_faults);
    } catch (const OperationError& error) {
        services.prompter.ShowError(error.what());
        return;
    }
    platform.StartProgram(JoinPath(platform.ProgramFolder(), UpdaterName(BaseNameOf(platform))));
}

bool StartManualUpdate(Services& services, const Catalogue& catalogue) {
    Platform& platform = services.platform;
    if (platform.IsInstalled()) {
        services.prompter.ShowMessage(catalogue.Read(kUpdatesFromPackageManager));
        return false;
    }
    if (!platform.IsInternetConnected()) {
        services.prompter.ShowMessage(catalogue.Read(kNoConnection));
        return false;
    }
    const std::string updater = JoinPath(platform.ProgramFolder(), kManualUpdaterName);
    // Closing without an update program to take over would only lose the
    // pages the user has not saved.
    if (!FileExists(updater) || !platform.StartProgram(updater)) {
        services.prompter.ShowMessage(catalogue.Read(kUpdaterMissing));
        return false;
    }
    return true;
}

}  // namespace orvanta
