#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "common/temp_folder.h"
#include "common/time_limits.h"
#include "core/i18n/catalogue.h"
#include "core/i18n/utf8.h"

namespace orvanta {
namespace {

using testing::TempFolder;

struct LookupCase {
    const char* name;
    const char* file;
    const char* section;
    const char* key;
    const char* expected;
};

class CatalogueLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CatalogueLookup, FindsTheValueOrGivesTheDefault) {
    const LookupCase& c = GetParam();
    TempFolder folder;
    folder.Write("Orvanta_EN.ini", c.file);
    const Catalogue catalogue(folder / "Orvanta_EN.ini");
    EXPECT_EQ(catalogue.ReadString(c.section, c.key, "<default>"), c.expected);
}

const LookupCase kLookups[] = {
    {"Plain", "[FrmMain]\r\nCaption=Orvanta\r\n", "FrmMain", "Caption", "Orvanta"},
    {"LowerCaseSectionAndKey", "[frmmain]\ncaption=Found\n", "FrmMain", "Caption", "Found"},
    {"BlanksAroundEverything", "  [ FrmMain ]  \n  Exit   =   Leave now  \n", "FrmMain", "Exit",
     "Leave now"},
    {"EmptyValueIsNotTheDefault", "[FrmMain]\nExit=\n", "FrmMain", "Exit", ""},
    {"DoubleQuotesRemoved", "[FrmMain]\nLblSum=\"  Sum :  \"\n", "FrmMain", "LblSum", "  Sum :  "},
    {"SingleQuotesRemoved", "[FrmMain]\nLblSum='Sum'\n", "FrmMain", "LblSum", "Sum"},
    {"UnmatchedQuotesKept", "[FrmMain]\nLblSum=\"Sum'\n", "FrmMain", "LblSum", "\"Sum'"},
    {"ValueAfterTheFirstEquals", "[FrmMain]\nKey=a=b\n", "FrmMain", "Key", "a=b"},
    {"FirstOfTwoKeys", "[FrmMain]\nKey=one\nKey=two\n", "FrmMain", "Key", "one"},
    {"KeyOfAnotherSection", "[Message]\nCaption=No\n[FrmMain]\nOther=x\n", "FrmMain", "Caption",
     "<default>"},
    {"MissingSection", "[Message]\nCaption=No\n", "FrmMain", "Caption", "<default>"},
    {"KeyBeforeAnySection", "Caption=No\n[FrmMain]\n", "FrmMain", "Caption", "<default>"},
    {"OtherLinesIgnored", "[FrmMain]\n; comment\nrubbish\n\nCaption=Yes\n", "FrmMain", "Caption",
     "Yes"},
    // Without its closing bracket a section line is a line of another form: it
    // neither opens its section nor ends the one it stands in.
    {"UnclosedBracketOpensNoSection", "[FrmMain\nCaption=No\n", "FrmMain", "Caption", "<default>"},
    {"UnclosedBracketLeavesTheSectionOpen", "[FrmMain]\n[Message\nCaption=Yes\n", "FrmMain",
     "Caption", "Yes"},
    {"MixedLineEndings", "[FrmMain]\rA=1\r\nCaption=CR\n", "FrmMain", "Caption", "CR"},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[FrmMain]\nCaption=BOM\n", "FrmMain", "Caption", "BOM"},
    {"GreekInUtf8", "[FrmMain]\nARBITRAGE=\xCE\x91\xCE\xA1\xCE\x92\n", "FrmMain", "ARBITRAGE",
     "\xCE\x91\xCE\xA1\xCE\x92"},
    {"GreekInWindows1253", "[FrmMain]\nARBITRAGE=\xC1\xD1\xC2\n", "FrmMain", "ARBITRAGE",
     "\xCE\x91\xCE\xA1\xCE\x92"},
    {"GreekKeyMatchedWithoutCase", "[\xCE\xB1\xCE\xB2]\nk=v\n", "\xCE\x91\xCE\x92", "K", "v"},
};

INSTANTIATE_TEST_SUITE_P(Files, CatalogueLookup, ::testing::ValuesIn(kLookups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, MissingFileGivesTheDefault) {
    TempFolder folder;
    const Catalogue catalogue(folder / "Orvanta_GR.ini");
    EXPECT_EQ(catalogue.ReadString("FrmMain", "ODDS", "ODDS"), "ODDS");
    EXPECT_EQ(catalogue.ReadString("FrmMain", "Caption", ""), "");
    EXPECT_EQ(Catalogue().ReadString("FrmMain", "ODDS", "x"), "x");
}

TEST(Catalogue, LongValuesAreCutAt2047Characters) {
    TempFolder folder;
    folder.Write("c.ini", "[S]\nK=" + std::string(3000, 'x') + "\nG=" + std::string(20, 'a') +
                              std::string(3000, '\xCE') + "\n");
    const Catalogue catalogue(folder / "c.ini");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), std::string(2047, 'x'));
    // Windows-1253 "Ξ" is two bytes in UTF-8; the cut counts characters.
    const std::string greek = catalogue.ReadString("S", "G", "");
    EXPECT_EQ(greek.size(), 20u + 2u * 2027u);
}

TEST(Catalogue, FileIsReadAtEachLookup) {
    TempFolder folder;
    folder.Write("c.ini", "[S]\nK=first\n");
    const Catalogue catalogue(folder / "c.ini");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "first");
    folder.Write("c.ini", "[S]\nK=second\n");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "second");
    // The same size, within the same tick of the file system's clock.
    folder.Write("c.ini", "[S]\nK=secnd!\n");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "secnd!");
}

TEST(Catalogue, AFileLeftAloneIsReadOnceForManyLookups) {
    TempFolder folder;
    folder.Write("c.ini", "[S]\nK=old\n");
    const auto path = std::filesystem::u8path(folder / "c.ini");
    const auto long_ago = std::filesystem::last_write_time(path) - std::chrono::hours(1);
    std::filesystem::last_write_time(path, long_ago);
    const Catalogue catalogue(folder / "c.ini");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "old");
    // Changed behind the lookup's back, to the same size and time: the text read
    // before is what the lookups use.
    folder.Write("c.ini", "[S]\nK=new\n");
    std::filesystem::last_write_time(path, long_ago);
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "old");
    // Any real change is seen.
    folder.Write("c.ini", "[S]\nK=newer\n");
    EXPECT_EQ(catalogue.ReadString("S", "K", ""), "newer");
}

TEST(Catalogue, HugeLineGivesABoundedAnswerQuickly) {
    TempFolder folder;
    folder.Write("c.ini", "[S]\nK=" + std::string(10 << 20, 'y') + "\nL=after\n");
    const Catalogue catalogue(folder / "c.ini");
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(catalogue.ReadString("S", "K", "").size(), 2047u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, testing::InTime(std::chrono::seconds(1)));
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(catalogue.ReadString("S", "L", ""), "after");
    EXPECT_LT(std::chrono::steady_clock::now() - start, testing::InTime(std::chrono::seconds(1)));
}

TEST(Catalogue, ShippedFilesCarryEveryKeyInTheirLanguage) {
    const std::string dir = ORVANTA_RESOURCES_DIR;
    const Catalogue greek(dir + "/Orvanta_GR.ini");
    const Catalogue english(dir + "/Orvanta_EN.ini");
    // Greek letters, decoded from the Greek code page.
    EXPECT_EQ(greek.ReadString("FrmMain", "ARBITRAGE", "?"), "ΑΡΜΠΙΤΡΑΖ");
    EXPECT_EQ(greek.ReadString("FrmMain", "Caption", "?"), "Orvanta");
    EXPECT_EQ(english.ReadString("FrmMain", "PARLAY_BETTING", "?"), "PARLAY BETTING");
    EXPECT_EQ(english.ReadString("FrmMain", "Caption", "?"), "Orvanta");
    // One word for one thing: the live window's stake is spelled as the main
    // window's, and the payout is not called by the word for odds.
    EXPECT_EQ(greek.ReadString("FrmLiveOrvanta", "Game Wager", "?"),
              greek.ReadString("FrmMain", "Wager", "!"));
    EXPECT_NE(greek.ReadString("FrmMain", "WinPay", "?"),
              greek.ReadString("FrmMain", "ColumnHeaders_1", "!"));
    for (const Catalogue* c : {&greek, &english}) {
        for (int col = 0; col <= 8; ++col) {
            const std::string key = "ColumnHeaders_" + std::to_string(col);
            EXPECT_NE(c->ReadString("FrmMain", key, ""), "") << key;
        }
        for (const char* key :
             {"StandartLost", "WriteValueFrom", "DoYouWantUpdates", "UploadNewVersion",
              "SuccessFilesCopy", "ErrorFilesCopy", "UpdatesFromPackageManager"}) {
            EXPECT_NE(c->ReadString("Message", key, "<none>"), "<none>") << key;
        }
        for (const char* key : {"FrmLiveOrvanta", "Buy", "Sell", "Poso", "Trehon times"}) {
            EXPECT_NE(c->ReadString("FrmLiveOrvanta", key, "<none>"), "<none>") << key;
        }
        for (const char* key : {"Caption", "Exit", "About", "Version", "OK"}) {
            EXPECT_NE(c->ReadString("FrmHelp", key, "<none>"), "<none>") << key;
        }
    }
}

TEST(CodePage, Windows1253IsDecodedAndUtf8Kept) {
    const std::string greek = "Καλή τύχη: 1,85";
    const std::string encoded = "\xCA\xE1\xEB\xDE \xF4\xFD\xF7\xE7: 1,85";
    EXPECT_FALSE(IsValidUtf8(encoded));
    EXPECT_EQ(DecodeWindows1253(encoded), greek);
    EXPECT_EQ(DecodeCatalogueBytes(encoded), greek);
    EXPECT_EQ(DecodeCatalogueBytes(greek), greek);
}

TEST(CodePage, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8E\xB2"));
    EXPECT_FALSE(IsValidUtf8("\xCE"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

}  // namespace
}  // namespace orvanta
