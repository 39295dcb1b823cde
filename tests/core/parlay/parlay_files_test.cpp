#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "common/core_fixture.h"
#include "common/failing_disk.h"
#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"
#include "core/parlay/record_bytes.h"

namespace orvanta {
namespace {

using ::orvanta::testing::BoxKind;
using ::orvanta::testing::CoreScene;
using P = ParlaySheet;

int FilesIn(const std::string& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        (void)entry;
        ++count;
    }
    return count;
}

class ParlayFilesTest : public ::testing::Test {
protected:
    ParlayFilesTest() {
        ClearParlaySheet(sheet, catalogue);
        TextGrid& grid = sheet.selections;
        grid.SetCell(P::kOddsCol, 1, "2.00");
        grid.SetCell(P::kOddsCol, 2, "1.50");
        grid.SetCell(P::kOddsCol, 3, "3.00");
        grid.SetCell(P::kResultCol, 3, "LOST");
        grid.SetCell(P::kStakeCol, 1, "10");
        grid.SetCell(P::kStakeCol, 2, "10");
        grid.SetCell(P::kStakeCol, 3, "5");
        CalculateParlaySheet(sheet, scene.services);
    }

    std::string Arxeia() const { return scene.folder.Path() + "Arxeia"; }
    std::string InArxeia(const std::string& name) const { return Arxeia() + "/" + name; }

    CoreScene scene;
    Catalogue catalogue;
    ParlaySheet sheet;
};

TEST_F(ParlayFilesTest, SaveCreatesArxeiaAndAsksThere) {
    ASSERT_FALSE(scene.folder.Exists("Arxeia"));
    scene.prompter.ExpectSaveFile(InArxeia("week.bet"));
    EXPECT_EQ(SaveParlaySheet(sheet, scene.services, 0), InArxeia("week.bet"));
    EXPECT_TRUE(std::filesystem::is_directory(Arxeia()));
    EXPECT_EQ(scene.folder.Read("Arxeia/week.bet"), SaveGridToBytes(sheet.selections, 0));

    const FileDialogOptions& dialog = scene.prompter.Shown().at(0).dialog;
    EXPECT_EQ(dialog.title, "");
    EXPECT_EQ(dialog.filter, "ΑΡΧΕΙΑ ΠΑΡΟΛΙ|*.bet");
    EXPECT_EQ(dialog.default_extension, "bet");
    EXPECT_EQ(dialog.initial_folder, Arxeia());
}

TEST_F(ParlayFilesTest, SaveReplacesWithoutAskingAndCancelWritesNothing) {
    scene.folder.Write("Arxeia/week.bet", "old");
    scene.prompter.ExpectSaveFile(std::nullopt);
    EXPECT_EQ(SaveParlaySheet(sheet, scene.services, 0), std::nullopt);
    EXPECT_EQ(scene.folder.Read("Arxeia/week.bet"), "old");

    scene.prompter.ExpectSaveFile(InArxeia("week.bet"));
    SaveParlaySheet(sheet, scene.services, 0);
    EXPECT_EQ(scene.folder.Read("Arxeia/week.bet"), SaveGridToBytes(sheet.selections, 0));
}

TEST_F(ParlayFilesTest, ASaveThatFailsAtAnyStepLeavesTheOldFileWhole) {
    const std::string old_file = SaveGridToBytes(ParlaySheet().selections, 0);
    for (WriteStep step :
         {WriteStep::kCreate, WriteStep::kWrite, WriteStep::kFlush, WriteStep::kRename}) {
        scene.folder.Write("Arxeia/week.bet", old_file);
        testing::FailingDisk faults(step, ENOSPC);
        scene.prompter.ExpectSaveFile(InArxeia("week.bet"));
        scene.services.write_faults = &faults;
        EXPECT_THROW(SaveParlaySheet(sheet, scene.services, 0), OperationError);
        scene.services.write_faults = nullptr;
        EXPECT_EQ(scene.folder.Read("Arxeia/week.bet"), old_file);
        EXPECT_EQ(FilesIn(Arxeia()), 1) << "something left beside the file";
    }
}

TEST_F(ParlayFilesTest, LoadReadsAndRecalculates) {
    scene.prompter.ExpectSaveFile(InArxeia("week.bet"));
    SaveParlaySheet(sheet, scene.services, 0);

    ParlaySheet other;
    ClearParlaySheet(other, catalogue);
    scene.prompter.ExpectOpenFile(InArxeia("week.bet"));
    EXPECT_EQ(LoadParlaySheet(other, scene.services), InArxeia("week.bet"));
    EXPECT_EQ(other.selections.Cell(P::kResultCol, 3), "LOST");
    EXPECT_EQ(other.total_staked.text, "65");
    EXPECT_EQ(other.total_returned.text, "65");
    EXPECT_EQ(other.total_profit.text, "0");

    const FileDialogOptions& dialog = scene.prompter.Shown().back().dialog;
    EXPECT_EQ(scene.prompter.Shown().back().kind, BoxKind::kOpenFile);
    EXPECT_EQ(dialog.filter, "ΑΡΧΕΙΑ ΠΑΡΟΛΙ|*.bet");
    EXPECT_EQ(dialog.initial_folder, Arxeia());
}

TEST_F(ParlayFilesTest, LoadOfAFreshSheetRestoresTheStartState) {
    ParlaySheet fresh;
    ClearParlaySheet(fresh, catalogue);
    SaveGridToFile(fresh.selections, scene.folder / "fresh.bet", 0);
    scene.prompter.ExpectOpenFile(scene.folder / "fresh.bet");
    LoadParlaySheet(sheet, scene.services);
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), SaveGridToBytes(fresh.selections, 0));
    EXPECT_EQ(sheet.total_staked.text, "0");
    EXPECT_EQ(sheet.total_returned.text, "0");
    EXPECT_EQ(sheet.total_profit.text, "0");
}

TEST_F(ParlayFilesTest, AGapInALoadedFileShowsTheMessageAfterLoading) {
    ParlaySheet gap;
    ClearParlaySheet(gap, catalogue);
    gap.selections.SetCell(P::kOddsCol, 1, "2");
    gap.selections.SetCell(P::kOddsCol, 3, "4");
    SaveGridToFile(gap.selections, scene.folder / "gap.bet", 0);
    scene.prompter.ExpectOpenFile(scene.folder / "gap.bet");
    scene.prompter.ExpectMessage("Warnig..fill with the odds from the first cell");
    LoadParlaySheet(sheet, scene.services);
    EXPECT_EQ(sheet.selections.Cell(P::kOddsCol, 3), "4");
    EXPECT_EQ(sheet.selections.Cell(P::kOddsCol, 2), "");
    // Nothing was calculated: the old sums stand.
    EXPECT_EQ(sheet.total_staked.text, "65");
}

TEST_F(ParlayFilesTest, AFailedLoadKeepsWhatItReadAndDoesNotRecalculate) {
    using namespace ::orvanta::testing;
    scene.folder.Write(
        "bad.bet", ParlayHeader() + CellRecord(1, 1, Short("7")) + CellRecord(12, 1, Short("x")));
    scene.prompter.ExpectOpenFile(scene.folder / "bad.bet");
    try {
        LoadParlaySheet(sheet, scene.services);
        ADD_FAILURE() << "loaded";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(),
                     "The file puts a cell at column 12, row 1, outside the grid of 9 columns "
                     "and 16 rows");
    }
    EXPECT_EQ(sheet.selections.Cell(P::kOddsCol, 1), "7");
    EXPECT_EQ(sheet.total_staked.text, "65");
}

TEST_F(ParlayFilesTest, AFileOfAnotherShapeChangesNothing) {
    using namespace ::orvanta::testing;
    const std::string before = SaveGridToBytes(sheet.selections, 0);
    scene.folder.Write("other.bet",
                       HeaderRecord(4, 2, "1,2,3,4", "5,6", true) + CellRecord(1, 1, Short("7")));
    scene.prompter.ExpectOpenFile(scene.folder / "other.bet");
    EXPECT_THROW(LoadParlaySheet(sheet, scene.services), OperationError);
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), before);
}

TEST_F(ParlayFilesTest, LoadErrorsAreTheFilesOwn) {
    scene.prompter.ExpectOpenFile(scene.folder / "missing.bet");
    try {
        LoadParlaySheet(sheet, scene.services);
        ADD_FAILURE() << "loaded";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    scene.folder.Write("text.bet", "hello world");
    scene.prompter.ExpectOpenFile(scene.folder / "text.bet");
    try {
        LoadParlaySheet(sheet, scene.services);
        ADD_FAILURE() << "loaded";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream format");
    }
    scene.prompter.ExpectOpenFile(std::nullopt);
    EXPECT_EQ(LoadParlaySheet(sheet, scene.services), std::nullopt);
}

TEST_F(ParlayFilesTest, DeleteFilesRemovesEverySelectedFileAndPassesOverFailures) {
    for (const char* name : {"a.bet", "b.bet", "c.bet", "d.bet"}) {
        scene.folder.Write(std::string("Arxeia/") + name, "x");
    }
    const std::string before = SaveGridToBytes(sheet.selections, 0);
    scene.prompter.ExpectOpenFiles(
        {InArxeia("a.bet"), InArxeia("gone.bet"), InArxeia("b.bet"), InArxeia("c.bet")});
    EXPECT_EQ(DeleteParlayFiles(catalogue, scene.services), 3);
    EXPECT_FALSE(scene.folder.Exists("Arxeia/a.bet"));
    EXPECT_FALSE(scene.folder.Exists("Arxeia/b.bet"));
    EXPECT_FALSE(scene.folder.Exists("Arxeia/c.bet"));
    EXPECT_TRUE(scene.folder.Exists("Arxeia/d.bet"));
    EXPECT_EQ(SaveGridToBytes(sheet.selections, 0), before);

    const FileDialogOptions& dialog = scene.prompter.Shown().back().dialog;
    EXPECT_EQ(dialog.title, "Delete Files");
    EXPECT_EQ(dialog.accept_label, "Delete Files");
    EXPECT_EQ(dialog.filter, "ΑΡΧΕΙΑ ΠΑΡΟΛΙ|*.bet");
    EXPECT_EQ(dialog.initial_folder, "");

    // The title follows the catalogue; cancelling deletes nothing.
    scene.folder.Write("Orvanta_EN.ini", "[FrmMain]\nDeleteFiles=Remove sheets\n");
    scene.prompter.ExpectOpenFiles({});
    EXPECT_EQ(DeleteParlayFiles(Catalogue(scene.folder / "Orvanta_EN.ini"), scene.services), 0);
    EXPECT_EQ(scene.prompter.Shown().back().text, "Remove sheets");
    EXPECT_EQ(scene.prompter.Shown().back().dialog.accept_label, "Remove sheets");
    EXPECT_TRUE(scene.folder.Exists("Arxeia/d.bet"));
}

// The dialogs name the file type, and the gap message says its piece, in the
// catalogue's words; *.bet stays.
TEST_F(ParlayFilesTest, TheDialogsAndTheGapMessageSpeakTheCatalogue) {
    scene.folder.Write("Orvanta_EN.ini",
                       "[FrmMain]\nParlayFiles=Parlay files\n"
                       "[Message]\nFillFromFirstCell=Fill in the odds from the first row down\n");
    const Catalogue english(scene.folder / "Orvanta_EN.ini");
    EXPECT_EQ(ParlayFileFilter(english), "Parlay files|*.bet");
    EXPECT_EQ(ParlayOpenDialogOptions(scene.platform, english).filter, "Parlay files|*.bet");

    // Odds in rows 1 to 3 and 5: a gap.
    scene.folder.Write("Arxeia/gap.bet", "");
    sheet.selections.SetCell(ParlaySheet::kOddsCol, 5, "2");
    SaveGridToFile(sheet.selections, InArxeia("gap.bet"), 0, nullptr);
    scene.prompter.ExpectOpenFile(InArxeia("gap.bet"));
    scene.prompter.ExpectMessage("Fill in the odds from the first row down");
    EXPECT_EQ(LoadParlaySheet(sheet, scene.services, english), InArxeia("gap.bet"));
    EXPECT_EQ(scene.prompter.Shown().front().dialog.filter, "Parlay files|*.bet");
}

}  // namespace
}  // namespace orvanta
