#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "common/pe_fixture.h"
#include "common/temp_folder.h"
#include "core/update/vendor.h"
#include "core/update/version_info.h"
#include "core/update/version_resource.h"

namespace orvanta {
namespace {

using testing::BuildPeFile;
using testing::BuildVersionedPe;
using testing::BuildVersionResource;
using testing::TempFolder;

bool AllEmpty(const VersionInfo& v) {
    return v.company_name.empty() && v.file_description.empty() && v.file_version.empty() &&
           v.internal_name.empty() && v.legal_copyright.empty() && v.legal_trademarks.empty() &&
           v.original_filename.empty() && v.product_name.empty() && v.product_version.empty() &&
           v.comments.empty();
}

TEST(ReadVersionInfo, ThisProgramReadsItsOwnBlock) {
    // The test program carries the same block as Orvanta itself.
    const VersionInfo info = ReadVersionInfo("/proc/self/exe");
    EXPECT_EQ(info.file_version, vendor::kVersionText);
    EXPECT_EQ(info.legal_copyright, vendor::kCopyrightYears);
    EXPECT_EQ(info.company_name, vendor::kCompany);
    EXPECT_EQ(info.product_version, vendor::kVersionText);
}

#ifdef ORVANTA_PROGRAM_FILE
TEST(ReadVersionInfo, TheBuiltProgramCarriesItsVersion) {
    const VersionInfo info = ReadVersionInfo(ORVANTA_PROGRAM_FILE);
    EXPECT_EQ(info.file_version, vendor::kVersionText);
    EXPECT_EQ(info.legal_copyright, vendor::kCopyrightYears);
    EXPECT_EQ(info.original_filename, "Orvanta");
}
#endif

TEST(ReadVersionInfo, WindowsProgramFilesPe32AndPe32Plus) {
    VersionSpec fields;
    const char* strings[10] = {"Maker", "Desc",        "2.3.2.55", "Int", "2008-2026",
                               "TM",    "Orvanta.exe", "Product",  "2.3", "Ωραία σχόλια"};
    for (int i = 0; i < 10; ++i) {
        fields.strings[i] = strings[i];
    }
    for (bool wide : {false, true}) {
        TempFolder folder;
        folder.Write("Orvanta.exe", BuildPeFile(BuildVersionResource(fields), wide));
        const VersionInfo info = ReadVersionInfo(folder / "Orvanta.exe");
        EXPECT_EQ(info.company_name, "Maker");
        EXPECT_EQ(info.file_description, "Desc");
        EXPECT_EQ(info.file_version, "2.3.2.55");
        EXPECT_EQ(info.internal_name, "Int");
        EXPECT_EQ(info.legal_copyright, "2008-2026");
        EXPECT_EQ(info.legal_trademarks, "TM");
        EXPECT_EQ(info.original_filename, "Orvanta.exe");
        EXPECT_EQ(info.product_name, "Product");
        EXPECT_EQ(info.product_version, "2.3");
        EXPECT_EQ(info.comments, "Ωραία σχόλια");
    }
}

TEST(ReadVersionInfo, ConfiguredTextThatIsNoUtf8IsWrittenWithReplacements) {
    // Each byte that starts no UTF-8 sequence goes into the block as one U+FFFD,
    // as everywhere else, rather than as whatever its bits would make: an
    // overlong zero would cut the string short, a cut sequence would eat the
    // text after it.
    const struct {
        const char* configured;
        const char* read_back;
    } cases[] = {
        {"ab\xC0\x80"
         "cd",
         "ab\xEF\xBF\xBD\xEF\xBF\xBD"
         "cd"},
        {"\xCE"
         "A",
         "\xEF\xBF\xBD"
         "A"},
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xF7\xBF\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        VersionSpec fields;
        fields.strings[9] = c.configured;
        EXPECT_EQ(ParseVersionResource(BuildVersionResource(fields)).comments, c.read_back)
            << c.configured;
    }
}

TEST(ReadVersionInfo, MissingStringsStayEmpty) {
    const VersionInfo info = ReadVersionInfoFromBytes(BuildVersionedPe("1.0.0.0"));
    EXPECT_EQ(info.file_version, "1.0.0.0");
    EXPECT_EQ(info.comments, "");
    EXPECT_EQ(info.internal_name, "");
}

TEST(ReadVersionInfo, OnlyTheUsEnglishWindowsTableCounts) {
    std::string block = BuildVersionResource([] {
        VersionSpec fields;
        fields.strings[2] = "9.9.9.9";
        return fields;
    }());
    const auto at =
        block.find(std::string("0\0"
                               "4\0"
                               "0\0"
                               "9\0",
                               8));
    ASSERT_NE(at, std::string::npos);
    block[at + 6] = '8';  // "040804E4": another translation
    EXPECT_TRUE(AllEmpty(ParseVersionResource(block)));
}

TEST(ReadVersionInfo, AnythingElseGivesTenEmptyStrings) {
    TempFolder folder;
    const std::string pe = BuildVersionedPe("2.3.2.55");
    folder.Write("text.txt", "just some text, not a program\n");
    folder.Write("empty", "");
    folder.Write("mz", "MZ");
    folder.Write("truncated.exe", pe.substr(0, pe.size() / 2 + 100));
    folder.Write("header-only.exe", pe.substr(0, 0x200));
    std::string bad_lfanew = pe;
    bad_lfanew[0x3C] = '\xFF';
    bad_lfanew[0x3F] = '\x7F';
    folder.Write("bad-lfanew.exe", bad_lfanew);
    std::string elf =
        "\x7F"
        "ELF";
    elf += std::string(60, '\xFF');
    folder.Write("broken.elf", elf);
    const char* names[] = {
        // clang-format off
        "text.txt",
        "empty",
        "mz",
        "truncated.exe",
        "header-only.exe",
        "bad-lfanew.exe",
        "broken.elf",
        "missing.exe",
        // clang-format on
    };
    for (const char* name : names) {
        EXPECT_TRUE(AllEmpty(ReadVersionInfo(folder / name))) << name;
    }
    EXPECT_TRUE(AllEmpty(ReadVersionInfo(folder.Path())));  // a folder
}

TEST(ReadVersionInfo, DamagedBlocksNeverReadPastTheirEnd) {
    const std::string block = BuildVersionResource([] {
        VersionSpec fields;
        fields.strings[2] = "2.3.2.55";
        fields.strings[4] = "2008-2026";
        return fields;
    }());
    // Every prefix, and every single-byte change, is handled (ASan watches).
    for (std::size_t n = 0; n < block.size(); ++n) {
        ParseVersionResource(std::string_view(block).substr(0, n));
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        for (unsigned char v : {0x00, 0x01, 0x7F, 0xFF}) {
            std::string damaged = block;
            damaged[i] = static_cast<char>(v);
            ParseVersionResource(damaged);
            ReadVersionInfoFromBytes(BuildPeFile(damaged));
        }
    }
}

}  // namespace
}  // namespace orvanta
