// Where the program reads its own files and writes the user's: the choice
// between a portable folder and an installed package, and what the pages then
// read and write on a real disk in each.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/fake_platform.h"
#include "common/scripted_prompter.h"
#include "common/temp_folder.h"
#include "core/base/handler_guard.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"
#include "core/base/program_layout.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

using testing::FakePlatform;
using testing::ScriptedPrompter;
using testing::TempFolder;

// ---------------------------------------------------------------------------
// The choice alone, over a made-up disk.

struct ChoiceCase {
    const char* name;
    const char* program_file;
    std::vector<const char*> files;  // what the probe finds
    const char* data_home;
    LayoutKind kind;
    const char* data_folder;
    const char* user_folder;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
const ChoiceCase kChoices[] = {
    {"GreekCatalogueBesideIsPortable", "/opt/Orvanta/Orvanta", {"/opt/Orvanta/Orvanta_GR.ini"},
     "/home/ann/.local/share", LayoutKind::kPortable, "/opt/Orvanta/", "/opt/Orvanta/"},
    {"EnglishCatalogueAloneIsPortable", "/media/stick/Orvanta", {"/media/stick/Orvanta_EN.ini"},
     "/home/ann/.local/share", LayoutKind::kPortable, "/media/stick/", "/media/stick/"},
    {"NoCatalogueBesideIsInstalled", "/usr/bin/Orvanta", {"/usr/share/orvanta/Orvanta_GR.ini"},
     "/home/ann/.local/share", LayoutKind::kInstalled, "/usr/share/orvanta/",
     "/home/ann/.local/share/orvanta/"},
    {"InstalledUnderAnotherPrefix", "/opt/orvanta/bin/Orvanta", {},
     "/home/ann/.local/share/", LayoutKind::kInstalled, "/opt/orvanta/share/orvanta/",
     "/home/ann/.local/share/orvanta/"},
    {"OtherFilesBesideDoNotMakeItPortable", "/usr/bin/Orvanta",
     {"/usr/bin/Orvanta", "/usr/bin/Orvanta_GRHelp.htm", "/usr/bin/Orvanta.lang"},
     "/root/.local/share", LayoutKind::kInstalled, "/usr/share/orvanta/",
     "/root/.local/share/orvanta/"},
    {"InstalledWithoutADataHomeHasNoUserFolder", "/usr/bin/Orvanta", {}, "",
     LayoutKind::kInstalled, "/usr/share/orvanta/", ""},
    {"AnUnknownProgramFileStaysWhereItRuns", "", {}, "/home/ann/.local/share",
     LayoutKind::kPortable, "", ""},
};
// clang-format on

class LayoutChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LayoutChoiceTest, ChoosesByTheCataloguesBesideTheProgram) {
    const ChoiceCase& c = GetParam();
    std::vector<std::string> asked;
    const ProgramLayout layout = ChooseProgramLayout(
        c.program_file,
        [&](const std::string& path) {
            asked.push_back(path);
            return std::find(c.files.begin(), c.files.end(), path) != c.files.end();
        },
        c.data_home);
    EXPECT_EQ(layout.kind, c.kind);
    EXPECT_EQ(layout.data_folder, c.data_folder);
    EXPECT_EQ(layout.user_folder, c.user_folder);
    // Only the program's own folder decides.
    for (const std::string& path : asked) {
        EXPECT_EQ(FolderOf(path), FolderOf(c.program_file)) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LayoutChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

struct DataHomeCase {
    const char* name;
    const char* xdg_data_home;  // null: unset
    const char* home;
    const char* data_home;
};

void PrintTo(const DataHomeCase& c, std::ostream* out) {
    *out << c.name;
}

// clang-format off
const DataHomeCase kDataHomes[] = {
    {"XdgDataHomeWins",           "/srv/ann/data", "/home/ann", "/srv/ann/data"},
    {"UnsetFallsBackToHome",      nullptr,         "/home/ann", "/home/ann/.local/share"},
    {"EmptyFallsBackToHome",      "",              "/home/ann", "/home/ann/.local/share"},
    {"RelativeIsIgnored",         "data",          "/home/ann", "/home/ann/.local/share"},
    {"HomeWithSeparator",         nullptr,         "/home/ann/", "/home/ann/.local/share"},
    {"NeitherSet",                nullptr,         nullptr,     ""},
    {"RelativeHomeIsNoHome",      nullptr,         "ann",       ""},
};
// clang-format on

class DataHomeTest : public ::testing::TestWithParam<DataHomeCase> {};

TEST_P(DataHomeTest, FollowsTheEnvironment) {
    const DataHomeCase& c = GetParam();
    EXPECT_EQ(DataHomeFrom(c.xdg_data_home, c.home), c.data_home);
}

INSTANTIATE_TEST_SUITE_P(Table, DataHomeTest, ::testing::ValuesIn(kDataHomes),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The pages on a real disk: a prefix with the program in bin/, a home, and
// the platform set up as the program sets itself up.

std::set<std::string> FilesUnder(const std::string& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        files.insert(entry.path().string());
    }
    return files;
}

struct Machine {
    explicit Machine(bool catalogues_beside) {
        root.Write("usr/bin/Orvanta", "program");
        const std::string catalogues = catalogues_beside ? "usr/bin/" : "usr/share/orvanta/";
        root.Write(catalogues + kGreekCatalogue, "[FrmMain]\r\nARBITRAGE=ΑΡΜΠΙΤΡΑΖ\r\n");
        root.Write(catalogues + kEnglishCatalogue, "[FrmMain]\r\nARBITRAGE=ARBITRAGE\r\n");
        fs::create_directories(Home());
        platform.layout = ChooseProgramLayout(
            root / "usr/bin/Orvanta", [](const std::string& path) { return FileExists(path); },
            DataHome());
    }

    std::string Home() const { return root / "home/ann"; }
    // A fresh home: no .local/share yet.
    std::string DataHome() const { return root / "home/ann/.local/share"; }

    std::string Caption() const {
        const Catalogue catalogue(
            JoinPath(platform.DataFolder(), RememberedCatalogue(platform.UserFolder())));
        return catalogue.ReadString("FrmMain", "ARBITRAGE", "");
    }

    // What a user does in a session: picks English, creates a live game, saves
    // a parlay sheet where the dialog starts.
    void Session() {
        LiveLedger ledger(services, Catalogue(), RecordFolderPath(platform.UserFolder()));
        ledger.Open();
        ASSERT_TRUE(ledger.CreateGame({2008, 3, 15}, "20:45", "Home - Away"));
        RememberCatalogue(platform.UserFolder(), kEnglishCatalogue, nullptr);
        prompter.ExpectSaveFile(JoinPath(ParlayFolder(platform), "week.bet"));
        SaveParlaySheet(ParlaySheet(), services, 0);
    }

    TempFolder root;
    ScriptedPrompter prompter;
    FakePlatform platform{root / "usr/bin/"};
    Services services{prompter, platform, '.'};
};

TEST(ProgramLayout, PortableReadsAndWritesBesideTheProgram) {
    Machine machine(true);
    ASSERT_FALSE(machine.platform.IsInstalled());
    const std::string bin = machine.root / "usr/bin/";
    EXPECT_EQ(machine.platform.DataFolder(), bin);
    EXPECT_EQ(machine.platform.UserFolder(), bin);
    EXPECT_EQ(machine.Caption(), "ΑΡΜΠΙΤΡΑΖ");

    machine.Session();
    EXPECT_EQ(machine.Caption(), "ARBITRAGE");
    EXPECT_TRUE(machine.root.Exists("usr/bin/Orvanta.lang"));
    EXPECT_EQ(ListRecordFiles(bin + "LiveGameRecords/").size(), 1u);
    EXPECT_TRUE(machine.root.Exists("usr/bin/Arxeia/week.bet"));
    EXPECT_TRUE(FilesUnder(machine.Home()).empty());
}

TEST(ProgramLayout, InstalledReadsTheSharedDataAndWritesInAFreshHome) {
    Machine machine(false);
    ASSERT_TRUE(machine.platform.IsInstalled());
    const std::string user = machine.DataHome() + "/orvanta/";
    EXPECT_EQ(machine.platform.DataFolder(), machine.root / "usr/share/orvanta/");
    EXPECT_EQ(machine.platform.UserFolder(), user);
    EXPECT_EQ(machine.Caption(), "ΑΡΜΠΙΤΡΑΖ");
    const std::set<std::string> prefix = FilesUnder(machine.root / "usr");

    machine.Session();
    EXPECT_EQ(machine.Caption(), "ARBITRAGE");
    EXPECT_TRUE(FileExists(user + "Orvanta.lang"));
    EXPECT_EQ(ListRecordFiles(user + "LiveGameRecords/").size(), 1u);
    EXPECT_TRUE(FileExists(user + "Arxeia/week.bet"));
    EXPECT_EQ(FilesUnder(machine.root / "usr"), prefix) << "written under the prefix";
    // The levels the program made in the home are the user's alone.
    for (const std::string& level : {machine.Home() + "/.local", machine.DataHome(), user}) {
        EXPECT_EQ(fs::status(level).permissions(), fs::perms::owner_all) << level;
    }
}

TEST(ProgramLayout, AnExistingDataHomeKeepsItsPermissions) {
    Machine machine(false);
    fs::create_directories(machine.DataHome());
    fs::permissions(machine.DataHome(), fs::perms::owner_all | fs::perms::group_read |
                                            fs::perms::group_exec | fs::perms::others_read |
                                            fs::perms::others_exec);
    RememberCatalogue(machine.platform.UserFolder(), kGreekCatalogue, nullptr);
    EXPECT_EQ(fs::status(machine.DataHome()).permissions() & fs::perms::others_read,
              fs::perms::others_read);
}

// A data home the program cannot write in: each write stops with one clear
// error naming the folder, shown through the general error report, and what
// the user had in the window stays.
struct UnwritableCase {
    const char* name;
    // Makes the data home unusable; false when the case cannot be set up here.
    bool (*spoil)(const std::string& data_home);
    const char* reason;
};

void PrintTo(const UnwritableCase& c, std::ostream* out) {
    *out << c.name;
}

bool FileInTheWay(const std::string& data_home) {
    fs::create_directories(fs::path(data_home).parent_path());
    std::ofstream(data_home) << "not a folder";
    return true;
}

bool ReadOnlyFolder(const std::string& data_home) {
    // The superuser writes through any permission.
    if (geteuid() == 0) {
        return false;
    }
    fs::create_directories(data_home);
    fs::permissions(data_home, fs::perms::owner_read | fs::perms::owner_exec);
    return true;
}

// clang-format off
const UnwritableCase kUnwritable[] = {
    {"AFileInTheWay", FileInTheWay,   "Not a directory"},
    {"ReadOnly",      ReadOnlyFolder, "Permission denied"},
};
// clang-format on

class UnwritableDataHomeTest : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableDataHomeTest, TheFirstWriteSaysWhichFolderAndLosesNothing) {
    const UnwritableCase& c = GetParam();
    Machine machine(false);
    if (!c.spoil(machine.DataHome())) {
        GTEST_SKIP() << "cannot be set up for this user";
    }
    const std::string user = machine.platform.UserFolder();
    const std::string error =
        std::string("Cannot create the folder ") + user + " for your files: " + c.reason;
    ScriptedPrompter& prompter = machine.prompter;

    // Reading needs nothing made: the default catalogue, no error.
    EXPECT_EQ(machine.Caption(), "ΑΡΜΠΙΤΡΑΖ");

    // The language choice: shown, and only the next start forgets it.
    prompter.ExpectError(error);
    RunGuarded(prompter,
               [&] { RememberCatalogue(user, kEnglishCatalogue, machine.services.write_faults); });

    // The live window cannot open its record folder; a game cannot be made.
    LiveLedger ledger(machine.services, Catalogue(), RecordFolderPath(user));
    prompter.ExpectError(error);
    RunGuarded(prompter, [&] { ledger.Open(); });
    prompter.ExpectError(error);
    RunGuarded(prompter, [&] { ledger.CreateGame({2008, 3, 15}, "20:45", "Home - Away"); });

    // A parlay sheet still goes wherever the user saves it.
    ParlaySheet sheet;
    sheet.selections.SetCell(1, 1, "2.5");
    const std::string elsewhere = machine.root / "week.bet";
    prompter.ExpectSaveFile(elsewhere);
    RunGuarded(prompter, [&] { SaveParlaySheet(sheet, machine.services, 0); });
    EXPECT_EQ(sheet.selections.Cell(1, 1), "2.5");
    EXPECT_TRUE(machine.root.Exists("week.bet"));

    EXPECT_TRUE(prompter.AllShown());
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritableDataHomeTest, ::testing::ValuesIn(kUnwritable),
                         [](const auto& info) { return std::string(info.param.name); });

// Without a home nothing may land wherever the program happened to be started.
TEST(ProgramLayout, NoDataHomeIsAnErrorAtTheFirstWriteAndNothingGoesToTheWorkingFolder) {
    TempFolder root;
    FakePlatform platform(root / "usr/bin/");
    platform.layout = ChooseProgramLayout(
        root / "usr/bin/Orvanta", [](const std::string&) { return false; }, "");
    ScriptedPrompter prompter;
    Services services{prompter, platform, '.'};
    const std::string error =
        "There is no folder for your files: neither XDG_DATA_HOME nor HOME names one";

    TempFolder working;
    const fs::path started_in = fs::current_path();
    fs::current_path(working.Path());
    prompter.ExpectError(error);
    RunGuarded(prompter,
               [&] { RememberCatalogue(platform.UserFolder(), kEnglishCatalogue, nullptr); });
    LiveLedger ledger(services, Catalogue(), RecordFolderPath(platform.UserFolder()));
    prompter.ExpectError(error);
    RunGuarded(prompter, [&] { ledger.Open(); });
    prompter.ExpectSaveFile(std::nullopt);
    RunGuarded(prompter, [&] { SaveParlaySheet(ParlaySheet(), services, 0); });
    fs::current_path(started_in);

    EXPECT_TRUE(prompter.AllShown());
    EXPECT_TRUE(FilesUnder(working.Path()).empty());
}

}  // namespace
}  // namespace orvanta
