#pragma once

// What the core needs from the outside world, injected as one Services object:
// the prompter (message boxes and file dialogs), the platform (program file,
// where the program's and the user's files lie, clock, desktop, network), the user's decimal
// separator, and the seam through which tests make file writes fail. The windows pass Qt
// implementations; tests pass scripted doubles. The core never reaches the platform any other way.

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/program_layout.h"

namespace orvanta {

struct FileDialogOptions {
    std::string title;
    // "Description|*.ext", one entry.
    std::string filter;
    // Extension without the dot, added to a name typed without one.
    std::string default_extension;
    // Empty: wherever the system starts the dialog.
    std::string initial_folder;
    // The accept button's caption; empty: the dialog's own ("Open", "Save").
    std::string accept_label;
};

// The button of a question that Enter presses.
enum class DefaultAnswer { kYes, kNo };

class Prompter {
public:
    virtual ~Prompter() = default;

    // A plain box: the application's title, no icon, one OK.
    virtual void ShowMessage(const std::string& text) = 0;
    // A warning box with Yes and No; true only for Yes. A question whose Yes
    // throws away the user's work starts on No, so that Enter keeps it.
    virtual bool AskYesNo(const std::string& text, DefaultAnswer default_answer) = 0;
    // A confirmation with OK and Ignore; true only for OK.
    virtual bool AskOkIgnore(const std::string& text) = 0;
    // The general error report, given the failure's own text.
    virtual void ShowError(const std::string& text) = 0;

    virtual std::optional<std::string> AskSaveFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> AskOpenFile(const FileDialogOptions& options) = 0;
    // In the order the dialog lists them; empty when cancelled.
    virtual std::vector<std::string> AskOpenFiles(const FileDialogOptions& options) = 0;
};

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Full path of the running program file.
    virtual std::string ProgramFile() const = 0;
    // The folder of the program file, with its trailing separator.
    virtual std::string ProgramFolder() const = 0;
    // Where the program reads its own files and writes the user's. A platform
    // that says nothing else keeps everything beside the program.
    virtual ProgramLayout Layout() const { return PortableLayout(ProgramFolder()); }
    // The catalogues and help pages, with the trailing separator.
    std::string DataFolder() const { return Layout().data_folder; }
    // The folder of everything written for the user (language choice, live
    // game records, parlay sheets), with the trailing separator. Writers call
    // EnsureUserFolder before the first file goes in.
    std::string UserFolder() const { return Layout().user_folder; }
    // Installed by a package, which alone replaces the program's files.
    bool IsInstalled() const { return Layout().kind == LayoutKind::kInstalled; }
    virtual LocalDateTime Now() const = 0;

    // Hands a URL (http:, mailto:) to the desktop; false when nothing took it.
    virtual bool OpenUrl(const std::string& url) = 0;
    // Starts a program detached, without arguments; false when it did not start.
    virtual bool StartProgram(const std::string& path) = 0;

    virtual bool IsInternetConnected() = 0;

    // Work that goes on while the window answers the user. Dropping the handle
    // ends the work at once (waiting, at most, for a step that cannot be cut
    // short), and its completion is then never called.
    class Job {
    public:
        virtual ~Job() = default;
    };

    // An HTTP GET (http and https only): `done` gets the whole body, or nothing
    // on any failure, once, on the window's thread.
    virtual std::unique_ptr<Job> StartDownload(
        const std::string& url, std::function<void(std::optional<std::string> body)> done) = 0;

    // `work` runs on a thread of its own and must touch nothing but what it was
    // given, and give up soon once `stop` turns true; `then` runs afterwards on
    // the window's thread.
    virtual std::unique_ptr<Job> RunAside(std::function<void(const std::atomic<bool>& stop)> work,
                                          std::function<void()> then) = 0;
};

// For platforms with no event loop (the command line, tests): a download or a
// piece of work that is over by the time it is handed back.
inline std::unique_ptr<Platform::Job> AnsweredAtOnce(
    std::optional<std::string> body, const std::function<void(std::optional<std::string>)>& done) {
    done(std::move(body));
    return std::make_unique<Platform::Job>();
}
inline std::unique_ptr<Platform::Job> DoneAtOnce(
    const std::function<void(const std::atomic<bool>& stop)>& work,
    const std::function<void()>& then) {
    const std::atomic<bool> stop{false};
    work(stop);
    then();
    return std::make_unique<Platform::Job>();
}

class WriteFaults;

struct Services {
    Prompter& prompter;
    Platform& platform;
    // The decimal mark of the regional settings ("." when they give none);
    // the windows update it when the settings change.
    char separator = '.';
    // Every file the program writes goes through WriteFileReplacing with this:
    // nothing in the program, a fault plan in the tests.
    WriteFaults* write_faults = nullptr;
};

}  // namespace orvanta
