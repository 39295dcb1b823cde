// What users trust the program with: every writer on a failing disk, and every
// reader of outside bytes on hostile and huge files.

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "common/core_fixture.h"
#include "common/failing_disk.h"
#include "common/pe_fixture.h"
#include "common/time_limits.h"
#include "common/update_run.h"
#include "core/base/operation_error.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/language_choice.h"
#include "core/live/game_record.h"
#include "core/live/live_ledger.h"
#include "core/live/record_folder.h"
#include "core/markets/method_choice.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_files.h"
#include "core/parlay/parlay_sheet.h"
#include "core/parlay/record_bytes.h"
#include "core/update/release_staging.h"
#include "core/update/update_check.h"
#include "core/update/update_list.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing::CoreScene;
using testing::FailingDisk;
using testing::kStepFaults;
using testing::StepFault;

std::string ThrownText(const std::function<void()>& action) {
    try {
        action();
    } catch (const OperationError& e) {
        return e.what();
    }
    return "<nothing thrown>";
}

void WriteRelease(const CoreScene& scene) {
    scene.folder.Write("Orvanta", testing::BuildVersionedPe("2.3.2.60"));
    scene.folder.Write("Orvanta_EN.ini", "[FrmMain]\r\n");
    scene.folder.Write("Orvanta_GR.ini", "[FrmMain]\r\n");
    scene.folder.Write("Orvanta_ENHelp.htm", "<html></html>");
    scene.folder.Write("Orvanta_GRHelp.htm", "<html></html>");
    scene.folder.Write("Orvanta_UpDate.exe", testing::BuildVersionedPe("1.0.0.7"));
}

// One writer of the program: it writes `file` (relative to the program
// folder) on a disk failing as given, shows what the user would see, and must
// leave the old file whole; then it writes again on a sound disk.
struct Writer {
    const char* name;
    const char* file;
    std::function<void(CoreScene&)> prepare;
    std::function<void(CoreScene&, const StepFault&)> fail_then_succeed;
};

const Catalogue kNoCatalogue;

const Writer kWriters[] = {
    {"parlay Save", "Arxeia/week.bet",
     [](CoreScene& scene) { scene.folder.Write("Arxeia/week.bet", "old sheet"); },
     [](CoreScene& scene, const StepFault& fault) {
         ParlaySheet sheet;
         ClearParlaySheet(sheet, kNoCatalogue);
         scene.prompter.ExpectSaveFile(scene.folder / "Arxeia/week.bet");
         EXPECT_EQ(ThrownText([&] { SaveParlaySheet(sheet, scene.services, 0); }), fault.wording);
         EXPECT_EQ(scene.folder.Read("Arxeia/week.bet"), "old sheet");
         scene.services.write_faults = nullptr;
         scene.prompter.ExpectSaveFile(scene.folder / "Arxeia/week.bet");
         SaveParlaySheet(sheet, scene.services, 0);
     }},
    {"live record", "LiveGameRecords/a.lvo",
     [](CoreScene& scene) { scene.folder.Write("LiveGameRecords/a.lvo", "1.85;3.40;4.20;\r\n"); },
     [](CoreScene& scene, const StepFault& fault) {
         WriteFaults* faults = scene.services.write_faults;
         scene.services.write_faults = nullptr;
         LiveLedger ledger(scene.services, kNoCatalogue, RecordFolderPath(scene.folder.Path()));
         ledger.Open();
         RunEachGuarded(scene.prompter, ledger.LoadGame(1));
         scene.services.write_faults = faults;
         ledger.Page().positions.SetCell(0, 2, "2");
         EXPECT_EQ(ThrownText([&] { ledger.SheetEditEnded(); }), fault.wording);
         EXPECT_EQ(scene.folder.Read("LiveGameRecords/a.lvo"), "1.85;3.40;4.20;\r\n");
         scene.services.write_faults = nullptr;
         ledger.Page().positions.SetCell(3, 2, "10");
         ledger.SheetEditEnded();
     }},
    {"downloaded update list", "updates/FilesToDownload.txt",
     [](CoreScene& scene) {
         WriteRelease(scene);
         scene.folder.Write("updates/FilesToDownload.txt", "old list\r\n");
         scene.platform.download = [](const std::string&) {
             return std::optional<std::string>("Orvanta_Tips.htm;;10\r\n");
         };
     },
     [](CoreScene& scene, const StepFault&) {
         // A list that cannot be kept ends the check as quietly as a failed download.
         EXPECT_FALSE(testing::RunUpdateCheck(scene.services, kNoCatalogue));
         EXPECT_EQ(scene.folder.Read("updates/FilesToDownload.txt"), "old list\r\n");
         scene.services.write_faults = nullptr;
         scene.prompter.ExpectYesNo("Do You Want Updates", false);
         testing::RunUpdateCheck(scene.services, kNoCatalogue);
     }},
    {"staged release", "Upload/FilesToDownload.txt",
     [](CoreScene& scene) {
         WriteRelease(scene);
         scene.folder.Write("Upload/FilesToDownload.txt", "old staged list\r\n");
     },
     [](CoreScene& scene, const StepFault&) {
         scene.prompter.ExpectOkIgnore("UploadNewVersion", true);
         scene.prompter.ExpectMessage("Error Files Copy");
         StageRelease(scene.services, kNoCatalogue);
         EXPECT_EQ(scene.folder.Read("Upload/FilesToDownload.txt"), "old staged list\r\n");
         scene.services.write_faults = nullptr;
         scene.prompter.ExpectOkIgnore("UploadNewVersion", true);
         scene.prompter.ExpectMessage("Success Files Copy FOR upload");
         StageRelease(scene.services, kNoCatalogue);
     }},
    {"language choice", "Orvanta.lang",
     [](CoreScene& scene) { scene.folder.Write("Orvanta.lang", "Orvanta_GR.ini\n"); },
     [](CoreScene& scene, const StepFault& fault) {
         const std::string folder = scene.folder.Path();
         EXPECT_EQ(ThrownText([&] {
                       RememberCatalogue(folder, kEnglishCatalogue, scene.services.write_faults);
                   }),
                   fault.wording);
         EXPECT_EQ(RememberedCatalogue(folder), kGreekCatalogue);
         RememberCatalogue(folder, kEnglishCatalogue, nullptr);
     }},
    {"margin method choice", "Orvanta.method",
     [](CoreScene& scene) { scene.folder.Write("Orvanta.method", "shin\n"); },
     [](CoreScene& scene, const StepFault& fault) {
         const std::string folder = scene.folder.Path();
         EXPECT_EQ(ThrownText([&] {
                       RememberMethod(folder, MarginMethod::kPower, scene.services.write_faults);
                   }),
                   fault.wording);
         EXPECT_EQ(RememberedMethod(folder), MarginMethod::kShin);
         RememberMethod(folder, MarginMethod::kPower, nullptr);
     }},
};

TEST(FailingDisk, EveryWriterKeepsTheOldFileAndGoesOn) {
    for (const Writer& writer : kWriters) {
        for (const StepFault& fault : kStepFaults) {
            SCOPED_TRACE(std::string(writer.name) + ", failing at " + fault.wording);
            CoreScene scene;
            writer.prepare(scene);
            const std::string before = scene.folder.Read(writer.file);
            FailingDisk disk(fault.step, fault.error);
            scene.services.write_faults = &disk;
            writer.fail_then_succeed(scene, fault);
            EXPECT_GT(disk.asked, 0) << "the writer bypassed the file layer";
            // The sound write went through, and nothing was left beside the file.
            EXPECT_NE(scene.folder.Read(writer.file), before);
            const std::string folder = fs::path(scene.folder / writer.file).parent_path().string();
            for (const auto& entry : fs::directory_iterator(folder)) {
                EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos)
                    << entry.path();
            }
        }
    }
}

// Hostile and huge inputs: each ends in a value or a clear error, in time.
constexpr auto kInTime = std::chrono::seconds(1);

struct Hostile {
    const char* name;
    std::function<void(CoreScene&)> prepare;  // not timed
    std::function<void(CoreScene&)> run;
};

void Nothing(CoreScene&) {}

std::string BigFile(std::size_t bytes) {
    std::string text;
    text.reserve(bytes);
    while (text.size() < bytes) {
        text += "1.85;3.40;4.20;;;;;;\r\n";
    }
    return text;
}

const Hostile kHostile[] = {
    {"a .bet whose column count is 2^31", Nothing,
     [](CoreScene&) {
         using namespace testing;
         const std::string file =
             Record("TGridPropIO",
                    {{"ColCount", I32(0x80000000LL)}, {"RowCount", I8(16)}, {"FullGrid", kTrue}});
         ParlaySheet sheet;
         EXPECT_NE(ThrownText([&] { LoadGridFromBytes(sheet.selections, file); }),
                   "<nothing thrown>");
     }},
    {"a .bet whose text length is 2^31", Nothing,
     [](CoreScene&) {
         using namespace testing;
         const std::string file =
             ParlayHeader() +
             Record("TGridCellIO",
                    {{"Col", I8(1)}, {"Row", I8(1)}, {"Cell", Long("2", 0x80000000u)}});
         ParlaySheet sheet;
         EXPECT_NE(ThrownText([&] { LoadGridFromBytes(sheet.selections, file); }),
                   "<nothing thrown>");
     }},
    {"a catalogue with a 10 MB line",
     [](CoreScene& scene) {
         scene.folder.Write("Orvanta_GR.ini",
                            "[FrmMain]\r\nCaption=" + std::string(10 << 20, 'x') + "\r\n");
     },
     [](CoreScene& scene) {
         const Catalogue catalogue(scene.folder / "Orvanta_GR.ini");
         EXPECT_EQ(catalogue.ReadString("FrmMain", "Caption", "").size(), 2047u);
     }},
    {"an update list of 100,000 lines",
     [](CoreScene& scene) {
         WriteRelease(scene);
         const std::string line = "Orvanta_EN.ini;;" +
                                  std::to_string(scene.folder.Read("Orvanta_EN.ini").size()) +
                                  "\r\n";
         std::string list;
         for (int i = 0; i < 100'000; ++i) {
             list += line;
         }
         scene.platform.download = [list](const std::string&) {
             return std::optional<std::string>(list);
         };
     },
     [](CoreScene& scene) { EXPECT_FALSE(testing::RunUpdateCheck(scene.services, kNoCatalogue)); }},
    {"a record folder of a 50 MB file, a million lines, noise and a 255-byte name",
     [](CoreScene& scene) {
         scene.folder.Write("LiveGameRecords/big.lvo", BigFile(50u << 20));
         scene.folder.Write("LiveGameRecords/lines.lvo", std::string(1000000, '\n'));
         std::string noise(4096, '\0');
         for (std::size_t i = 0; i < noise.size(); ++i) {
             noise[i] = static_cast<char>((i * 7919u) >> 3);
             if (noise[i] == ';') {
                 noise[i] = ':';
             }
         }
         scene.folder.Write("LiveGameRecords/noise.lvo", noise);
         const std::string long_name = "2008_03_15;20-45;" + std::string(234, 'x') + ".lvo";
         scene.folder.Write("LiveGameRecords/" + long_name, "1;2;3;\r\n");
     },
     [](CoreScene& scene) {
         LiveLedger ledger(scene.services, kNoCatalogue, RecordFolderPath(scene.folder.Path()));
         ledger.Open();
         ASSERT_EQ(ledger.Page().game_list.RowCount(), 5);
         auto load = [&](int row) { RunEachGuarded(scene.prompter, ledger.LoadGame(row)); };
         // Rows in order: the long name, big, lines, noise.
         scene.prompter.ExpectError(kRecordTooLargeText);
         load(2);
         EXPECT_EQ(ledger.CurrentGameFile(), "");
         // A million empty lines stay under the limit: an empty game.
         load(3);
         EXPECT_NE(ledger.CurrentGameFile(), "");
         EXPECT_EQ(ledger.Page().positions.RowCount(), 3);
         load(4);  // noise: loads, and holds nothing a sheet can show
         EXPECT_NE(ledger.CurrentGameFile(), "");
         load(1);
         EXPECT_EQ(ledger.Page().odds_1.text, "1");
     }},
};

TEST(HostileFiles, EachEndsInAValueOrAClearErrorWithinASecond) {
    for (const Hostile& hostile : kHostile) {
        SCOPED_TRACE(hostile.name);
        CoreScene scene;
        hostile.prepare(scene);
        const auto start = std::chrono::steady_clock::now();
        hostile.run(scene);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, testing::InTime(kInTime))
            << std::chrono::duration<double>(took).count() << " s";
    }
}

}  // namespace
}  // namespace orvanta
