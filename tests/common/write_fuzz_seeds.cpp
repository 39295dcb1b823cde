// Writes the fuzz targets' seed files from the fixtures the tests use: a PE
// file with a version block, our own ELF program, grid files of real sheets,
// live records, update lists, catalogues and number texts.
//
//   write_fuzz_seeds <fuzz/corpus folder> <program file with a version block>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/core_fixture.h"
#include "common/pe_fixture.h"
#include "core/base/file_io.h"
#include "core/i18n/catalogue.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/parlay_sheet.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: write_fuzz_seeds CORPUS_FOLDER PROGRAM_FILE RESOURCES\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    const std::string resources = argv[3];
    using orvanta::testing::CoreScene;

    // Number texts: the separator byte first.
    int n = 0;
    for (const char* text : {".1.85",
                             ",1,85",
                             ". 1.85 ",
                             ".1.234,5",
                             ".2e",
                             ".1e3",
                             ".+3",
                             ".3 4",
                             ".-",
                             ".",
                             "..",
                             ".0.00009",
                             ".1.5E20",
                             ".999999999999999",
                             ".17976931348623157e292",
                             ".1e-400",
                             ".-0",
                             ".0000123e+5",
                             ".1.797693134862315e308",
                             ".1.7976931348623157e308"}) {
        Write(corpus / "number_text", "seed" + std::to_string(n++), text);
    }

    // Catalogue lookups over the shipped files.
    for (const char* file : {"Orvanta_GR.ini", "Orvanta_EN.ini"}) {
        const std::string bytes = orvanta::ReadFileBytes(resources + "/" + file, 1 << 20);
        Write(corpus / "catalogue", std::string(file) + "-caption", "FrmMain\nCaption\n" + bytes);
        Write(corpus / "catalogue", std::string(file) + "-buy", "frmliveorvanta\nBUY\n" + bytes);
    }
    Write(corpus / "catalogue", "quoted", "S\nK\n[S]\r\nK = \"quoted value\" \r\n");

    // Version info: PE fixtures (PE32 and PE32+) and a bare block.
    Write(corpus / "version_info", "pe32", orvanta::testing::BuildVersionedPe("2.3.2.55"));
    orvanta::VersionSpec fields;
    fields.strings[2] = "1.0.0.0";
    fields.strings[4] = "2008-2026";
    Write(corpus / "version_info", "pe64",
          orvanta::testing::BuildPeFile(orvanta::testing::BuildVersionResource(fields), true));
    Write(corpus / "version_info", "block", orvanta::testing::BuildVersionResource(fields));
    // (An ELF seed carrying the block in our section comes from objcopy:
    //  objcopy -I binary -O elf64-x86-64 -B i386:x86-64
    //          --rename-section .data=.versioninfo block versioninfo.elf)
    (void)argv[2];

    // Grid files: a fresh sheet, a calculated sheet with a banker, Greek headers.
    {
        CoreScene scene;
        const orvanta::Catalogue greek(resources + "/Orvanta_GR.ini");
        orvanta::ParlaySheet sheet;
        orvanta::ClearParlaySheet(sheet, greek);
        Write(corpus / "grid_file", "fresh-greek.bet",
              orvanta::SaveGridToBytes(sheet.selections, 0));
        sheet.selections.SetCell(1, 1, "2");
        sheet.selections.SetCell(1, 2, "1.5");
        sheet.selections.SetCell(1, 3, "3");
        sheet.selections.SetCell(2, 3, "LOST");
        sheet.selections.SetChecked(0, 1, true);
        sheet.selections.SetCell(4, 1, "1");
        sheet.selections.SetCell(4, 2, "1");
        orvanta::CalculateParlaySheet(sheet, scene.services);
        Write(corpus / "grid_file", "banker.bet",
              orvanta::SaveGridToBytes(sheet.selections, 0x12345));
    }

    // Live records.
    Write(corpus / "live_record", "example",
          "1.85;3.40;4.20;\r\n2.00;;;10;;;;;\r\n;;;;;3.5;;20;\r\n;;;;;;;;\r\n");
    Write(corpus / "live_record", "empty", "");
    Write(corpus / "live_record", "short", "1.5;2;3\n;;;;;;;;;;;\n1;;;\nnothing\n");
    Write(corpus / "live_record", "comma", "1,85;3,4;4,2;\n2;;;10,50;;;;;\n;;;;;;3;10,50;\n");
    // Figures beyond the double range: a book and a status that overflow.
    Write(corpus / "live_record", "overflow",
          "1e-307;3;4;\n2;;;10;;;;;\n1e200;;;1e200;\n;;;;1e300;;;-1e300;\n");

    // Update lists.
    Write(corpus / "update_list", "release",
          "Orvanta;2.3.2.55;1234567\r\nOrvanta_EN.ini;;3456\r\nOrvanta_GR.ini;;3321\r\n"
          "Orvanta_ENHelp.htm;;20000\r\nOrvanta_GRHelp.htm;;21000\r\n"
          "Orvanta_UpDate.exe;1.0.0.3;45056\r\n");
    Write(corpus / "update_list", "odd",
          " a ; 2 . 3 ; 1 234 \n\n   \nnosemicolon\none;field\n2.3.2.100;x;y\r");
    std::printf("seeds written to %s\n", corpus.string().c_str());
    return 0;
}
