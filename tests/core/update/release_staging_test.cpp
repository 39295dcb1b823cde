#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "common/core_fixture.h"
#include "common/pe_fixture.h"
#include "common/update_run.h"
#include "core/base/file_io.h"
#include "core/base/paths.h"
#include "core/update/release_staging.h"
#include "core/update/update_check.h"
#include "core/update/update_list.h"

namespace orvanta {
namespace {

using testing::BuildVersionedPe;
using testing::CoreScene;

using Strings = std::vector<std::string>;

const Strings kRelease = {"Orvanta",
                          "Orvanta_EN.ini",
                          "Orvanta_GR.ini",
                          "Orvanta_ENHelp.htm",
                          "Orvanta_GRHelp.htm",
                          "Orvanta_UpDate.exe"};
constexpr const char* kStagedList = "Upload/FilesToDownload.txt";
constexpr const char* kSuccess = "Success Files Copy FOR upload";
constexpr const char* kError = "Error Files Copy";

struct StagingScene : CoreScene {
    StagingScene() {
        folder.Write("Orvanta", BuildVersionedPe("2.3.2.60"));
        folder.Write("Orvanta_EN.ini", "[FrmMain]\r\nCaption=Orvanta\r\n");
        folder.Write("Orvanta_GR.ini", "[FrmMain]\r\nCaption=Ορβάντα\r\n");
        folder.Write("Orvanta_ENHelp.htm", "<html>help</html>");
        folder.Write("Orvanta_GRHelp.htm", "<html>βοήθεια</html>");
        folder.Write("Orvanta_UpDate.exe", BuildVersionedPe("1.0.0.7"));
    }

    void Stage(bool ok, const char* outcome, WriteFaults* faults = nullptr) {
        prompter.ExpectOkIgnore("UploadNewVersion", ok);
        if (outcome != nullptr) {
            prompter.ExpectMessage(outcome);
        }
        services.write_faults = faults;
        StageRelease(services, catalogue);
    }

    Strings StagedLines() const {
        Strings lines;
        ReadListLines(folder / kStagedList,
                      [&](std::string_view text, bool) { lines.emplace_back(text); });
        return lines;
    }

    bool Staged(const std::string& name) const {
        return folder.Exists("Upload/" + name) &&
               folder.Read("Upload/" + name) == folder.Read(name);
    }

    Catalogue catalogue;
};

TEST(StageRelease, IgnoreWritesNothing) {
    StagingScene scene;
    scene.Stage(false, nullptr);
    EXPECT_FALSE(scene.folder.Exists("Upload"));
}

TEST(StageRelease, ListsTheSixFilesInOrderWithTheSizesOfTheirCopies) {
    StagingScene scene;
    scene.Stage(true, kSuccess);
    auto size = [&](const std::string& name) {
        return std::to_string(FileSizeOf(scene.folder / ("Upload/" + name)));
    };
    EXPECT_EQ(scene.folder.Read(kStagedList),
              "Orvanta;2.3.2.60;" + size("Orvanta") + "\r\n" + "Orvanta_EN.ini;;" +
                  size("Orvanta_EN.ini") + "\r\n" + "Orvanta_GR.ini;;" + size("Orvanta_GR.ini") +
                  "\r\n" + "Orvanta_ENHelp.htm;;" + size("Orvanta_ENHelp.htm") + "\r\n" +
                  "Orvanta_GRHelp.htm;;" + size("Orvanta_GRHelp.htm") + "\r\n" +
                  "Orvanta_UpDate.exe;1.0.0.7;" + size("Orvanta_UpDate.exe") + "\r\n");
    for (const std::string& name : kRelease) {
        EXPECT_TRUE(scene.Staged(name)) << name;
    }

    // What staging writes, the update check reads back as nothing to update.
    scene.platform.download = [&](const std::string&) {
        return std::optional<std::string>(ReadFileBytes(scene.folder / kStagedList, 1 << 20));
    };
    EXPECT_FALSE(testing::RunUpdateCheck(scene.services, scene.catalogue));
}

TEST(StageRelease, ASecondStagingReplacesTheFirst) {
    StagingScene scene;
    scene.Stage(true, kSuccess);
    scene.folder.Write("Orvanta_EN.ini", "[FrmMain]\r\nCaption=Orvanta 2\r\n");
    scene.folder.Write("Orvanta", BuildVersionedPe("2.3.2.61"));
    scene.Stage(true, kSuccess);
    const Strings lines = scene.StagedLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Orvanta;2.3.2.61;" + std::to_string(scene.folder.Read("Orvanta").size()));
    EXPECT_EQ(lines[1],
              "Orvanta_EN.ini;;" + std::to_string(scene.folder.Read("Orvanta_EN.ini").size()));
    EXPECT_TRUE(scene.Staged("Orvanta"));
    EXPECT_TRUE(scene.Staged("Orvanta_EN.ini"));
}

TEST(StageRelease, AMissingFileStopsTheStagingThere) {
    struct Case {
        const char* missing;
        std::size_t staged;  // files staged (and listed) before it
    } cases[] = {
        // clang-format off
        {"Orvanta_GR.ini",     2},
        {"Orvanta_UpDate.exe", 5},
        {"Orvanta_EN.ini",     1},
        // clang-format on
    };
    for (const Case& c : cases) {
        StagingScene scene;
        DeleteFile(scene.folder / c.missing);
        scene.Stage(true, kError);
        const Strings lines = scene.StagedLines();
        EXPECT_EQ(lines.size(), c.staged) << c.missing;
        for (std::size_t i = 0; i < kRelease.size(); ++i) {
            EXPECT_EQ(scene.folder.Exists("Upload/" + kRelease[i]), i < c.staged)
                << c.missing << ": " << kRelease[i];
        }
    }
}

TEST(StageRelease, AFailedCopyOrListWriteStopsTheStaging) {
    // Fails every write to one file of the staging folder.
    struct FailFor : WriteFaults {
        explicit FailFor(std::string name) : m_name(std::move(name)) {}
        int FailAt(WriteStep step, const std::string& path) override {
            return step == WriteStep::kWrite && FileNameOf(path) == m_name ? ENOSPC : 0;
        }
        std::string m_name;
    };
    struct Case {
        const char* failing;
        std::size_t lines;
    } cases[] = {
        // clang-format off
        {"Orvanta_ENHelp.htm", 3},
        {"Orvanta",            0},
        {"Orvanta_UpDate.exe", 5},
        // clang-format on
    };
    for (const Case& c : cases) {
        StagingScene scene;
        FailFor faults(c.failing);
        scene.Stage(true, kError, &faults);
        EXPECT_EQ(scene.StagedLines().size(), c.lines) << c.failing;
        EXPECT_FALSE(scene.folder.Exists(std::string("Upload/") + c.failing)) << c.failing;
    }
    {
        StagingScene scene;
        FailFor faults("FilesToDownload.txt");
        scene.Stage(true, kError, &faults);
        EXPECT_FALSE(scene.folder.Exists(kStagedList));
    }
}

TEST(StageRelease, AnUploadThatIsNoFolderIsAnError) {
    StagingScene scene;
    scene.folder.Write("Upload", "a file");
    scene.Stage(true, kError);
    EXPECT_EQ(scene.folder.Read("Upload"), "a file");
}

TEST(StageRelease, TextsComeFromTheCatalogue) {
    StagingScene scene;
    scene.folder.Write("lang/Orvanta_GR.ini",
                       "[Message]\r\nUploadNewVersion=Ανέβασμα;\r\nSuccessFilesCopy=Έτοιμα\r\n"
                       "ErrorFilesCopy=Λάθος\r\n");
    scene.catalogue = Catalogue(scene.folder / "lang/Orvanta_GR.ini");
    scene.prompter.ExpectOkIgnore("Ανέβασμα;", true);
    scene.prompter.ExpectMessage("Έτοιμα");
    StageRelease(scene.services, scene.catalogue);
    DeleteFile(scene.folder / "Orvanta_GRHelp.htm");
    scene.prompter.ExpectOkIgnore("Ανέβασμα;", true);
    scene.prompter.ExpectMessage("Λάθος");
    StageRelease(scene.services, scene.catalogue);
}

}  // namespace
}  // namespace orvanta
