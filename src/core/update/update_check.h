#pragma once

// The program keeps itself current. Once per start the window runs an UpdateCheck:
// it downloads the vendor's update list into updates/FilesToDownload.txt, compares every
// entry with the file of that name beside the program (version when the entry has one,
// size otherwise), and then either offers the update, whose Yes hands over to the separate
// update program (StartUpdateProgram), or, on the machine where a newer build than the
// list was just made, offers release staging instead. The menu's manual update only
// starts the update program. None of these close the window themselves: they answer
// whether it should close, and the window does it. An installed program belongs to the
// system's package manager: there the check does nothing and the manual update only
// says so.

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/base/services.h"
#include "core/i18n/catalogue.h"

namespace orvanta {

inline constexpr const char* kUpdatesFolder = "updates";
// The menu path starts the update program by this fixed name, whatever the program's own.
inline constexpr const char* kManualUpdaterName = "Orvanta_UpDate.exe";
// The two messages as they read without a catalogue.
inline constexpr const char* kNoConnectionText = "Δεν υπάρχει σύνδεση internet!";
inline constexpr const char* kUpdaterMissingText =
    "Προβλημα στο προγραμμα .Προσοχη...Orvanta_UpDate...επικοινωνηστε μαζι μας ";
inline constexpr CatalogueText kNoConnection{"Message", "NoInternet", kNoConnectionText};
inline constexpr CatalogueText kUpdaterMissing{"Message", "UpdaterMissing", kUpdaterMissingText};
inline constexpr CatalogueText kAskToUpdate{"Message", "DoYouWantUpdates", "Do You Want Updates"};
inline constexpr CatalogueText kUpdatesFromPackageManager{
    "Message", "UpdatesFromPackageManager",
    "Orvanta was installed by the system's package manager; updates come with it."};

// Where the server keeps the update list: under "http://" + the vendor's web server +
// "/Software/" + base name.
std::string UpdateListUrl(const std::string& program_base_name);
// base + "_UpDate.exe": the update program of the automatic path, beside the program and,
// when the update program left a newer copy of itself, in the updates folder.
std::string UpdaterName(const std::string& program_base_name);

// One automatic check; make a fresh one for each check. It runs while the
// window answers the user: Start asks whether there is a connection and starts
// the list's download; when the list has come, it is kept and compared with the
// program folder on a thread of its own; then, back on the window's thread, the
// release is staged or the update offered. Each step that fails ends the check
// with the general error report, as a window's event handler does.
class UpdateCheck {
public:
    // `finished` is called once, when the check has run its course, with true
    // when the update program was started and the main window is to close. It
    // is not called for a check dropped before its end.
    UpdateCheck(Services& services, const Catalogue& catalogue,
                std::function<void(bool close_window)> finished);
    // Ends a download or a comparison under way at once.
    ~UpdateCheck();
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // In the installed layout the check ends at once, having done nothing.
    void Start();

    // How the file `name` beside the program compares with its list entry. A listed
    // version is compared with the file's FileVersion; without a version the sizes are
    // compared, and a file is never newer by its size. A file that is not there is
    // outdated. Throws OperationError for a version or size that is no number, a file
    // that cannot be measured, and a name with a folder in it.
    enum class Listed { kCurrent, kOutdated, kLocalNewer };
    Listed CompareWithEntry(const std::string& name, const std::string& version,
                            const std::string& size);

private:
    // What the check learns of a local file, kept for the check's length: a list may
    // name the same file a hundred thousand times, or a million files that are not
    // there.
    struct LocalFile {
        bool exists = false;
        long long size = -1;
        bool version_read = false;
        std::string version;
    };

    void ListArrived(std::optional<std::string> body);
    // Keeps the list and reads it, on the comparison's thread.
    void CompareList(const std::string& body, const std::atomic<bool>& stop);
    void Compared();
    void Finish(bool close_window);
    void ReadEntry(std::string_view line, bool whole);
    LocalFile& Local(const std::string& name);
    // The program folder's files, by name; false when it cannot be listed.
    bool ListProgramFolder();

    Services& m_services;
    const Catalogue& m_catalogue;
    std::function<void(bool)> m_finished;
    std::string m_program_folder;
    std::string m_list_path;
    std::unique_ptr<Platform::Job> m_download;
    std::unique_ptr<Platform::Job> m_comparison;
    // Set by the comparison's thread, read on the window's once it has ended.
    bool m_kept = false;
    bool m_updates_found = false;
    bool m_local_newer = false;
    std::exception_ptr m_failure;
    bool m_folder_listed = false;
    bool m_folder_readable = false;
    std::unordered_map<std::string, LocalFile> m_local;
    LocalFile m_absent;
    LocalFile m_uncached;
};

// Swaps in a staged update program when its size matches the list's entry for it (and
// deletes it when not), then starts the update program. The main window closes after it
// whatever happened, so it reports its own failure through the general error report
// (the update program is then not started) instead of throwing.
void StartUpdateProgram(Services& services);

// The menu's manual update: starts the update program of the fixed name. True when the
// main window is to close, which is only once the update program has started: when it is
// missing or does not start, that is said and the program goes on with nothing lost. An
// installed program only says that its updates come with the package manager.
bool StartManualUpdate(Services& services, const Catalogue& catalogue);

}  // namespace orvanta
