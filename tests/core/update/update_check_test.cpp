#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/failing_disk.h"
#include "common/http_fetch.h"
#include "common/http_test_server.h"
#include "common/pe_fixture.h"
#include "common/time_limits.h"
#include "common/update_run.h"
#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/update/release_staging.h"
#include "core/update/update_check.h"
#include "core/update/update_list.h"
#include "core/update/vendor.h"

namespace orvanta {
namespace {

using testing::BuildVersionedPe;
using testing::CoreScene;
using testing::HttpReply;
using testing::HttpTestServer;

using Strings = std::vector<std::string>;

constexpr const char* kListPath = "/Software/Orvanta/download/FilesToDownload.txt";
constexpr const char* kLocalList = "updates/FilesToDownload.txt";
constexpr const char* kStagedUpdater = "updates/Orvanta_UpDate.exe";
constexpr const char* kQuestion = "Do You Want Updates";

// An optimised build reads a huge list within a second; the sanitizers are allowed more.
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr std::chrono::seconds kReadingTime{10};
#else
constexpr std::chrono::seconds kReadingTime{1};
#endif

// A program folder holding a release, a server on 127.0.0.1 standing in for the
// vendor's, and a platform whose downloads go there for real.
struct UpdateScene : CoreScene {
    UpdateScene() {
        folder.Write("Orvanta", BuildVersionedPe("2.3.2.55"));
        folder.Write("Orvanta_EN.ini", "[FrmMain]\r\nCaption=Orvanta\r\n");
        folder.Write("Orvanta_GR.ini", "[FrmMain]\r\nCaption=Ορβάντα\r\n");
        folder.Write("Orvanta_ENHelp.htm", "<html>help</html>");
        folder.Write("Orvanta_GRHelp.htm", "<html>βοήθεια</html>");
        folder.Write("Orvanta_UpDate.exe", BuildVersionedPe("1.0.0.7"));
        limits.connect_timeout = std::chrono::milliseconds(500);
        limits.total_timeout = std::chrono::milliseconds(500);
        platform.download = [this](const std::string& url) {
            return testing::FetchNow(server.Redirect(url), limits);
        };
    }

    long long SizeOf(const std::string& name) const {
        return static_cast<long long>(folder.Read(name).size());
    }

    // The list of the release as it lies in the folder: nothing to update.
    std::string MatchingList() const {
        return FormatListLine("Orvanta", "2.3.2.55", SizeOf("Orvanta")) +
               FormatListLine("Orvanta_EN.ini", "", SizeOf("Orvanta_EN.ini")) +
               FormatListLine("Orvanta_GR.ini", "", SizeOf("Orvanta_GR.ini")) +
               FormatListLine("Orvanta_ENHelp.htm", "", SizeOf("Orvanta_ENHelp.htm")) +
               FormatListLine("Orvanta_GRHelp.htm", "", SizeOf("Orvanta_GRHelp.htm")) +
               FormatListLine("Orvanta_UpDate.exe", "1.0.0.7", SizeOf("Orvanta_UpDate.exe"));
    }

    void ServeList(const std::string& list) { server.Serve(kListPath, list); }

    bool Check() { return testing::RunUpdateCheck(services, catalogue); }

    std::string Updater() const { return folder / "Orvanta_UpDate.exe"; }

    HttpTestServer server;
    DownloadLimits limits;
    Catalogue catalogue;
};

using Listed = UpdateCheck::Listed;

TEST(CompareWithEntry, ComparesVersionsOrElseSizes) {
    UpdateScene scene;
    scene.folder.Write("Legacy.exe", BuildVersionedPe("2.3.0.0"));
    const std::string en = std::to_string(scene.SizeOf("Orvanta_EN.ini"));
    const std::string en_more = std::to_string(scene.SizeOf("Orvanta_EN.ini") + 1);
    const std::string en_less = std::to_string(scene.SizeOf("Orvanta_EN.ini") - 1);
    struct Case {
        std::string name, version, size;
        Listed listed;
    } cases[] = {
        // clang-format off
        {"Absent.ini",     "",         "12",         Listed::kOutdated},
        {"Absent.exe",     "1.0.0.0",  "",           Listed::kOutdated},
        // No name: the folder itself is no file.
        {"",               "",         "5",          Listed::kOutdated},
        {"Orvanta",        "2.3.2.56", "",           Listed::kOutdated},
        {"Orvanta",        "2.3.3.0",  "1",          Listed::kOutdated},
        {"Orvanta",        "2.3.2.55", "",           Listed::kCurrent},
        // With a version the size is not looked at.
        {"Orvanta",        "2.3.2.55", "not a size", Listed::kCurrent},
        {"Orvanta",        "2.3.2.54", "",           Listed::kLocalNewer},
        // 2030000 against 203.
        {"Legacy.exe",     "2.3",      "",           Listed::kLocalNewer},
        {"Orvanta_EN.ini", "",         en,           Listed::kCurrent},
        {"Orvanta_EN.ini", "",         en_more,      Listed::kOutdated},
        {"Orvanta_EN.ini", "",         en_less,      Listed::kOutdated},
        // A file without a version resource counts as version 0.
        {"Orvanta_EN.ini", "1.0.0.0",  "",           Listed::kOutdated},
        // clang-format on
    };
    for (const Case& c : cases) {
        UpdateCheck check(scene.services, scene.catalogue, nullptr);
        EXPECT_EQ(check.CompareWithEntry(c.name, c.version, c.size), c.listed)
            << c.name << ";" << c.version << ";" << c.size;
    }
}

TEST(CompareWithEntry, EntriesThatAreNoNumbersAreErrors) {
    UpdateScene scene;
    scene.folder.Write("Odd.exe", BuildVersionedPe("2.3.2.55 beta"));
    struct Case {
        const char* name;
        const char* version;
        const char* size;
    } cases[] = {
        // clang-format off
        {"Orvanta",         "2.3x",           ""},
        {"Orvanta",         "99.99.99.99.99", ""},
        {"Odd.exe",         "1.0.0.0",        ""},
        {"Orvanta_EN.ini",  "",               "12a"},
        {"Orvanta_EN.ini",  "",               ""},
        // Only names of the program folder.
        {"./Orvanta",       "2.3.2.55",       ""},
        {"updates/Orvanta", "",               "1"},
        {"..\\Absent.exe",  "1.0.0.0",        ""},
        // clang-format on
    };
    for (const Case& c : cases) {
        UpdateCheck check(scene.services, scene.catalogue, nullptr);
        EXPECT_THROW(check.CompareWithEntry(c.name, c.version, c.size), OperationError)
            << c.name << ";" << c.version << ";" << c.size;
    }
}

TEST(CheckForUpdates, OfflineSaysSoOnceAndDoesNothingElse) {
    UpdateScene scene;
    scene.ServeList(scene.MatchingList());
    scene.platform.connected = false;
    scene.prompter.ExpectMessage("Δεν υπάρχει σύνδεση internet!");
    EXPECT_FALSE(scene.Check());
    EXPECT_TRUE(scene.platform.downloads.empty());
    EXPECT_TRUE(scene.server.Requests().empty());
    EXPECT_FALSE(scene.folder.Exists("updates"));
}

TEST(CheckForUpdates, AListMatchingTheFolderAsksNothing) {
    UpdateScene scene;
    // Blanks anywhere, empty and blank lines, and bad entries (which count for nothing).
    const std::string list =
        " Orvanta_EN.ini ; ; " + std::to_string(scene.SizeOf("Orvanta_EN.ini")) +
        " \r\n\r\n     \r\nOrvanta_GR.ini;;12x\r\nOrvanta;2.3.2.5x;1\r\n" + scene.MatchingList();
    scene.ServeList(list);
    EXPECT_FALSE(scene.Check());
    EXPECT_EQ(scene.platform.downloads,
              Strings{std::string("http://") + vendor::kWebServer + kListPath});
    EXPECT_EQ(scene.folder.Read(kLocalList), list);
    EXPECT_TRUE(scene.platform.started_programs.empty());
}

TEST(CheckForUpdates, AnOutdatedOrMissingFileOffersTheUpdate) {
    struct Case {
        const char* what;
        std::string extra_line;
        bool yes;
    } cases[] = {
        // clang-format off
        {"size one byte off", "Orvanta_GRHelp.htm;;1", true},
        {"missing file",      "Orvanta_Tips.htm;;10",  false},
        {"older program",     "Orvanta;2.3.2.56;1",    true},
        {"line without ;",    "Orvanta_GR.ini",        false},
        // clang-format on
    };
    for (const Case& c : cases) {
        UpdateScene scene;
        scene.ServeList(scene.MatchingList() + c.extra_line + "\r\n");
        scene.prompter.ExpectYesNo(kQuestion, c.yes);
        EXPECT_EQ(scene.Check(), c.yes) << c.what;
        EXPECT_EQ(scene.platform.started_programs, c.yes ? Strings{scene.Updater()} : Strings{})
            << c.what;
    }
}

TEST(CheckForUpdates, TheQuestionComesFromTheCatalogue) {
    UpdateScene scene;
    scene.folder.Write("lang/Orvanta_GR.ini", "[Message]\r\nDoYouWantUpdates=Ενημέρωση;\r\n");
    scene.catalogue = Catalogue(scene.folder / "lang/Orvanta_GR.ini");
    scene.ServeList("Orvanta_Tips.htm;;10\r\n");
    scene.prompter.ExpectYesNo("Ενημέρωση;", false);
    EXPECT_FALSE(scene.Check());
}

TEST(CheckForUpdates, ANewerLocalBuildOffersStagingInsteadOfTheUpdate) {
    UpdateScene scene;
    // The program is newer than the list, and a help page is outdated too.
    scene.ServeList("Orvanta;2.3.2.54;1\r\nOrvanta_GRHelp.htm;;1\r\n");
    scene.prompter.ExpectOkIgnore("UploadNewVersion", false);
    EXPECT_FALSE(scene.Check());
    EXPECT_TRUE(scene.platform.started_programs.empty());
    EXPECT_FALSE(scene.folder.Exists("Upload"));
}

TEST(CheckForUpdates, AFailedDownloadSaysNothingAndKeepsTheOldList) {
    HttpReply slow;
    slow.body = "Orvanta_Tips.htm;;10\r\n";
    slow.delay = std::chrono::milliseconds(2000);
    HttpReply error;
    error.status = 500;
    error.body = "Orvanta_Tips.htm;;10\r\n";
    HttpReply cut;
    cut.body = std::string(2000, ' ') + "Orvanta_Tips.htm;;10\r\n";
    cut.cut_short = true;
    const std::pair<const char*, HttpReply*> cases[] = {
        // clang-format off
        {"not found",    nullptr},
        {"too slow",     &slow},
        {"server error", &error},
        {"cut",          &cut},
        // clang-format on
    };
    for (const auto& [what, reply] : cases) {
        UpdateScene scene;
        const std::string old = "Orvanta_EN.ini;;1\r\n";
        scene.folder.Write(kLocalList, old);
        if (reply != nullptr) {
            scene.server.Serve(kListPath, *reply);
        }
        EXPECT_FALSE(scene.Check()) << what;
        EXPECT_EQ(scene.folder.Read(kLocalList), old) << what;
        EXPECT_EQ(scene.server.Requests(), Strings{kListPath}) << what;
    }
}

TEST(CheckForUpdates, AListThatCannotBeKeptEndsQuietlyAndTheOldOneStays) {
    for (WriteStep step : testing::kEveryWriteStep) {
        UpdateScene scene;
        scene.folder.Write(kLocalList, "the old list\r\n");
        scene.platform.download = [](const std::string&) {
            return std::optional<std::string>("Orvanta_EN.ini;;1\r\n");
        };
        testing::FailingDisk faults(step, ENOSPC);
        scene.services.write_faults = &faults;
        EXPECT_FALSE(scene.Check());
        EXPECT_EQ(scene.folder.Read(kLocalList), "the old list\r\n");
    }
}

TEST(CheckForUpdates, AHugeListGivesABoundedResultQuickly) {
    struct Case {
        const char* what;
        std::string (*line)(int i, const std::string& folder);
    } cases[] = {
        {"the program 100,000 times",
         [](int, const std::string&) { return FormatListLine("Orvanta", "2.3.2.55", 1); }},
        {"100,000 files not there",
         [](int i, const std::string&) {
             return FormatListLine("File" + std::to_string(i) + ".dll", "", 1);
         }},
        {"the program by 100,000 paths",
         [](int i, const std::string& folder) {
             // "..//..///tmp/x/Orvanta": the same file under another name each time.
             std::string path;
             for (int up = 0; up < 2; ++up) {
                 path += ".." + std::string(1 + (i >> (8 * up)) % 256, '/');
             }
             return FormatListLine(path + folder.substr(1) + "Orvanta", "2.3.2.55", 1);
         }},
    };
    for (const Case& c : cases) {
        UpdateScene scene;
        std::string list;
        for (int i = 0; i < 100'000; ++i) {
            list += c.line(i, scene.folder.Path());
        }
        // And a 10 MB line.
        list += "Orvanta_EN.ini;;" + std::to_string(scene.SizeOf("Orvanta_EN.ini")) +
                std::string(10 << 20, ' ') + "1\r\n";
        list += "Orvanta_Tips.htm;;10\r\n";
        scene.platform.download = [&list](const std::string&) {
            return std::optional<std::string>(list);
        };
        scene.prompter.ExpectYesNo(kQuestion, false);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(scene.Check()) << c.what;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_LT(elapsed, testing::InTime(kReadingTime)) << c.what;
        std::printf("%s and a 10 MB line: %lld ms\n", c.what,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    }
}

TEST(StartUpdateProgram, AStagedUpdateProgramIsSwappedInOnlyAtItsListedSize) {
    namespace fs = std::filesystem;
    constexpr fs::perms kProgramMode = fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec;
    const std::string staged = BuildVersionedPe("1.0.0.8") + "new";
    struct Case {
        const char* what;
        long long listed_size;  // -1: the staged program's own size
        bool swapped;
    } cases[] = {
        // clang-format off
        {"right size", -1, true},
        {"wrong size", 5,  false},
        // clang-format on
    };
    for (const Case& c : cases) {
        UpdateScene scene;
        const std::string old = scene.folder.Read("Orvanta_UpDate.exe");
        scene.folder.Write(kStagedUpdater, staged);
        fs::permissions(scene.Updater(), kProgramMode);
        fs::permissions(scene.folder / kStagedUpdater, fs::perms::owner_read);
        const long long size =
            c.listed_size < 0 ? static_cast<long long>(staged.size()) : c.listed_size;
        scene.ServeList(FormatListLine("Orvanta_UpDate.exe", "1.0.0.8", size));
        scene.prompter.ExpectYesNo(kQuestion, true);
        EXPECT_TRUE(scene.Check()) << c.what;
        EXPECT_EQ(scene.folder.Read("Orvanta_UpDate.exe"), c.swapped ? staged : old) << c.what;
        // Still a program that starts.
        EXPECT_EQ(fs::status(scene.Updater()).permissions(), kProgramMode) << c.what;
        EXPECT_FALSE(scene.folder.Exists(kStagedUpdater)) << c.what;
        EXPECT_EQ(scene.platform.started_programs, Strings{scene.Updater()}) << c.what;
    }
}

TEST(StartUpdateProgram, ASwapThatFailsKeepsBothUpdatePrograms) {
    testing::FailingDisk faults(WriteStep::kRename, ENOSPC);
    UpdateScene scene;
    const std::string old = scene.folder.Read("Orvanta_UpDate.exe");
    const std::string staged = BuildVersionedPe("1.0.0.8");
    scene.folder.Write(kStagedUpdater, staged);
    scene.folder.Write(kLocalList, FormatListLine("Orvanta_UpDate.exe", "1.0.0.8",
                                                  static_cast<long long>(staged.size())));
    scene.services.write_faults = &faults;
    StartUpdateProgram(scene.services);
    EXPECT_EQ(scene.folder.Read("Orvanta_UpDate.exe"), old);
    EXPECT_EQ(scene.folder.Read(kStagedUpdater), staged);
    EXPECT_EQ(scene.platform.started_programs, Strings{scene.Updater()});
}

TEST(StartUpdateProgram, AnUnreadableEntryIsReportedAndNothingIsStarted) {
    UpdateScene scene;
    scene.folder.Write(kStagedUpdater, "staged");
    // Only the update program's own entry counts, matched exactly, blanks and case too.
    scene.folder.Write(kLocalList,
                       "orvanta_update.exe;;6\r\n Orvanta_UpDate.exe;;6\r\n"
                       "Orvanta_UpDate.exe;1.0.0.8;6x\r\n");
    scene.prompter.ExpectError("'6x' is not a valid integer value");
    StartUpdateProgram(scene.services);
    EXPECT_TRUE(scene.platform.started_programs.empty());
    EXPECT_TRUE(scene.folder.Exists(kStagedUpdater));
}

TEST(StartUpdateProgram, WithoutAStagedProgramTheListIsNotRead) {
    UpdateScene scene;
    StartUpdateProgram(scene.services);  // no local list either
    EXPECT_EQ(scene.platform.started_programs, Strings{scene.Updater()});
}

// The window closes only once the update program has taken over: when it is
// missing or does not start, the message is shown and the unsaved pages stay.
TEST(StartManualUpdate, ClosesOnlyOnceTheUpdateProgramHasStarted) {
    struct Case {
        const char* name;
        bool there;
        bool starts;
        bool connected;
        const char* message;  // nullptr: none
        bool close;
    };
    // clang-format off
    const Case cases[] = {
        {"started",          true,  true,  true,  nullptr,             true},
        {"missing",          false, true,  true,  kUpdaterMissingText, false},
        {"does not start",   true,  false, true,  kUpdaterMissingText, false},
        {"no connection",    true,  true,  false, kNoConnectionText,   false},
    };
    // clang-format on
    for (const Case& c : cases) {
        UpdateScene scene;
        if (!c.there) {
            DeleteFile(scene.Updater());
        }
        scene.folder.Write(kStagedUpdater, "staged");
        scene.platform.start = [&c](const std::string&) { return c.starts; };
        scene.platform.connected = c.connected;
        if (c.message) {
            scene.prompter.ExpectMessage(c.message);
        }
        EXPECT_EQ(StartManualUpdate(scene.services, scene.catalogue), c.close) << c.name;
        const Strings tried = c.there && c.connected ? Strings{scene.Updater()} : Strings{};
        EXPECT_EQ(scene.platform.started_programs, tried) << c.name;
        EXPECT_TRUE(scene.platform.downloads.empty()) << c.name;
        EXPECT_TRUE(scene.folder.Exists(kStagedUpdater)) << c.name;  // nothing swapped in
        scene.prompter.VerifyAndClear();
    }
}

// The two messages in the catalogue's words; without one, as they always read.
TEST(StartManualUpdate, SaysItsMessagesInTheCataloguesWords) {
    UpdateScene scene;
    DeleteFile(scene.Updater());
    scene.folder.Write("texts.ini",
                       "[Message]\r\nUpdaterMissing=The update program is missing.\r\n"
                       "NoInternet=There is no internet connection!\r\n");
    const Catalogue english(scene.folder / "texts.ini");
    scene.prompter.ExpectMessage("The update program is missing.");
    EXPECT_FALSE(StartManualUpdate(scene.services, english));
    scene.platform.connected = false;
    scene.prompter.ExpectMessage("There is no internet connection!");
    EXPECT_FALSE(StartManualUpdate(scene.services, english));
}

// The package manager owns an installed program's files: with a list that would
// offer an update and one that would stage a release, nothing is downloaded,
// kept, staged or started, and the menu's update only says where updates come from.
TEST(UpdateCheck, AnInstalledProgramLeavesItsUpdatesToThePackageManager) {
    for (const std::string& list :
         {FormatListLine("Orvanta", "2.3.2.56", 1), FormatListLine("Orvanta", "2.3.2.54", 1)}) {
        UpdateScene scene;
        scene.ServeList(list);
        scene.platform.layout =
            ProgramLayout{LayoutKind::kInstalled, scene.folder / "share/", scene.folder / "home/"};
        EXPECT_FALSE(scene.Check());
        StageRelease(scene.services, scene.catalogue);
        EXPECT_TRUE(scene.platform.downloads.empty());
        EXPECT_FALSE(scene.folder.Exists("updates"));
        EXPECT_FALSE(scene.folder.Exists("Upload"));

        scene.prompter.ExpectMessage(kUpdatesFromPackageManager.fallback);
        EXPECT_FALSE(StartManualUpdate(scene.services, scene.catalogue));
        EXPECT_TRUE(scene.platform.started_programs.empty());
    }
}

TEST(UpdateCheck, TheManualPathUsesTheFixedNameWhateverTheProgramIsCalled) {
    testing::TempFolder folder;
    testing::FakePlatform platform(folder.Path(), "Orvanta2.exe");
    testing::ScriptedPrompter prompter;
    Services services{prompter, platform, '.'};
    folder.Write("Orvanta_UpDate.exe", "x");
    folder.Write("Orvanta2_UpDate.exe", "x");
    EXPECT_TRUE(StartManualUpdate(services, Catalogue()));
    StartUpdateProgram(services);
    EXPECT_EQ(platform.started_programs,
              (Strings{folder / "Orvanta_UpDate.exe", folder / "Orvanta2_UpDate.exe"}));
    EXPECT_EQ(UpdateListUrl("Orvanta2"), std::string("http://") + vendor::kWebServer +
                                             "/Software/Orvanta2/download/FilesToDownload.txt");
}

}  // namespace
}  // namespace orvanta
