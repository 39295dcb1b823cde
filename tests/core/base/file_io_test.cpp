#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>

#include "common/failing_disk.h"
#include "common/temp_folder.h"
#include "core/base/file_io.h"
#include "core/base/operation_error.h"
#include "core/base/paths.h"

namespace orvanta {
namespace {

using testing::TempFolder;

TEST(WriteFileReplacing, ReplacesTheFileWhole) {
    TempFolder folder;
    folder.Write("a.bet", "old");
    WriteFileReplacing(folder / "a.bet", "new content");
    EXPECT_EQ(folder.Read("a.bet"), "new content");
    // Nothing left behind beside it.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(WriteFileReplacing, AFailureAtAnyStepLeavesTheOldFile) {
    for (const testing::StepFault& c : testing::kStepFaults) {
        TempFolder folder;
        folder.Write("a.bet", "old");
        testing::FailingDisk faults(c.step, c.error);
        try {
            WriteFileReplacing(folder / "a.bet", "new content", &faults);
            ADD_FAILURE() << "no error for step " << static_cast<int>(c.step);
        } catch (const OperationError& e) {
            EXPECT_STREQ(e.what(), c.wording);
        }
        EXPECT_EQ(folder.Read("a.bet"), "old");
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            (void)entry;
            ++files;
        }
        EXPECT_EQ(files, 1) << "temporary file left behind";
    }
}

TEST(WriteFileReplacing, KeepsThePermissionsOfTheFileItReplaces) {
    namespace fs = std::filesystem;
    TempFolder folder;
    folder.Write("Orvanta_UpDate.exe", "old");
    fs::permissions(folder / "Orvanta_UpDate.exe", fs::perms::owner_all | fs::perms::group_read);
    WriteFileReplacing(folder / "Orvanta_UpDate.exe", "new");
    EXPECT_EQ(fs::status(folder / "Orvanta_UpDate.exe").permissions(),
              fs::perms::owner_all | fs::perms::group_read);
    EXPECT_EQ(folder.Read("Orvanta_UpDate.exe"), "new");
}

TEST(WriteFileReplacing, MissingFolderIsAnInvalidName) {
    TempFolder folder;
    try {
        WriteFileReplacing(folder / "no/such/a.bet", "x");
        ADD_FAILURE();
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
    EXPECT_FALSE(folder.Exists("no"));
}

TEST(ReadFileBytes, ReadsOrFailsInTheUsersWords) {
    TempFolder folder;
    folder.Write("f", std::string(100, 'x'));
    EXPECT_EQ(ReadFileBytes(folder / "f", 1000).size(), 100u);
    EXPECT_THROW(ReadFileBytes(folder / "f", 99, "Too big"), OperationError);
    try {
        ReadFileBytes(folder / "missing", 10);
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
}

TEST(ReadFileBytes, RefusesPipesWithoutWaiting) {
    TempFolder folder;
    const std::string pipe = folder / "x.bet";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    try {
        ReadFileBytes(pipe, 1000);
        ADD_FAILURE() << "a pipe was read";
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Invalid filename");
    }
}

TEST(Paths, ProgramBaseName) {
    EXPECT_EQ(ProgramBaseName("/opt/orvanta/Orvanta"), "Orvanta");
    EXPECT_EQ(ProgramBaseName("C:\\Orvanta\\Orvanta.exe"), "Orvanta");
    EXPECT_EQ(ProgramBaseName("Orvanta.EXE"), "Orvanta");
    EXPECT_EQ(ProgramBaseName("/x/my.prog"), "my.prog");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(FolderOf("/a/b/c.ini"), "/a/b/");
}

TEST(ErrorReport, FullStopRule) {
    EXPECT_EQ(ErrorReportText("Invalid stream format"), "Invalid stream format.");
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText("Really?"), "Really?.");
    EXPECT_EQ(ErrorReportText("Wow!"), "Wow!");  // "!" sorts before "."
    EXPECT_EQ(ErrorReportText("a - "), "a - ");  // so does a blank
    EXPECT_EQ(ErrorReportText("Ωμέγα"), "Ωμέγα.");
    EXPECT_EQ(ErrorReportText(""), "");
}

TEST(CheckedDivide, ZeroDivisorsFailWithTheRightText) {
    EXPECT_EQ(CheckedDivide(1, 4), 0.25);
    try {
        CheckedDivide(1, 0);
        ADD_FAILURE();
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        CheckedDivide(0, 0);
        ADD_FAILURE();
    } catch (const OperationError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

}  // namespace
}  // namespace orvanta
